#include "platform/AppError.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/ImageList.h"
#include "toolbar/Picture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

// A test strip as the editor reads it from its file.
QImage testStrip(int width, int height, int variant = 0)
{
    const TestHost host;
    host.writeStrip(width, height, variant);
    return QImage(host.path(HostFile::ImageStrip));
}

} // namespace

class TestImageList : public QObject
{
    Q_OBJECT

private slots:
    void stripIsCutIntoSquares_data();
    void stripIsCutIntoSquares();
    void selectedImageIsNotTinted();
    void pictureFormats_data();
    void pictureFormats();
    void pictureFailures_data();
    void pictureFailures();
};

void TestImageList::stripIsCutIntoSquares_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("count");

    QTest::newRow("192 wide: 12 images") << 192 << 16 << 12;
    QTest::newRow("200 wide: last 8 columns unused") << 200 << 16 << 12;
    QTest::newRow("taller: the top 16 rows") << 192 << 40 << 12;
    QTest::newRow("one square") << 16 << 16 << 1;
    QTest::newRow("15 wide: none") << 15 << 16 << 0;
    QTest::newRow("15 high: none") << 192 << 15 << 0;
}

void TestImageList::stripIsCutIntoSquares()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, count);
    ImageList list;
    list.addStrip(testStrip(64, 16, 1));
    QSignalSpy changed(&list, &ImageList::changed);
    list.clear();
    list.addStrip(testStrip(width, height));
    QCOMPARE(changed.size(), 2);
    QCOMPARE(list.count(), count);
    for (int i = 0; i < count; ++i) {
        const QImage image = list.image(i).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        QCOMPARE(image.pixelColor(0, 0), stripColour(i));
        QCOMPARE(image.pixelColor(15, 15), stripColour(i));
    }
    QVERIFY(list.image(count).isNull());
    QVERIFY(list.image(-1).isNull());
    QVERIFY(list.icon(count).isNull());
}

void TestImageList::selectedImageIsNotTinted()
{
    ImageList list;
    list.addStrip(testStrip(32, 16));
    const QImage selected = list.icon(1).pixmap(16, QIcon::Selected).toImage();
    QCOMPARE(selected.pixelColor(8, 8), stripColour(1));
}

void TestImageList::pictureFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("bitmap") << "strip.bmp" << QByteArray("BMP");
    QTest::newRow("PNG") << "strip.png" << QByteArray("PNG");
    QTest::newRow("PNG named .bmp") << "strip.bmp" << QByteArray("PNG");
    QTest::newRow("PPM without extension") << "strip" << QByteArray("PPM");
}

void TestImageList::pictureFormats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    writeStrip(path, 48, 16, 0, format.constData());
    const QImage picture = loadPicture(path, QStringLiteral("image strip"));
    QCOMPARE(picture.size(), QSize(48, 16));
    QCOMPARE(picture.pixelColor(40, 8), stripColour(2));
}

void TestImageList::pictureFailures_data()
{
    QTest::addColumn<QString>("name"); // in a temporary folder; "" for an empty path
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // %1: the path

    QTest::newRow("empty path") << "" << QByteArray()
                                << "Cannot load the image strip: no file name is set in the "
                                   "host's settings.";
    QTest::newRow("missing file") << "gone.bmp" << QByteArray()
                                  << "Cannot load the image strip \"%1\": the file does not exist.";
    QTest::newRow("a folder") << "folder.bmp" << QByteArray()
                              << "Cannot load the image strip \"%1\": it is a folder, not a file.";
    QTest::newRow("text named .bmp")
        << "text.bmp" << QByteArray("2:0:Standard\r\n")
        << "Cannot load the image strip \"%1\": it is not a picture in a format that this "
           "program can read.";
    QTest::newRow("empty file") << "empty.png" << QByteArray("")
                                << "Cannot load the image strip \"%1\": it is not a picture in a "
                                   "format that this program can read.";
}

void TestImageList::pictureFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    if (name.startsWith(QLatin1String("folder")))
        QDir().mkpath(path);
    else if (!name.startsWith(QLatin1String("gone")) && !name.isEmpty())
        writeBytes(path, bytes);
    try {
        loadPicture(path, QStringLiteral("image strip"));
        QFAIL("loaded");
    } catch (const AppError& error) {
        const QString expected =
            path.isEmpty() ? message : message.arg(QDir::toNativeSeparators(path));
        QCOMPARE(error.message(), expected);
    }
}

HALVEX_TEST_MAIN(TestImageList)
#include "tst_ImageList.moc"
