#pragma once

#include <QFrame>

class QLabel;

// A line above an editor's view that tells something about the file read, in the manner of
// KDE's message widget: no question, nothing to answer; a link shows more, and the close button
// puts it away.
class FileNote : public QFrame
{
    Q_OBJECT

public:
    FileNote(const QString& text, const QString& linkText, QWidget* parent = nullptr);

signals:
    void linkActivated();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_text;
};
