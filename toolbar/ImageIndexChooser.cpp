#include "toolbar/ImageIndexChooser.h"

#include "common/Modal.h"
#include "platform/ArrowSpinBox.h"
#include "toolbar/ImageList.h"
#include "toolbar/ImagePicker.h"

#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <climits>

namespace {

constexpr int enlargement = 2;

} // namespace

ImageIndexChooser::ImageIndexChooser(ArrowSpinBox* spin, QLabel* image, QLabel* enlarged,
                                     ImageList& images)
    : QObject(spin), m_spin(spin), m_image(image), m_enlarged(enlarged), m_images(images)
{
    connect(m_spin, &QSpinBox::valueChanged, this, [this] {
        m_changed = true;
        showChosen();
    });
    // Images added in the picker can be counted to at once; one replaced shows as it is now.
    connect(&m_images, &ImageList::changed, this, [this] {
        if (m_choosing)
            m_spin->setMaximum(std::max(1, m_images.count()));
        showChosen();
    });
    m_spin->installEventFilter(this);
    for (QLabel* label : {m_image, m_enlarged}) {
        label->installEventFilter(this);
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(tr("Click, or press F4 in the image index, to choose the image from "
                             "all the images of the strip"));
    }
}

// The number counts from 1, as in the field; the index kept stays while nothing is taken.
void ImageIndexChooser::pickImage()
{
    if (m_images.count() == 0) {
        Modal::refuse(m_spin->window(), tr("The image strip holds no images to choose from."));
        return;
    }
    const std::optional<int> chosen = ImagePicker::pick(m_spin->window(), m_images, imageIndex());
    if (!chosen)
        return;
    m_spin->setValue(*chosen + 1);
    m_changed = true;
    showChosen();
}

bool ImageIndexChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_spin && event->type() == QEvent::MouseButtonRelease) {
        pickImage();
        return true;
    }
    if (watched == m_spin && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 ||
            (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier)) {
            pickImage();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
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
