#pragma once

#include <QByteArrayView>

#include <optional>

// Where a Windows bitmap (BMP) file keeps what, as its headers say: the bytes of the pixels and
// how the picture is laid out in them.
struct BitmapLayout
{
    int headerSize = 0; // of the info header: 12 (OS/2 core), 40, 52, 56, 108 or 124
    int width = 0;
    int height = 0;       // rows, counted positive
    bool topDown = false; // the first row in the file is the top one
    int bitsPerPixel = 0;
    int compression = 0; // 0 none, 1 and 2 run-length, 3 and 6 bit fields
    int colours = 0;     // entries of the colour table
    qint64 colourTableAt = 0;
    qint64 pixelsAt = 0;
    qint64 pixelBytes = 0; // what the pixels take, as the headers say
    qint64 rowBytes = 0;   // of one row, padded to four bytes; 0 when compressed

    // The bytes the file must hold at least.
    qint64 fileBytes() const { return pixelsAt + pixelBytes; }
};

// The layout that a BMP file's first bytes give; nothing when they are no BMP headers that can
// be read (another format, or a header that makes no sense).
std::optional<BitmapLayout> bitmapLayout(QByteArrayView bytes);

// Enough of a file's first bytes for its headers and colour table.
constexpr qsizetype bitmapHeadBytes = 14 + 124 + 256 * 4;
