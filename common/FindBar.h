#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// The line under an editor's view that filters it: what is typed, and how many nodes hold it.
// Esc in the field closes it; Down and Enter go to the first match in the view.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    QString text() const;
    // Shows the bar with the focus in its field, what it held selected.
    void open();
    void showCounts(qsizetype matches, qsizetype nodes);

signals:
    void textChanged(const QString& text);
    // The bar closed: its text is gone.
    void closed();
    void toFirstMatch();

public slots:
    void close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_field;
    QLabel* m_counts;
    QToolButton* m_closeButton;
};
