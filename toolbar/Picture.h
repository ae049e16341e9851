#pragma once

#include <QImage>
#include <QString>

// Reads a picture file in any format that Qt reads, whatever its name's extension says. Throws
// an AppError naming the file and the cause; what names the picture in that message ("image
// strip", "picture"), translated.
QImage loadPicture(const QString& path, const QString& what);

// Throws, naming the toolbar's image strip, when it is too small to hold one 16 x 16 image.
void requireOneImage(const QImage& strip, const QString& path);
