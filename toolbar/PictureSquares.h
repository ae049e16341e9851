#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// Pictures made into the image strip's 16 x 16 images. The strip has no transparent colour:
// every image is drawn as it is, so a picture's transparency is drawn over a background colour.
namespace PictureSquares {

constexpr int side = 16;

// The pictures that a picture gives images of: a picture 16 pixels high whose width is a
// multiple of 16 is a strip of its own, one per square; any other is one.
QList<QImage> piecesOf(const QImage& picture);
// A picture as one image: scaled down smoothly to fit, keeping its proportions, and centred,
// never scaled up; its transparency drawn over the background.
QImage squareOf(const QImage& picture, const QColor& background);
// Both at once: the images of a picture file.
QList<QImage> squaresOf(const QImage& picture, const QColor& background);

// A picture file at the size it is wanted at: an SVG rendered at 16 pixels on its longer side,
// any other as Qt reads it. Throws, naming the file, when it cannot be read.
QImage readPicture(const QString& path);

// The colour most of the images show in their corners, as a background for new ones; light grey
// where there are none.
QColor cornerColour(const QList<QImage>& images);

} // namespace PictureSquares
