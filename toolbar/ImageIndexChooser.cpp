#include "toolbar/ImageIndexChooser.h"

#include "platform/ArrowSpinBox.h"
#include "toolbar/ImageList.h"

#include <QLabel>

#include <algorithm>
#include <climits>

namespace {

constexpr int enlargement = 2;

} // namespace

ImageIndexChooser::ImageIndexChooser(ArrowSpinBox* spin, QLabel* image, QLabel* enlarged,
                                     const ImageList& images)
    : QObject(spin), m_spin(spin), m_image(image), m_enlarged(enlarged), m_images(images)
{
    connect(m_spin, &QSpinBox::valueChanged, this, [this] {
        m_changed = true;
        showChosen();
    });
}

void ImageIndexChooser::setImageIndex(int index)
{
    m_keptIndex = index;
    const int count = m_images.count();
    m_choosing = count > 0;
    m_spin->setEnabled(m_choosing);
    if (m_choosing) {
        m_spin->setRange(1, count);
        m_spin->setValue(int(std::clamp<qint64>(qint64(index) + 1, 1, count)));
    } else {
        const int shown = index == INT_MAX ? index : index + 1;
        m_spin->setRange(shown, shown);
    }
    m_changed = false;
    showChosen();
}

int ImageIndexChooser::imageIndex() const
{
    return m_choosing && m_changed ? m_spin->value() - 1 : m_keptIndex;
}

// An index outside the strip shows no image until the user picks one.
void ImageIndexChooser::showChosen()
{
    const QPixmap image = m_choosing ? m_images.image(imageIndex()) : QPixmap();
    m_image->setPixmap(image);
    if (image.isNull())
        m_enlarged->clear();
    else
        m_enlarged->setPixmap(image.scaled(image.size() * enlargement, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation));
}
