#include "toolbar/Picture.h"

#include "platform/AppError.h"
#include "platform/BitmapFile.h"
#include "platform/WholeFile.h"
#include "toolbar/ImageList.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

struct PictureMessages
{
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

QString causeOf(const QFileInfo& file, const QImageReader& reader)
{
    //: The cause, %3 in "Cannot load the %1 \"%2\": %3.".
    if (!file.exists())
        return PictureMessages::tr("the file does not exist");
    if (file.isDir())
        return PictureMessages::tr("it is a folder, not a file");
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        return PictureMessages::tr("the file cannot be read");
    case QImageReader::UnsupportedFormatError:
        return PictureMessages::tr("it is not a picture in a format that this program can read");
    case QImageReader::InvalidDataError:
        return PictureMessages::tr("its picture data is damaged or too large");
    default:
        return reader.errorString();
    }
}

// A bitmap whose bytes stop before its pixels do would be shown with rows made up for the rest.
void requireWholeBitmap(QByteArrayView head, qint64 size, const QString& path, const QString& what)
{
    const std::optional<BitmapLayout> layout = bitmapLayout(head);
    if (layout && size < layout->fileBytes())
        throw AppError(PictureMessages::tr("Cannot load the %1 \"%2\": the file is cut short: it "
                                           "holds %3 bytes, and its header calls for %4.")
                           .arg(what, displayPath(path), QString::number(size),
                                QString::number(layout->fileBytes())));
}

void requireWholeBitmap(const QString& path, const QString& what)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) // else the picture's reader says why
        requireWholeBitmap(file.read(bitmapHeadBytes), file.size(), path, what);
}

} // namespace

void requirePictureFile(const QString& path, const QString& what)
{
    if (path.isEmpty())
        throw AppError(
            //: %1 is "image strip" or "picture".
            PictureMessages::tr("Cannot load the %1: no file name is set in the host's settings.")
                .arg(what));
    // A fifo or a device would block or never end; only a plain file is read.
    const QFileInfo file(path);
    if (file.exists() && !file.isFile() && !file.isDir())
        throw AppError(PictureMessages::tr("Cannot load the %1 \"%2\": it is not a regular file.")
                           .arg(what, displayPath(path)));
    if (!file.exists() || file.isDir())
        throw AppError(PictureMessages::tr("Cannot load the %1 \"%2\": %3.")
                           .arg(what, displayPath(path), causeOf(file, QImageReader())));
}

QImage loadPicture(const QString& path, const QString& what)
{
    requirePictureFile(path, what);
    requireWholeBitmap(path, what);
    QImageReader reader(path);
    // A file whose extension lies about its format is still read by its content.
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        throw AppError(PictureMessages::tr("Cannot load the %1 \"%2\": %3.")
                           .arg(what, displayPath(path), causeOf(QFileInfo(path), reader)));
    return picture;
}

Picture decodePicture(const QByteArray& bytes, const QString& path, const QString& what)
{
    requireWholeBitmap(bytes, bytes.size(), path, what);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    Picture picture{reader.read(), format};
    if (picture.image.isNull())
        throw AppError(PictureMessages::tr("Cannot load the %1 \"%2\": %3.")
                           .arg(what, displayPath(path), causeOf(QFileInfo(path), reader)));
    return picture;
}

void requireOneImage(const QImage& strip, const QString& path)
{
    if (strip.width() < ImageList::imageSize || strip.height() < ImageList::imageSize)
        throw AppError(
            PictureMessages::tr("The image strip \"%1\" is %2 x %3 pixels: it must be at least "
                                "16 pixels wide and 16 pixels high to hold one image, so the "
                                "editor shows no images.")
                .arg(displayPath(path), QString::number(strip.width()),
                     QString::number(strip.height())));
}
