#include "toolbar/ImageList.h"

#include <QImage>

namespace {

// The same picture in every mode, so that a selected node's image is not tinted.
QIcon unchangedIcon(const QPixmap& pixmap)
{
    QIcon icon;
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
        icon.addPixmap(pixmap, mode);
    return icon;
}

} // namespace

ImageList::ImageList(QObject* parent) : QObject(parent)
{
}

void ImageList::clear()
{
    m_images.clear();
    m_icons.clear();
    emit changed();
}

void ImageList::addStrip(const QImage& strip)
{
    const int added = strip.height() < imageSize ? 0 : strip.width() / imageSize;
    m_images.reserve(m_images.size() + added);
    m_icons.reserve(m_icons.size() + added);
    for (int i = 0; i < added; ++i) {
        const QPixmap image =
            QPixmap::fromImage(strip.copy(i * imageSize, 0, imageSize, imageSize));
        m_images.append(image);
        m_icons.append(unchangedIcon(image));
    }
    emit changed();
}

QPixmap ImageList::image(int index) const
{
    return m_images.value(index);
}

QIcon ImageList::icon(int index) const
{
    return m_icons.value(index);
}
