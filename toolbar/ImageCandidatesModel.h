#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

// Pictures that may become images of the strip, each shown as the 16 x 16 image it would become
// over the background colour, twice its size. A picture is read when it is first shown, so that
// a theme of thousands of icons opens at once.
class ImageCandidatesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { NameRole = Qt::UserRole + 1 };
    using Loader = std::function<QImage()>;

    explicit ImageCandidatesModel(QObject* parent = nullptr);

    void append(const QString& name, Loader load);
    void setBackground(const QColor& background);
    // The image a row becomes; null where its picture cannot be read.
    QImage square(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Candidate
    {
        QString name;
        Loader load;
        mutable QImage picture;
        mutable bool loaded = false;
    };

    const QImage& picture(int row) const;

    QList<Candidate> m_candidates;
    QColor m_background;
};
