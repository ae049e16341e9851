#include "app/HostSettings.h"
#include "app/StartWindowUnit.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

QString iniFile(const TestProfile& profile)
{
    return profile.folder() +
           QStringLiteral("/config/TarvelSoftware/Tarvel Halvex configuration.ini");
}

QPushButton* button(QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

// The start window as the program entry makes it.
struct StartedWindow
{
    StartWindow window;
    StartedWindow()
    {
        window.runCreateHandler();
        window.show();
    }
};

} // namespace

class TestStartWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void buttons_data();
    void buttons();
    void tabOrderAndFirstFocus();
    void keysOnButtons_data();
    void keysOnButtons();
    void createOpensHostSettings();
    void positionIsSavedAndRestored();
};

void TestStartWindow::windowFrame()
{
    TestProfile profile;
    StartedWindow started;
    StartWindow& window = started.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarvel Halvex configuration"));
    QCOMPARE(window.size(), QSize(219, 206));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Operation:"));
}

void TestStartWindow::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("row");

    QTest::newRow("edit HTML") << "btnEditHTML"
                               << "Edit HTML toolbar" << 0;
    QTest::newRow("procedures") << "btnStdProcsEditor"
                                << "Edit standard procedures panel" << 1;
    QTest::newRow("MIME") << "btnMIMETypes"
                          << "MIME types" << 2;
    QTest::newRow("more") << "btnMore"
                          << "Additional functions" << 3;
    QTest::newRow("exit") << "btnExit"
                          << "Exit" << 4;
}

void TestStartWindow::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, row);
    TestProfile profile;
    StartedWindow started;
    QPushButton* found = button(started.window, qPrintable(name));
    QVERIFY(found);
    QCOMPARE(found->text(), caption);
    QCOMPARE(found->size(), QSize(200, 25));
    QCOMPARE(found->x(), button(started.window, "btnEditHTML")->x());
    QVERIFY(found->geometry().bottom() < 206);
    // Rows top to bottom, the bevel between the editors and the rest.
    const int bevelY = started.window.findChild<QFrame*>(QStringLiteral("Bevel1"))->y();
    QCOMPARE(found->y() > bevelY, row >= 3);
    QVERIFY(found->fontMetrics().horizontalAdvance(caption) + found->iconSize().width() + 8 <
            found->width());
}

void TestStartWindow::tabOrderAndFirstFocus()
{
    TestProfile profile;
    StartedWindow started;
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QCOMPARE(started.window.focusWidget(), button(started.window, "btnEditHTML"));
    QStringList order;
    QWidget* widget = button(started.window, "btnEditHTML");
    for (int i = 0; i < 5; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order, (QStringList{"btnEditHTML", "btnStdProcsEditor", "btnMIMETypes", "btnMore",
                                 "btnExit"}));
}

void TestStartWindow::keysOnButtons_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Enter on Exit ends") << "btnExit" << int(Qt::Key_Return) << true;
    QTest::newRow("Space on Exit ends") << "btnExit" << int(Qt::Key_Space) << true;
    QTest::newRow("Esc does not end") << "btnEditHTML" << int(Qt::Key_Escape) << false;
    QTest::newRow("Esc on Exit does not end") << "btnExit" << int(Qt::Key_Escape) << false;
}

void TestStartWindow::keysOnButtons()
{
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(bool, closes);
    TestProfile profile;
    DialogAnswerer answerer;
    StartedWindow started;
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QPushButton* target = button(started.window, qPrintable(focused));
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(!started.window.isVisible(), closes);
    QVERIFY(answerer.surprises().isEmpty());
}

void TestStartWindow::createOpensHostSettings()
{
    TestProfile profile;
    QVERIFY(!QFileInfo::exists(profile.settingsFile()));
    StartedWindow started;
    QVERIFY(QFileInfo::exists(profile.settingsFile()));
    PlacementStore* storage =
        started.window.findChild<PlacementStore*>(QStringLiteral("FormStorage1"));
    QCOMPARE(storage->keyPath(),
             QStringLiteral("Software\\TarvelSoftware\\Tarvel Halvex configuration\\TStartWindow"));
}

void TestStartWindow::positionIsSavedAndRestored()
{
    TestProfile profile;
    {
        QSettings ini(iniFile(profile), QSettings::IniFormat);
        ini.setValue(QStringLiteral("TStartWindow/Left"), 31);
        ini.setValue(QStringLiteral("TStartWindow/Top"), 47);
    }
    {
        StartedWindow started;
        QCOMPARE(started.window.geometry().topLeft(), QPoint(31, 47));
        started.window.setGeometry(QRect(QPoint(140, 90), started.window.size()));
        button(started.window, "btnExit")->click();
        QVERIFY(!started.window.isVisible());
    }
    QSettings ini(iniFile(profile), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("TStartWindow/Left")).toInt(), 140);
    QCOMPARE(ini.value(QStringLiteral("TStartWindow/Top")).toInt(), 90);
    QVERIFY(!ini.contains(QStringLiteral("TStartWindow/State")));
}

HALVEX_TEST_MAIN(TestStartWindow)
#include "tst_StartWindow.moc"
