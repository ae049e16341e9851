#include "platform/AppError.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/ImageViewer.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

class TestImageViewer : public QObject
{
    Q_OBJECT

private slots:
    void fittedToThePicture_data();
    void fittedToThePicture();
    void pictureThatDoesNotLoadShowsNoViewer();
};

void TestImageViewer::fittedToThePicture_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("owned");   // opened over a window, whose frame it takes for its own
    QTest::addColumn<QSize>("window"); // frame included

    QTest::newRow("192 x 16 strip: the smallest") << QSize(192, 16) << true << QSize(200, 200);
    QTest::newRow("320 x 16 strip: as wide as the strip")
        << QSize(320, 16) << true << QSize(320, 200);
    QTest::newRow("300 x 300: picture and button bar")
        << QSize(300, 300) << true << QSize(300, 341);
    QTest::newRow("narrow and tall") << QSize(16, 300) << true << QSize(200, 341);
    QTest::newRow("just below the smallest") << QSize(199, 158) << true << QSize(200, 200);
    QTest::newRow("just above the smallest") << QSize(201, 160) << true << QSize(201, 201);
    QTest::newRow("over no window: no frame") << QSize(192, 16) << false << QSize(200, 200);
}

// The picture is shown whole at its natural size, the window opening no larger than it needs and
// no smaller than that later.
void TestImageViewer::fittedToThePicture()
{
    QFETCH(QSize, picture);
    QFETCH(bool, owned);
    QFETCH(QSize, window);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    writeStrip(path, picture.width(), picture.height(), 0, "PNG");
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QSize frame = owned ? owner.frameGeometry().size() - owner.size() : QSize(0, 0);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& viewer) {
        QCOMPARE(viewer.windowTitle(), QStringLiteral("View image"));
        QCOMPARE(viewer.size(), window - frame);
        QCOMPARE(viewer.minimumSize(), viewer.size());
        auto* shown = control<QLabel>(viewer, QStringLiteral("pictureLabel"));
        QCOMPARE(shown->size(), picture);
        QCOMPARE(shown->pixmap().toImage().pixelColor(picture.width() - 1, 0),
                 stripColour((picture.width() - 1) / 16));
        auto* ok = control<QAbstractButton>(viewer, QStringLiteral("okButton"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        ok->click();
    });
    ImageViewer::view(owned ? &owner : nullptr, path);
}

void TestImageViewer::pictureThatDoesNotLoadShowsNoViewer()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.bmp"));
    const DialogAnswerer answerer;
    QString message;
    try {
        ImageViewer::view(nullptr, path);
    } catch (const AppError& error) {
        message = error.message();
    }
    QCOMPARE(message, QStringLiteral("Cannot load the picture \"%1\": the file does not exist.")
                          .arg(QDir::toNativeSeparators(path)));
}

HALVEX_TEST_MAIN(TestImageViewer)
#include "tst_ImageViewer.moc"
