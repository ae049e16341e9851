#include "common/PlacementKeys.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"
#include "support/WindowSystem.h"
#include "toolbar/ImageViewer.h"
#include "toolbar/UpdateImagesPrompt.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QSettings>

// Under a real window manager (Xvfb with openbox), measured through the window system: where
// windows come back, where the "Update images" prompt stands, how large the viewer is, and what
// the editors select when they open.
class TestRealWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowComesBackWhereItWasLeft_data();
    void windowComesBackWhereItWasLeft();
    void windowOffEveryScreenOpensCentred();
    void promptFrameStandsWhereDesigned();
    void viewerIsTheSameSizeEveryTime_data();
    void viewerIsTheSameSizeEveryTime();
    void editorsOpenWithTheirFirstNodeSelected_data();
    void editorsOpenWithTheirFirstNodeSelected();

private:
    QString placementFile() const;

    std::unique_ptr<DemoHost> m_host;
};

QString TestRealWindows::placementFile() const
{
    return m_host->profile.folder() +
           QStringLiteral("/config/TarvelSoftware/Tarvel Halvex configuration.ini");
}

// A window manager that has only just started may drop a window shown before it is ready: one
// is shown again until it is framed.
void TestRealWindows::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "run under X11");
    m_host = std::make_unique<DemoHost>();
    QWidget first;
    bool framed = false;
    for (int attempt = 0; attempt < 30 && !framed; ++attempt) {
        first.show();
        framed = waitUntilFramed(first, 1000).has_value();
        first.hide();
    }
    QVERIFY2(framed, "no window manager frames the windows");
}

void TestRealWindows::windowComesBackWhereItWasLeft_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("key"); // under which the placement is kept on disk
    QTest::newRow("start window") << "StartWindow" << PlacementKey::startWindow;
    QTest::newRow("toolbar editor") << "ToolbarEditor" << PlacementKey::toolbarEditor;
    QTest::newRow("procedures editor") << "ProceduresEditor" << PlacementKey::proceduresEditor;
    QTest::newRow("MIME types editor") << "MimeTypesEditor" << PlacementKey::mimeTypesEditor;
    QTest::newRow("Additional") << "AdditionalFunctionsDialog" << PlacementKey::additionalFunctions;
}

// Left once, then opened again and again (for the start window that is a restart): client
// area and frame each time exactly where they were left, kept under the key that the users'
// stored placements have.
void TestRealWindows::windowComesBackWhereItWasLeft()
{
    QFETCH(QString, window);
    QFETCH(QString, key);
    std::optional<OnScreen> left;
    {
        const std::unique_ptr<QDialog> shown = makeWindow(window, *m_host);
        shown->show();
        QVERIFY(waitUntilFramed(*shown));
        QVERIFY(moveOnScreen(*shown, QPoint(141, 117)));
        left = waitUntilFramed(*shown);
        QVERIFY(left);
        QCOMPARE(left->client.topLeft(), QPoint(141, 117));
        shown->close();
    }
    QCOMPARE(QSettings(placementFile(), QSettings::IniFormat).value(key + "/Left").toInt(), 141);
    for (int opening = 0; opening < 4; ++opening) {
        const std::unique_ptr<QDialog> shown = makeWindow(window, *m_host);
        shown->show();
        const std::optional<OnScreen> back = waitUntilFramed(*shown);
        QVERIFY(back);
        QCOMPARE(*back, *left);
        shown->close();
    }
}

void TestRealWindows::windowOffEveryScreenOpensCentred()
{
    {
        QSettings ini(placementFile(), QSettings::IniFormat);
        ini.setValue(PlacementKey::mimeTypesEditor + "/Left", 9000);
        ini.setValue(PlacementKey::mimeTypesEditor + "/Top", -9000);
    }
    const std::unique_ptr<QDialog> shown = makeWindow(QStringLiteral("MimeTypesEditor"), *m_host);
    shown->show();
    const std::optional<OnScreen> placed = waitUntilFramed(*shown);
    QVERIFY(placed);
    // Opened over no window, it cannot know its frame before it is shown: centred within that.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = placed->client.top() - placed->frame.top();
    QVERIFY2(screen.contains(placed->frame), toString(*placed));
    QVERIFY2((placed->frame.center() - screen.center()).manhattanLength() <= titleBar,
             toString(*placed));
}

// The designed position is the frame's.
void TestRealWindows::promptFrameStandsWhereDesigned()
{
    const std::unique_ptr<QDialog> editor = makeWindow(QStringLiteral("ToolbarEditor"), *m_host);
    editor->show();
    QVERIFY(waitUntilFramed(*editor));
    UpdateImagesPrompt prompt(editor.get());
    prompt.show();
    const std::optional<OnScreen> placed = waitUntilFramed(prompt);
    QVERIFY(placed);
    QCOMPARE(placed->frame.topLeft(), QPoint(205, 121));
}

void TestRealWindows::viewerIsTheSameSizeEveryTime_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("frame");

    QTest::newRow("300 x 300") << QSize(300, 300) << QSize(300, 341);
    QTest::newRow("a strip of 20 images") << QSize(320, 16) << QSize(320, 200);
    // Such a strip once opened a viewer 32,767 pixels wide, its title bar off the screen.
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    QTest::newRow("a strip wider than the screen") << QSize(100000, 16) << QSize(screenWidth, 200);
}

// The viewer opens at once over an editor that has only just been shown, whose frame the window
// manager may not have told yet: the outer size is the same every time.
void TestRealWindows::viewerIsTheSameSizeEveryTime()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, frame);
    QImage image(picture, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (int opening = 0; opening < 6; ++opening) {
        const std::unique_ptr<QDialog> editor =
            makeWindow(QStringLiteral("MimeTypesEditor"), *m_host);
        editor->show();
        ImageViewer viewer(editor.get(), image);
        viewer.show();
        const std::optional<OnScreen> placed = waitUntilFramed(viewer);
        QVERIFY(placed);
        QVERIFY2(placed->frame.size() == frame, toString(*placed));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(placed->frame), toString(*placed));
    }
}

void TestRealWindows::editorsOpenWithTheirFirstNodeSelected_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog"); // what the command opens on the first node

    QTest::newRow("toolbar") << "ToolbarEditor" << "itemsView" << "newTagButton" << "TagDialog";
    QTest::newRow("procedures") << "ProceduresEditor" << "itemsView" << "newCodeButton"
                                << "ProcedureDialog";
    QTest::newRow("MIME types") << "MimeTypesEditor" << "okButton" << "editButton"
                                << "MimeTypeDialog";
}

// Selected as well as current, so that the commands act on it at once; the focus stays where
// the windows put it.
void TestRealWindows::editorsOpenWithTheirFirstNodeSelected()
{
    QFETCH(QString, window);
    QFETCH(QString, focused);
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    const std::unique_ptr<QDialog> shown = makeWindow(window, *m_host);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    const auto* view = control<QAbstractItemView>(*shown, "itemsView");
    QCOMPARE(view->currentIndex().row(), 0);
    QVERIFY(!view->currentIndex().parent().isValid());
    QVERIFY(view->selectionModel()->isSelected(view->currentIndex()));
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    DialogAnswerer answerer;
    QString opened;
    answerer.expect([&](QDialog& properties) {
        opened = properties.objectName();
        properties.reject();
    });
    click(*shown, qPrintable(command));
    QCOMPARE(opened, dialog);
}

HALVEX_WINDOW_SYSTEM_TEST_MAIN(TestRealWindows, "DISPLAY")
#include "tst_RealWindows.moc"
