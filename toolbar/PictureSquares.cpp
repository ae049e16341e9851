#include "toolbar/PictureSquares.h"

#include "platform/AppError.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>

namespace {

struct PictureMessages
{
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

bool isSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".svgz"), Qt::CaseInsensitive);
}

} // namespace

namespace PictureSquares {

QList<QImage> piecesOf(const QImage& picture)
{
    if (picture.height() != side || picture.width() % side != 0)
        return {picture};
    QList<QImage> pieces;
    for (int x = 0; x < picture.width(); x += side)
        pieces.append(picture.copy(x, 0, side, side));
    return pieces;
}

QList<QImage> squaresOf(const QImage& picture, const QColor& background)
{
    QList<QImage> squares;
    for (const QImage& piece : piecesOf(picture))
        squares.append(squareOf(piece, background));
    return squares;
}

QImage squareOf(const QImage& picture, const QColor& background)
{
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(background);
    QPainter painter(&square);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = picture.width() <= side && picture.height() <= side
                             ? picture.size()
                             : picture.size().scaled(side, side, Qt::KeepAspectRatio);
    QRect placed(QPoint(), fitted);
    placed.moveCenter(square.rect().center());
    painter.drawImage(placed, picture);
    return square;
}

// A drawing is drawn at the square's size by Qt's SVG image plugin, rather than scaled down
// after; the plugin loads only when a picture asks for it, so that every start does not pay for
// the SVG module.
QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const bool drawing = isSvg(path);
    if (drawing) {
        const QSize size = reader.size().scaled(side, side, Qt::KeepAspectRatio);
        reader.setScaledSize(size.isEmpty() ? QSize(side, side) : size);
    }
    const QImage picture = reader.read();
    if (picture.isNull())
        //: %1 is a path, %2 the cause.
        throw AppError(PictureMessages::tr("Cannot read the picture \"%1\": %2.")
                           .arg(displayPath(path),
                                drawing ? PictureMessages::tr("it is not an SVG picture that this "
                                                              "program can draw")
                                        : reader.errorString()));
    return picture;
}

QColor cornerColour(const QList<QImage>& images)
{
    QHash<QRgb, int> counts;
    for (const QImage& image : images) {
        if (image.isNull())
            continue;
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            ++counts[image.pixel(corner) | 0xff000000u];
    }
    QRgb most = qRgb(0xc0, 0xc0, 0xc0);
    int mostCount = 0;
    for (auto colour = counts.cbegin(); colour != counts.cend(); ++colour) {
        if (colour.value() > mostCount) {
            most = colour.key();
            mostCount = colour.value();
        }
    }
    return QColor(most);
}

} // namespace PictureSquares
