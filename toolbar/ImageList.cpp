#include "toolbar/ImageList.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QUndoCommand>
#include <QUndoStack>

#include <memory>

namespace {

struct ImageStepTexts
{
    Q_DECLARE_TR_FUNCTIONS(ImageList)
};

// The same picture in every mode, so that a selected node's image is not tinted.
QIcon unchangedIcon(const QPixmap& pixmap)
{
    QIcon icon;
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
        icon.addPixmap(pixmap, mode);
    return icon;
}

// A step on the images of one reading of the strip: once the strip was read again, it changes
// nothing.
class ImageStep : public QUndoCommand
{
public:
    ImageStep(ImageList& images, const QString& text)
        : QUndoCommand(text), m_images(images), m_reading(images.reading())
    {
    }

protected:
    bool isCurrent()
    {
        const bool current = m_images.reading() == m_reading;
        setObsolete(!current);
        return current;
    }

    ImageList& m_images;

private:
    int m_reading;
};

class AddImages : public ImageStep
{
public:
    AddImages(ImageList& images, QList<QImage> added)
        : ImageStep(images, added.size() == 1
                                //: An undo step.
                                ? ImageStepTexts::tr("Add an image")
                                //: An undo step; %1 is a number of images, 2 or more.
                                : ImageStepTexts::tr("Add %1 images").arg(added.size())),
          m_added(std::move(added))
    {
    }

    void redo() override
    {
        if (isCurrent())
            m_images.append(m_added);
    }
    void undo() override
    {
        if (isCurrent())
            m_images.removeLast(int(m_added.size()));
    }

private:
    QList<QImage> m_added;
};

class ReplaceImage : public ImageStep
{
public:
    ReplaceImage(ImageList& images, int index, QImage image)
        //: An undo step; %1 is the image's number, counted from 1.
        : ImageStep(images, ImageStepTexts::tr("Replace image %1").arg(index + 1)), m_index(index),
          m_other(std::move(image))
    {
    }

    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap()
    {
        if (isCurrent())
            m_other = m_images.replace(m_index, m_other);
    }

    int m_index;
    QImage m_other;
};

} // namespace

ImageList::ImageList(QObject* parent) : QObject(parent)
{
}

void ImageList::clear()
{
    m_images.clear();
    m_icons.clear();
    m_picture = QImage();
    m_fileCount = 0;
    m_replacedFromFile.clear();
    ++m_reading;
    emit changed();
}

void ImageList::addStrip(const QImage& strip)
{
    const int added = strip.height() < imageSize ? 0 : strip.width() / imageSize;
    m_images.reserve(m_images.size() + added);
    m_icons.reserve(m_icons.size() + added);
    for (int i = 0; i < added; ++i)
        appendImage(strip.copy(i * imageSize, 0, imageSize, imageSize));
    m_picture = strip;
    m_fileCount = count();
    emit changed();
}

void ImageList::appendImage(const QImage& image)
{
    const QPixmap pixmap = QPixmap::fromImage(image);
    m_images.append(pixmap);
    m_icons.append(unchangedIcon(pixmap));
}

QPixmap ImageList::image(int index) const
{
    return m_images.value(index);
}

QIcon ImageList::icon(int index) const
{
    return m_icons.value(index);
}

void ImageList::addImages(const QList<QImage>& images)
{
    auto step = std::make_unique<AddImages>(*this, images);
    if (m_steps)
        m_steps->push(step.release());
    else
        step->redo();
}

void ImageList::replaceImage(int index, const QImage& image)
{
    auto step = std::make_unique<ReplaceImage>(*this, index, image);
    if (m_steps)
        m_steps->push(step.release());
    else
        step->redo();
}

void ImageList::append(const QList<QImage>& images)
{
    for (const QImage& image : images)
        appendImage(image);
    emit changed();
}

void ImageList::removeLast(int count)
{
    m_images.remove(m_images.size() - count, count);
    m_icons.remove(m_icons.size() - count, count);
    emit changed();
}

// The file's own image is kept aside while another stands in its place, so that undoing back to
// it leaves nothing to write.
QImage ImageList::replace(int index, const QImage& image)
{
    const QImage before = m_images.value(index).toImage().convertToFormat(QImage::Format_RGB32);
    if (index < m_fileCount && !m_replacedFromFile.contains(index))
        m_replacedFromFile.insert(index, before);
    const QPixmap pixmap = QPixmap::fromImage(image);
    m_images[index] = pixmap;
    m_icons[index] = unchangedIcon(pixmap);
    if (m_replacedFromFile.value(index) == image.convertToFormat(QImage::Format_RGB32))
        m_replacedFromFile.remove(index);
    emit changed();
    return before;
}

BitmapSquares ImageList::changes() const
{
    BitmapSquares squares;
    squares.side = imageSize;
    for (int index = m_fileCount; index < count(); ++index)
        squares.added.append(m_images[index].toImage());
    for (auto original = m_replacedFromFile.cbegin(); original != m_replacedFromFile.cend();
         ++original)
        squares.replaced.insert(original.key(), m_images[original.key()].toImage());
    return squares;
}

bool ImageList::isChanged() const
{
    return count() != m_fileCount || !m_replacedFromFile.isEmpty();
}

QImage ImageList::strip() const
{
    if (!isChanged())
        return m_picture;
    const BitmapSquares squares = changes();
    const int width = squares.added.isEmpty() ? m_picture.width() : count() * imageSize;
    QImage whole(width, std::max(m_picture.height(), imageSize), QImage::Format_RGB32);
    whole.fill(Qt::black);
    QPainter painter(&whole);
    painter.drawImage(0, 0, m_picture);
    for (int index = 0; index < count(); ++index) {
        if (index >= m_fileCount || m_replacedFromFile.contains(index))
            painter.drawPixmap(index * imageSize, 0, m_images[index]);
    }
    return whole;
}

// The steps so far changed what the file now holds: undoing them would take images out of the
// list that the file keeps.
void ImageList::markWritten()
{
    m_picture = strip();
    m_fileCount = count();
    m_replacedFromFile.clear();
    ++m_reading;
}
