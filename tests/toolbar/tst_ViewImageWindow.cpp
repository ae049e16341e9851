#include "platform/AppError.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "toolbar/ViewImageWindowUnit.h"
#include "ToolbarTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>

class TestViewImageWindow : public QObject
{
    Q_OBJECT

private slots:
    void fittedToThePicture_data();
    void fittedToThePicture();
    void withoutShownOwnerFrameCountsAsNothing();
    void pictureThatDoesNotLoadShowsNoViewer();
};

void TestViewImageWindow::fittedToThePicture_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("window");

    QTest::newRow("192 x 16 strip: the smallest window") << QSize(192, 16) << QSize(200, 200);
    QTest::newRow("320 x 16 strip: as wide as the strip") << QSize(320, 16) << QSize(320, 200);
    QTest::newRow("300 x 300: picture and button bar") << QSize(300, 300) << QSize(300, 341);
    QTest::newRow("narrow and tall") << QSize(16, 300) << QSize(200, 341);
    QTest::newRow("just below the smallest") << QSize(199, 158) << QSize(200, 200);
    QTest::newRow("just above the smallest") << QSize(201, 160) << QSize(201, 201);
}

void TestViewImageWindow::fittedToThePicture()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, window);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    writeStrip(path, picture.width(), picture.height(), 0, "PNG");
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QSize frame = owner.frameGeometry().size() - owner.size();
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& viewer) {
        QCOMPARE(viewer.windowTitle(), QStringLiteral("View image"));
        QCOMPARE(viewer.frameGeometry().size(), window);
        QCOMPARE(viewer.size(), window - frame);
        QCOMPARE(viewer.minimumSize(), viewer.maximumSize());
        auto* image = control<QLabel>(viewer, QStringLiteral("Image1"));
        QCOMPARE(image->mapTo(&viewer, QPoint(0, 0)), QPoint(0, 0));
        QCOMPARE(image->size(), picture);
        QCOMPARE(image->pixmap().toImage().pixelColor(picture.width() - 1, 0),
                 stripColour((picture.width() - 1) / 16));
        QWidget* panel = control(viewer, QStringLiteral("Panel1"));
        // The bar runs along the bottom of the client area, or of the scrolled area when the
        // picture and the bar do not fit in it.
        const QSize visible =
            control<QScrollArea>(viewer, QStringLiteral("scrollArea"))->viewport()->size();
        const bool scrolls = visible != viewer.size();
        QCOMPARE(scrolls,
                 picture.width() > viewer.width() || picture.height() + 41 > viewer.height());
        QCOMPARE(panel->size(), QSize(std::max(visible.width(), picture.width()), 41));
        QCOMPARE(panel->mapTo(control(viewer, QStringLiteral("scrollContent")), QPoint(0, 0)),
                 QPoint(0, std::max(visible.height(), picture.height() + 41) - 41));
        auto* ok = control<QPushButton>(viewer, QStringLiteral("btnOk"));
        QCOMPARE(geometryOf(*ok), QStringLiteral("8,8 75x25"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        ok->click();
    });
    showImage(&owner, path);
    QVERIFY(answerer.allAnswered());
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestViewImageWindow::withoutShownOwnerFrameCountsAsNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("strip.bmp"));
    writeStrip(path, 192, 16);
    DialogAnswerer answerer;
    QSize size;
    answerer.expect([&](QDialog& viewer) {
        size = viewer.size();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QCOMPARE(QApplication::focusWidget(), control(viewer, QStringLiteral("btnOk")));
        viewer.accept();
    });
    showImage(nullptr, path);
    QCOMPARE(size, QSize(200, 200));
}

void TestViewImageWindow::pictureThatDoesNotLoadShowsNoViewer()
{
    QTemporaryDir dir;
    DialogAnswerer answerer;
    QString message;
    try {
        showImage(nullptr, dir.filePath(QStringLiteral("gone.bmp")));
    } catch (const AppError& error) {
        message = error.message();
    }
    QVERIFY(message.endsWith(QStringLiteral("gone.bmp\": the file does not exist.")));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

HALVEX_TEST_MAIN(TestViewImageWindow)
#include "tst_ViewImageWindow.moc"
