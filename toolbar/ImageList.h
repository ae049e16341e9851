#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>

class QImage;

// Images of 16 x 16 pixels, drawn as they are: no colour is made transparent.
class ImageList : public QObject
{
    Q_OBJECT

public:
    static constexpr int imageSize = 16;

    explicit ImageList(QObject* parent = nullptr);

    void clear();
    // Adds the strip's 16 x 16 squares left to right, taken from its top 16 rows; columns past
    // the last whole square are not used. A strip narrower or lower than 16 pixels adds none.
    void addStrip(const QImage& strip);

    int count() const { return int(m_images.size()); }
    // Null for an index outside the list.
    QPixmap image(int index) const;
    QIcon icon(int index) const;

signals:
    void changed();

private:
    QList<QPixmap> m_images;
    QList<QIcon> m_icons;
};
