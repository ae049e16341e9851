#include "platform/BitmapFile.h"

#include <QtEndian>

namespace {

constexpr qsizetype fileHeaderSize = 14;

quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint16 u16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

bool isKnownHeader(int size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// The colour table follows the headers: three bytes an entry for the OS/2 header, else four;
// bit masks of a 40-byte header with bit fields come before it.
void placeColourTable(BitmapLayout& layout, QByteArrayView bytes)
{
    const bool core = layout.headerSize == 12;
    const quint32 used = core ? 0 : u32(bytes, fileHeaderSize + 32);
    if (layout.bitsPerPixel <= 8)
        layout.colours =
            used != 0 && used < (1u << layout.bitsPerPixel) ? int(used) : 1 << layout.bitsPerPixel;
    else
        layout.colours = int(qMin<quint32>(used, 256));
    const bool masksAfterHeader =
        layout.headerSize == 40 && (layout.compression == 3 || layout.compression == 6);
    layout.colourTableAt = fileHeaderSize + layout.headerSize +
                           (masksAfterHeader ? (layout.compression == 6 ? 16 : 12) : 0);
}

} // namespace

std::optional<BitmapLayout> bitmapLayout(QByteArrayView bytes)
{
    if (bytes.size() < fileHeaderSize + 12 || !bytes.startsWith("BM"))
        return std::nullopt;
    BitmapLayout layout;
    layout.headerSize = int(u32(bytes, fileHeaderSize));
    if (!isKnownHeader(layout.headerSize) || bytes.size() < fileHeaderSize + layout.headerSize)
        return std::nullopt;
    const qsizetype info = fileHeaderSize + 4;
    if (layout.headerSize == 12) {
        layout.width = u16(bytes, info);
        layout.height = u16(bytes, info + 2);
        layout.bitsPerPixel = u16(bytes, info + 6);
    } else {
        layout.width = qint32(u32(bytes, info));
        const qint32 height = qint32(u32(bytes, info + 4));
        layout.topDown = height < 0;
        layout.height = height < 0 ? -height : height;
        layout.bitsPerPixel = u16(bytes, info + 10);
        layout.compression = int(u32(bytes, info + 12));
    }
    if (layout.width <= 0 || layout.height <= 0 || layout.bitsPerPixel <= 0 ||
        layout.bitsPerPixel > 32)
        return std::nullopt;
    placeColourTable(layout, bytes);
    layout.pixelsAt = u32(bytes, 10);
    const bool runLength = layout.compression == 1 || layout.compression == 2;
    if (runLength) {
        layout.pixelBytes = u32(bytes, fileHeaderSize + 20);
    } else {
        layout.rowBytes = (qint64(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
        layout.pixelBytes = layout.rowBytes * layout.height;
    }
    return layout;
}
