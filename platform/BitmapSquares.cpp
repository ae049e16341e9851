#include "platform/BitmapSquares.h"

#include "platform/BitmapFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QtEndian>

#include <array>
#include <bit>

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr int noCompression = 0;
constexpr int bitFields = 3;

quint32 u32At(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

void putU32(QByteArray& bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// One colour channel of a 16- or 32-bit pixel, as its mask places it.
struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;
};

Channel channelOf(quint32 mask)
{
    return {mask, mask ? std::countr_zero(mask) : 0, std::popcount(mask)};
}

// How the file's pixels hold a colour.
struct PixelFormat
{
    int bitsPerPixel = 0;
    QList<QRgb> palette;           // up to 8 bits per pixel
    std::array<Channel, 4> fields; // red, green, blue, alpha for 16 and 32 bits
    quint8 fourthByte = 0;         // of a plain 32-bit pixel, as the file's own pixels have it
};

quint32 scaledTo(int value, const Channel& channel)
{
    return quint32((value * ((1 << channel.bits) - 1) + 127) / 255);
}

int scaledFrom(quint32 value, const Channel& channel)
{
    return channel.bits
               ? int((value * 255 + ((1u << channel.bits) - 1) / 2) / ((1u << channel.bits) - 1))
               : 0;
}

// The pixel's value, or nothing when the format cannot hold the colour exactly.
std::optional<quint32> encode(const PixelFormat& format, QRgb colour)
{
    colour |= 0xff000000u;
    if (format.bitsPerPixel <= 8) {
        const qsizetype index = format.palette.indexOf(colour);
        return index < 0 ? std::nullopt : std::optional<quint32>(quint32(index));
    }
    if (format.bitsPerPixel == 24)
        return colour & 0xffffffu;
    if (format.bitsPerPixel == 32 && format.fields[0].mask == 0)
        return (colour & 0xffffffu) | (quint32(format.fourthByte) << 24);
    const int parts[] = {qRed(colour), qGreen(colour), qBlue(colour)};
    quint32 value = 0;
    for (int i = 0; i < 3; ++i) {
        const Channel& channel = format.fields[i];
        const quint32 part = scaledTo(parts[i], channel);
        if (channel.bits == 0 || scaledFrom(part, channel) != parts[i])
            return std::nullopt;
        value |= (part << channel.shift) & channel.mask;
    }
    return value | format.fields[3].mask;
}

void putPixel(QByteArray& row, int x, int bitsPerPixel, quint32 value)
{
    if (bitsPerPixel < 8) {
        const int bit = x * bitsPerPixel;
        const int shift = 8 - bitsPerPixel - bit % 8;
        const quint8 mask = quint8(((1 << bitsPerPixel) - 1) << shift);
        quint8& byte = reinterpret_cast<quint8&>(row[bit / 8]);
        byte = quint8((byte & ~mask) | ((value << shift) & mask));
        return;
    }
    for (int i = 0; i < bitsPerPixel / 8; ++i)
        row[x * bitsPerPixel / 8 + i] = char((value >> (8 * i)) & 0xff);
}

QList<QRgb> readPalette(QByteArrayView bytes, const BitmapLayout& layout)
{
    const int entry = layout.headerSize == 12 ? 3 : 4;
    QList<QRgb> palette;
    for (int i = 0; i < layout.colours; ++i) {
        const qsizetype at = layout.colourTableAt + qsizetype(i) * entry;
        if (at + 3 > bytes.size())
            break;
        palette.append(qRgb(quint8(bytes[at + 2]), quint8(bytes[at + 1]), quint8(bytes[at])));
    }
    return palette;
}

// Masks stand in the header from its 52-byte kind on, else right after the 40-byte one.
std::array<Channel, 4> readFields(QByteArrayView bytes, const BitmapLayout& layout)
{
    if (layout.compression != bitFields)
        return layout.bitsPerPixel == 16
                   ? std::array{channelOf(0x7c00), channelOf(0x03e0), channelOf(0x001f), Channel{}}
                   : std::array<Channel, 4>{};
    const qsizetype at = fileHeaderSize + 40;
    const bool alpha = layout.headerSize >= 56;
    return {channelOf(u32At(bytes, at)), channelOf(u32At(bytes, at + 4)),
            channelOf(u32At(bytes, at + 8)), alpha ? channelOf(u32At(bytes, at + 12)) : Channel{}};
}

bool canKeep(const BitmapLayout& layout, int side)
{
    const int depth = layout.bitsPerPixel;
    const bool plain =
        layout.compression == noCompression &&
        (depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32);
    const bool masked = layout.compression == bitFields && (depth == 16 || depth == 32);
    return (plain || masked) && layout.height >= side;
}

// Every colour that the new squares draw with.
QList<QRgb> coloursOf(const BitmapSquares& change)
{
    QSet<QRgb> seen;
    QList<QRgb> colours;
    const auto take = [&](const QImage& image) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (const QRgb colour = rgb.pixel(x, y) | 0xff000000u; !seen.contains(colour)) {
                    seen.insert(colour);
                    colours.append(colour);
                }
    };
    for (const QImage& image : change.added)
        take(image);
    for (const QImage& image : change.replaced)
        take(image);
    return colours;
}

// A colour table with room left takes the new colours; its growth moves the pixels, so only one
// right before them, with nothing else between, grows. Nothing when the colours do not fit.
std::optional<QList<QRgb>> newColours(const PixelFormat& format, const BitmapLayout& layout,
                                      const QList<QRgb>& colours)
{
    QList<QRgb> missing;
    for (const QRgb colour : colours) {
        if (!encode(format, colour))
            missing.append(colour);
    }
    if (missing.isEmpty())
        return missing;
    const bool tableBeforePixels =
        layout.headerSize != 12 &&
        layout.colourTableAt + qint64(layout.colours) * 4 == layout.pixelsAt;
    if (format.bitsPerPixel > 8 || !tableBeforePixels ||
        layout.colours + missing.size() > (1 << format.bitsPerPixel))
        return std::nullopt;
    return missing;
}

// The rows in file order, each from the old one: the old squares' bytes as they were, the new
// squares' pixels in the file's own form.
class RowWriter
{
public:
    RowWriter(QByteArrayView original, const BitmapLayout& layout, const PixelFormat& format,
              const BitmapSquares& change)
        : m_original(original), m_layout(layout), m_format(format), m_change(change),
          m_oldSquares(layout.width / change.side),
          m_width(change.added.isEmpty() ? layout.width
                                         : (m_oldSquares + int(change.added.size())) * change.side)
    {
        m_rowBytes = (qint64(m_width) * format.bitsPerPixel + 31) / 32 * 4;
    }

    int width() const { return m_width; }
    qint64 rowBytes() const { return m_rowBytes; }

    QByteArray rows() const
    {
        QByteArray pixels;
        pixels.reserve(m_rowBytes * m_layout.height);
        for (int fileRow = 0; fileRow < m_layout.height; ++fileRow)
            pixels.append(row(m_layout.topDown ? fileRow : m_layout.height - 1 - fileRow, fileRow));
        return pixels;
    }

private:
    // Only the old squares' bytes are kept when squares are added: the columns after the last
    // whole square make room for the first new one.
    QByteArray row(int y, int fileRow) const
    {
        const qint64 keptBytes = m_change.added.isEmpty() ? m_layout.rowBytes
                                                          : qint64(m_oldSquares) * m_change.side *
                                                                m_format.bitsPerPixel / 8;
        QByteArray row =
            m_original.sliced(m_layout.pixelsAt + fileRow * m_layout.rowBytes, keptBytes)
                .toByteArray();
        row.resize(m_rowBytes, '\0');
        for (auto square = m_change.replaced.cbegin(); square != m_change.replaced.cend();
             ++square) {
            if (y < m_change.side)
                draw(row, square.key(), *square, y);
        }
        for (int i = 0; i < m_change.added.size(); ++i)
            draw(row, m_oldSquares + i, m_change.added[i], std::min(y, m_change.side - 1));
        return row;
    }

    void draw(QByteArray& row, int square, const QImage& image, int y) const
    {
        for (int x = 0; x < m_change.side; ++x)
            putPixel(row, square * m_change.side + x, m_format.bitsPerPixel,
                     *encode(m_format, image.pixel(x, y)));
    }

    QByteArrayView m_original;
    const BitmapLayout& m_layout;
    const PixelFormat& m_format;
    const BitmapSquares& m_change;
    int m_oldSquares;
    int m_width;
    qint64 m_rowBytes;
};

PixelFormat formatOf(QByteArrayView bytes, const BitmapLayout& layout)
{
    PixelFormat format;
    format.bitsPerPixel = layout.bitsPerPixel;
    if (layout.bitsPerPixel <= 8)
        format.palette = readPalette(bytes, layout);
    format.fields = readFields(bytes, layout);
    if (layout.bitsPerPixel == 32 && layout.pixelBytes >= 4)
        format.fourthByte = quint8(bytes[layout.pixelsAt + 3]);
    return format;
}

// The file as it was, its width, its colour table and its pixels new; what followed the pixels
// (a colour profile) after the new ones, and the header's offsets and sizes to match.
QByteArray kept(QByteArrayView original, const BitmapLayout& layout, PixelFormat format,
                const QList<QRgb>& grown, const BitmapSquares& change)
{
    QByteArray head = original.first(layout.pixelsAt).toByteArray();
    for (const QRgb colour : grown) {
        const char entry[4] = {char(qBlue(colour)), char(qGreen(colour)), char(qRed(colour)), 0};
        head.append(entry, 4);
        format.palette.append(colour | 0xff000000u);
    }
    const RowWriter writer(original, layout, format, change);
    const QByteArray pixels = writer.rows();
    const QByteArrayView tail =
        original.sliced(std::min<qsizetype>(original.size(), layout.pixelsAt + layout.pixelBytes));
    QByteArray file = head + pixels + tail.toByteArray();
    const qint64 moved =
        qint64(head.size() + pixels.size()) - (layout.pixelsAt + layout.pixelBytes);
    putU32(file, 2, quint32(file.size()));
    putU32(file, 10, quint32(head.size()));
    if (layout.headerSize == 12) {
        qToLittleEndian(quint16(writer.width()), file.data() + fileHeaderSize + 4);
        return file;
    }
    putU32(file, fileHeaderSize + 4, quint32(writer.width()));
    if (u32At(file, fileHeaderSize + 20) != 0)
        putU32(file, fileHeaderSize + 20, quint32(pixels.size()));
    if (!grown.isEmpty())
        putU32(file, fileHeaderSize + 32, quint32(format.palette.size()));
    // A profile after the pixels moves with them; its offset counts from the header's start.
    const qsizetype profileAt = fileHeaderSize + 112;
    if (layout.headerSize == 124 && u32At(file, profileAt) != 0 &&
        fileHeaderSize + u32At(file, profileAt) >= layout.pixelsAt + layout.pixelBytes)
        putU32(file, profileAt, quint32(u32At(file, profileAt) + moved));
    return file;
}

// The whole picture as Qt reads it, with the squares drawn in, written anew at 24 bits per pixel
// in the same row order.
std::optional<QByteArray> converted(QByteArrayView original, const BitmapLayout& layout,
                                    const BitmapSquares& change)
{
    QImage decoded = QImage::fromData(original.toByteArray(), "BMP");
    if (decoded.isNull() || decoded.height() < change.side)
        return std::nullopt;
    const int oldSquares = decoded.width() / change.side;
    const int width = change.added.isEmpty()
                          ? decoded.width()
                          : (oldSquares + int(change.added.size())) * change.side;
    QImage whole(width, decoded.height(), QImage::Format_RGB32);
    whole.fill(Qt::black);
    QPainter painter(&whole);
    painter.drawImage(0, 0, decoded.convertToFormat(QImage::Format_RGB32));
    for (auto square = change.replaced.cbegin(); square != change.replaced.cend(); ++square)
        painter.drawImage(square.key() * change.side, 0, *square);
    for (int i = 0; i < change.added.size(); ++i)
        painter.drawImage((oldSquares + i) * change.side, 0, change.added[i]);
    painter.end();
    const qint64 rowBytes = (qint64(width) * 24 + 31) / 32 * 4;
    QByteArray file(fileHeaderSize + 40, '\0');
    file[0] = 'B';
    file[1] = 'M';
    putU32(file, 10, quint32(file.size()));
    putU32(file, fileHeaderSize, 40);
    putU32(file, fileHeaderSize + 4, quint32(width));
    putU32(file, fileHeaderSize + 8, quint32(layout.topDown ? -whole.height() : whole.height()));
    qToLittleEndian(quint16(1), file.data() + fileHeaderSize + 12);
    qToLittleEndian(quint16(24), file.data() + fileHeaderSize + 14);
    putU32(file, fileHeaderSize + 20, quint32(rowBytes * whole.height()));
    for (int fileRow = 0; fileRow < whole.height(); ++fileRow) {
        const int y = layout.topDown ? fileRow : whole.height() - 1 - fileRow;
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x)
            putPixel(row, x, 24, whole.pixel(x, y) & 0xffffffu);
        file.append(row);
    }
    putU32(file, 2, quint32(file.size()));
    return file;
}

bool squaresFit(const BitmapLayout& layout, const BitmapSquares& change)
{
    const int squares = layout.width / change.side;
    for (auto square = change.replaced.cbegin(); square != change.replaced.cend(); ++square) {
        if (square.key() < 0 || square.key() >= squares ||
            square->size() != QSize(change.side, change.side))
            return false;
    }
    for (const QImage& image : change.added) {
        if (image.size() != QSize(change.side, change.side))
            return false;
    }
    const qint64 width = (qint64(squares) + change.added.size()) * change.side;
    return width <= (layout.headerSize == 12 ? 0xffff : 0x7fffffff);
}

} // namespace

std::optional<WrittenBitmap> writeBitmapSquares(QByteArrayView original,
                                                const BitmapSquares& change)
{
    const std::optional<BitmapLayout> layout = bitmapLayout(original);
    if (!layout || original.size() < layout->fileBytes() || layout->height < change.side ||
        !squaresFit(*layout, change))
        return std::nullopt;
    if (canKeep(*layout, change.side)) {
        const PixelFormat format = formatOf(original, *layout);
        if (const std::optional<QList<QRgb>> grown = newColours(format, *layout, coloursOf(change)))
            return WrittenBitmap{kept(original, *layout, format, *grown, change), true};
    }
    const std::optional<QByteArray> bytes = converted(original, *layout, change);
    if (!bytes)
        return std::nullopt;
    return WrittenBitmap{*bytes, false};
}
