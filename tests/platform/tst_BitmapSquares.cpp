#include "platform/BitmapFile.h"
#include "platform/BitmapSquares.h"
#include "support/BitmapBytes.h"

#include <QImage>
#include <QTest>

namespace {

constexpr int side = 16;

QList<QRgb> paletteOf(int size)
{
    QList<QRgb> palette;
    for (int i = 0; i < size; ++i)
        palette << qRgb(i, 255 - i, (i * 7) % 256);
    return palette;
}

// A square in colours of the palette, or anything where there is none.
QImage square(const QList<QRgb>& palette, int seed, bool foreignColour)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y,
                           palette.isEmpty() ? qRgb(x * 16, y * 16, seed * 40)
                                             : palette[(x + y + seed) % palette.size()]);
    if (foreignColour)
        image.setPixel(3, 5, qRgb(1, 2, 3));
    return image;
}

// The bytes of one square's part of a row in the file.
QByteArray squareBytes(const QByteArray& file, int fileRow, int square)
{
    const BitmapLayout layout = *bitmapLayout(file);
    const int bytes = side * layout.bitsPerPixel / 8;
    return file.mid(layout.pixelsAt + fileRow * layout.rowBytes + square * bytes, bytes);
}

} // namespace

// A strip of three squares; two are added and the middle one drawn anew.
class TestBitmapSquares : public QObject
{
    Q_OBJECT

private slots:
    void squaresChangeAndTheRestStays_data();
    void squaresChangeAndTheRestStays();
    void whatIsNoStripIsNotWritten();
};

void TestBitmapSquares::squaresChangeAndTheRestStays_data()
{
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<bool>("topDown");
    QTest::addColumn<int>("paletteSize");
    QTest::addColumn<bool>("foreignColour");
    QTest::addColumn<bool>("formatKept");

    QTest::newRow("4 bits, bottom-up, colours of the palette") << 4 << false << 16 << false << true;
    QTest::newRow("4 bits, top-down, a colour the full palette lacks: 24 bits")
        << 4 << true << 16 << true << false;
    QTest::newRow("8 bits, bottom-up, the palette takes a new colour")
        << 8 << false << 200 << true << true;
    QTest::newRow("8 bits, top-down, colours of the palette") << 8 << true << 256 << false << true;
    QTest::newRow("16 bits, a colour 5-5-5 cannot hold: 24 bits")
        << 16 << false << 0 << true << false;
    QTest::newRow("24 bits, bottom-up") << 24 << false << 0 << true << true;
    QTest::newRow("24 bits, top-down") << 24 << true << 0 << false << true;
    QTest::newRow("32 bits, bottom-up") << 32 << false << 0 << true << true;
    QTest::newRow("32 bits, top-down") << 32 << true << 0 << false << true;
}

void TestBitmapSquares::squaresChangeAndTheRestStays()
{
    QFETCH(int, bitsPerPixel);
    QFETCH(bool, topDown);
    QFETCH(int, paletteSize);
    QFETCH(bool, foreignColour);
    QFETCH(bool, formatKept);
    const QList<QRgb> palette = paletteOf(paletteSize);
    const QByteArray original =
        bitmapBytes(3 * side, side, bitsPerPixel, topDown, palette, [&](int x, int y) {
            if (paletteSize > 0)
                return quint32((x * 3 + y) % paletteSize);
            return bitsPerPixel == 16 ? quint32(((x & 31) << 10) | ((y & 31) << 5) | 7)
                                      : quint32(qRgb(x * 5, y * 9, x + y) & 0xffffffu);
        });
    BitmapSquares change;
    change.added = {square(palette, 1, foreignColour), square(palette, 2, false)};
    change.replaced.insert(1, square(palette, 3, false));

    const std::optional<WrittenBitmap> written = writeBitmapSquares(original, change);
    QVERIFY(written);
    QCOMPARE(written->formatKept, formatKept);
    const QImage before = QImage::fromData(original, "BMP").convertToFormat(QImage::Format_RGB32);
    const QImage after =
        QImage::fromData(written->bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(after.size(), QSize(5 * side, side));
    QCOMPARE(after.copy(3 * side, 0, side, side), change.added[0]);
    QCOMPARE(after.copy(4 * side, 0, side, side), change.added[1]);
    QCOMPARE(after.copy(side, 0, side, side), change.replaced[1]);
    for (const int untouched : {0, 2})
        QCOMPARE(after.copy(untouched * side, 0, side, side),
                 before.copy(untouched * side, 0, side, side));
    if (!formatKept)
        return;
    const BitmapLayout layout = *bitmapLayout(written->bytes);
    QCOMPARE(layout.bitsPerPixel, bitsPerPixel);
    QCOMPARE(layout.topDown, topDown);
    for (int fileRow = 0; fileRow < side; ++fileRow) {
        for (const int untouched : {0, 2})
            QCOMPARE(squareBytes(written->bytes, fileRow, untouched),
                     squareBytes(original, fileRow, untouched));
    }
}

// Half a file, or a square past the strip, is refused rather than written half.
void TestBitmapSquares::whatIsNoStripIsNotWritten()
{
    const QByteArray strip =
        bitmapBytes(2 * side, side, 24, false, {}, [](int, int) { return 0x102030u; });
    BitmapSquares change;
    change.added = {QImage(side, side, QImage::Format_RGB32)};
    QVERIFY(!writeBitmapSquares(strip.first(strip.size() / 2), change));
    QVERIFY(!writeBitmapSquares("GIF89a", change));
    BitmapSquares pastTheEnd;
    pastTheEnd.replaced.insert(2, QImage(side, side, QImage::Format_RGB32));
    QVERIFY(!writeBitmapSquares(strip, pastTheEnd));
}

QTEST_APPLESS_MAIN(TestBitmapSquares)
#include "tst_BitmapSquares.moc"
