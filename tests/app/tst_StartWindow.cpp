#include "app/StartWindow.h"
#include "platform/PlacementStore.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include <sys/stat.h>

class TestStartWindow : public QObject
{
    Q_OBJECT

private slots:
    void frameWithoutTitleBarButtons();
    void eachButtonOpensItsWindow_data();
    void eachButtonOpensItsWindow();
    void onlyExitCloses_data();
    void onlyExitCloses();
    void opensTheHostSettings();
    void positionIsSavedAndRestored();
    void positionsGoOnlyIntoAFileOfOurOwn_data();
    void positionsGoOnlyIntoAFileOfOurOwn();
};

// Only Exit may end the program: no close box, no system menu.
void TestStartWindow::frameWithoutTitleBarButtons()
{
    DemoHost host;
    StartWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarvel Halvex configuration"));
    QCOMPARE(control<QLabel>(window, "operationLabel")->text(), QStringLiteral("Operation:"));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint,
                                        Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        QVERIFY(!flags.testFlag(button));
}

void TestStartWindow::eachButtonOpensItsWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("opened");

    QTest::newRow("toolbar") << "toolbarButton" << "Edit HTML toolbar" << "ToolbarEditor";
    QTest::newRow("procedures") << "proceduresButton" << "Edit standard procedures panel"
                                << "ProceduresEditor";
    QTest::newRow("MIME types") << "mimeTypesButton" << "MIME types" << "MimeTypesEditor";
    QTest::newRow("additional") << "additionalButton" << "Additional functions"
                                << "AdditionalFunctionsDialog";
}

// Over the start window, which stays open; with the demo profile, no error box on the way.
void TestStartWindow::eachButtonOpensItsWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, opened);
    DemoHost host;
    StartWindow start;
    start.show();
    auto* pressed = control<QPushButton>(start, button);
    QCOMPARE(pressed->text(), caption);
    QString seen;
    QWidget* parent = nullptr;
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        seen = window.objectName();
        parent = window.parentWidget();
        window.reject();
    });
    pressed->click();
    QCOMPARE(seen, opened);
    QCOMPARE(parent, &start);
    QVERIFY(start.isVisible());
}

void TestStartWindow::onlyExitCloses_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Enter on Exit ends") << "exitButton" << int(Qt::Key_Return) << true;
    QTest::newRow("Space on Exit ends") << "exitButton" << int(Qt::Key_Space) << true;
    QTest::newRow("Esc does not end") << "toolbarButton" << int(Qt::Key_Escape) << false;
    QTest::newRow("Esc on Exit does not end") << "exitButton" << int(Qt::Key_Escape) << false;
}

void TestStartWindow::onlyExitCloses()
{
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(bool, closes);
    DemoHost host;
    DialogAnswerer answerer;
    StartWindow start;
    start.show();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    auto* target = control<QPushButton>(start, focused);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(!start.isVisible(), closes);
}

// The host's settings file is created when the host never ran, and the window's placement is
// kept under the key that every user's stored position has.
void TestStartWindow::opensTheHostSettings()
{
    TestProfile profile;
    QVERIFY(!QFileInfo::exists(profile.settingsFile()));
    StartWindow start;
    QVERIFY(QFileInfo::exists(profile.settingsFile()));
    QCOMPARE(savedPlacementKeys(start), QStringList{QStringLiteral("TStartWindow")});
    QVERIFY(QFileInfo::exists(profile.placementFile()));
}

void TestStartWindow::positionIsSavedAndRestored()
{
    TestProfile profile;
    {
        QSettings ini(profile.placementFile(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("TStartWindow/Left"), 31);
        ini.setValue(QStringLiteral("TStartWindow/Top"), 47);
    }
    {
        StartWindow start;
        start.show();
        QCOMPARE(start.geometry().topLeft(), QPoint(31, 47));
        start.setGeometry(QRect(QPoint(140, 90), start.size()));
        click(start, "exitButton");
        QVERIFY(!start.isVisible());
    }
    QSettings ini(profile.placementFile(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("TStartWindow/Left")).toInt(), 140);
    QCOMPARE(ini.value(QStringLiteral("TStartWindow/Top")).toInt(), 90);
    // The start window cannot be maximised: it keeps its position alone.
    QVERIFY(!ini.contains(QStringLiteral("TStartWindow/State")));
}

// A host setting that named the positions file once lost what the user kept there to the
// positions of the MIME types editor, closed with Cancel; a fifo there hung the program at start.
void TestStartWindow::positionsGoOnlyIntoAFileOfOurOwn_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("a file the host's settings name") << false;
    QTest::newRow("a fifo") << true;
}

void TestStartWindow::positionsGoOnlyIntoAFileOfOurOwn()
{
    QFETCH(bool, fifo);
    DemoHost host;
    const QString positions = host.profile.placementFile();
    QDir().mkpath(QFileInfo(positions).path());
    if (fifo) {
        QVERIFY(mkfifo(QFile::encodeName(positions).constData(), 0600) == 0);
    } else {
        writeBytes(positions, "TEXT/KEPT\r\n.kept\r\n");
        const QByteArray settings = fileBytes(host.profile.settingsFile());
        writeBytes(host.profile.settingsFile(),
                   settings + "Opt_MIMEPraserCFG=" + QFile::encodeName(positions) + "\n");
    }
    {
        StartWindow start;
        start.show();
        DialogAnswerer answerer;
        answerer.expect([](QDialog& editor) { clickCancel(editor); });
        click(start, "mimeTypesButton");
        start.close();
    }
    if (fifo)
        QVERIFY(!QFileInfo(positions).isFile());
    else
        QCOMPARE(fileBytes(positions), QByteArray("TEXT/KEPT\r\n.kept\r\n"));
}

HALVEX_TEST_MAIN(TestStartWindow)
#include "tst_StartWindow.moc"
