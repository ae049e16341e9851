#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads a picture file in any format that Qt reads, whatever its name's extension says. Throws
// an AppError naming the file and the cause; what names the picture in that message ("image
// strip", "picture"), translated.
QImage loadPicture(const QString& path, const QString& what);

// Throws, as loadPicture does, where path names no file that could be read: none, a folder, a
// device.
void requirePictureFile(const QString& path, const QString& what);

// A picture of a file read before, and the format Qt found in it ("bmp", "png").
struct Picture
{
    QImage image;
    QByteArray format;
};
// As loadPicture, from the file's bytes.
Picture decodePicture(const QByteArray& bytes, const QString& path, const QString& what);

// Throws, naming the toolbar's image strip, when it is too small to hold one 16 x 16 image.
void requireOneImage(const QImage& strip, const QString& path);
