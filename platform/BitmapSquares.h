#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>

#include <optional>

// A strip of square images side by side in a Windows bitmap (BMP) file, changed without moving
// any image: new ones go after the last whole square, others are drawn anew in their place.
struct BitmapSquares
{
    int side = 16;
    // Each side x side pixels; their colours are taken as they are, without transparency.
    QList<QImage> added;
    // By the square's number, counted from 0.
    QMap<int, QImage> replaced;
};

struct WrittenBitmap
{
    QByteArray bytes;
    // True when the file keeps its header kind, bits per pixel, colour table and row order, and
    // every byte of the squares that were not drawn anew; false when it had to become 24 bits
    // per pixel to hold the new colours.
    bool formatKept = false;
};

// The file's bytes with the squares changed; nothing when they are no bitmap that this program
// can read, or one less than a square high.
std::optional<WrittenBitmap> writeBitmapSquares(QByteArrayView original,
                                                const BitmapSquares& change);
