#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QtEndian>

#include <functional>

// The bytes of a Windows bitmap with a 40-byte header, built from explicit parts so that a test
// shows the file: bitsPerPixel 1 to 8 index the palette, 16 is 5-5-5, 24 and 32 are BGR(X).
// pixel(x, y) gives the index or the RGB colour of a pixel, y counted from the top.
inline QByteArray bitmapBytes(int width, int height, int bitsPerPixel, bool topDown,
                              const QList<QRgb>& palette,
                              const std::function<quint32(int x, int y)>& pixel)
{
    const auto u32 = [](QByteArray& bytes, quint32 value) {
        char le[4];
        qToLittleEndian(value, le);
        bytes.append(le, 4);
    };
    const auto u16 = [](QByteArray& bytes, quint16 value) {
        char le[2];
        qToLittleEndian(value, le);
        bytes.append(le, 2);
    };
    const qint64 rowBytes = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    const quint32 pixelsAt = 14 + 40 + quint32(palette.size()) * 4;
    QByteArray file("BM");
    u32(file, pixelsAt + quint32(rowBytes * height));
    u32(file, 0);
    u32(file, pixelsAt);
    u32(file, 40);
    u32(file, quint32(width));
    u32(file, quint32(topDown ? -height : height));
    u16(file, 1);
    u16(file, quint16(bitsPerPixel));
    u32(file, 0);
    u32(file, quint32(rowBytes * height));
    u32(file, 2835);
    u32(file, 2835);
    u32(file, quint32(palette.size()));
    u32(file, 0);
    for (const QRgb colour : palette)
        u32(file, colour & 0xffffffu);
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = topDown ? fileRow : height - 1 - fileRow;
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const quint32 value = pixel(x, y);
            if (bitsPerPixel < 8) {
                const int shift = 8 - bitsPerPixel - (x * bitsPerPixel) % 8;
                row[x * bitsPerPixel / 8] = char(row[x * bitsPerPixel / 8] | (value << shift));
            } else {
                for (int i = 0; i < bitsPerPixel / 8; ++i)
                    row[x * bitsPerPixel / 8 + i] = char(value >> (8 * i));
            }
        }
        file.append(row);
    }
    return file;
}
