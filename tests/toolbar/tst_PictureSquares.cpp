#include "platform/AppError.h"
#include "toolbar/PictureSquares.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor background(0x10, 0x20, 0x30);

// A picture file in the test's folder: a PNG of the size, opaque red on its left half and
// transparent on its right; or an SVG of a red square on nothing.
QString pictureFile(const QTemporaryDir& dir, const QString& name, QSize size)
{
    const QString path = dir.filePath(name);
    if (name.endsWith(QLatin1String(".svg"))) {
        QFile svg(path);
        svg.open(QIODevice::WriteOnly);
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='64' height='32'>"
                  "<rect x='0' y='0' width='32' height='32' fill='#ff0000'/></svg>");
        return path;
    }
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    picture.save(path);
    return path;
}

} // namespace

// Pictures of every kind made into the strip's 16 x 16 images.
class TestPictureSquares : public QObject
{
    Q_OBJECT

private slots:
    void pictureBecomesImages_data();
    void pictureBecomesImages();
    void cornersGiveTheBackground();
};

void TestPictureSquares::pictureBecomesImages_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("images");
    QTest::addColumn<QPoint>("red");         // a pixel of the first image that shows the picture
    QTest::addColumn<QPoint>("transparent"); // one that shows the background

    QTest::newRow("a 16-pixel PNG: its transparency over the background")
        << "icon.png" << QSize(16, 16) << 1 << QPoint(2, 8) << QPoint(13, 8);
    QTest::newRow("48 x 16: a strip of its own, three images")
        << "strip.png" << QSize(48, 16) << 3 << QPoint(2, 8) << QPoint(-1, -1);
    // Scaled down keeping its proportions: 16 x 8, centred.
    QTest::newRow("64 x 32: one image, scaled and centred")
        << "wide.png" << QSize(64, 32) << 1 << QPoint(4, 8) << QPoint(8, 1);
    QTest::newRow("8 x 8: one image, not scaled up, centred")
        << "small.png" << QSize(8, 8) << 1 << QPoint(5, 8) << QPoint(1, 1);
    // Rendered at 16 pixels on its longer side: the red half is 8 x 8 in the middle rows.
    QTest::newRow("an SVG drawn at 16 pixels")
        << "drawing.svg" << QSize() << 1 << QPoint(3, 8) << QPoint(12, 8);
}

void TestPictureSquares::pictureBecomesImages()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(int, images);
    QFETCH(QPoint, red);
    QFETCH(QPoint, transparent);
    QTemporaryDir dir;
    const QList<QImage> squares = PictureSquares::squaresOf(
        PictureSquares::readPicture(pictureFile(dir, file, size)), background);
    QCOMPARE(squares.size(), images);
    for (const QImage& square : squares) {
        QCOMPARE(square.size(), QSize(16, 16));
        QVERIFY(!square.hasAlphaChannel());
    }
    QCOMPARE(squares[0].pixelColor(red), QColor(255, 0, 0));
    if (transparent.x() >= 0)
        QCOMPARE(squares[0].pixelColor(transparent), background);
    if (images == 3)
        QCOMPARE(squares[2].pixelColor(2, 8), background); // the third square is all clear
}

void TestPictureSquares::cornersGiveTheBackground()
{
    QImage grey(16, 16, QImage::Format_RGB32);
    grey.fill(QColor(0xc0, 0xc0, 0xc0));
    QImage white(16, 16, QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(PictureSquares::cornerColour({white, grey, white}), QColor(Qt::white));
    QVERIFY_THROWS_EXCEPTION(AppError, PictureSquares::readPicture(QStringLiteral("/nowhere.png")));
}

QTEST_MAIN(TestPictureSquares)
#include "tst_PictureSquares.moc"
