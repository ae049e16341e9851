#include "platform/PlacementStore.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDialog>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

namespace {

class TSampleWindow : public QDialog
{
    Q_OBJECT
};

} // namespace

class TestPlacementStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placementIsKeptUnderCompanyTitleAndWindow();
    void savedPlacementComesBack_data();
    void savedPlacementComesBack();
    void placementOffEveryScreenIsBroughtBack_data();
    void placementOffEveryScreenIsBroughtBack();
};

void TestPlacementStore::initTestCase()
{
    PlacementStore::setCompanyName(QStringLiteral("TarvelSoftware"));
    PlacementStore::setUseApplicationTitle(true);
}

void TestPlacementStore::placementIsKeptUnderCompanyTitleAndWindow()
{
    TestProfile profile;
    TSampleWindow window;
    PlacementStore storage(&window, QStringLiteral("TSampleWindow"),
                           PlacementStore::Keeps::Position);
    QCOMPARE(savedPlacementKeys(window), QStringList{QStringLiteral("TSampleWindow")});
    QVERIFY(QFileInfo::exists(profile.placementFile()));
    QCOMPARE(storage.objectName(), QStringLiteral("placementStore"));
}

void TestPlacementStore::savedPlacementComesBack_data()
{
    QTest::addColumn<int>("keeps");
    QTest::addColumn<bool>("stateStored");
    QTest::addColumn<QSize>("reopened");

    QTest::newRow("position only")
        << int(PlacementStore::Keeps::Position) << false << QSize(100, 80);
    QTest::newRow("position and state")
        << int(PlacementStore::Keeps::PositionAndState) << true << QSize(100, 80);
    // An editor once opened at its designed size whatever size the user had left it at.
    QTest::newRow("position, size and state")
        << int(PlacementStore::Keeps::PositionSizeAndState) << true << QSize(260, 190);
}

void TestPlacementStore::savedPlacementComesBack()
{
    QFETCH(int, keeps);
    QFETCH(bool, stateStored);
    QFETCH(QSize, reopened);
    TestProfile profile;
    {
        TSampleWindow window;
        window.resize(100, 80);
        PlacementStore storage(&window, QStringLiteral("TSampleWindow"),
                               PlacementStore::Keeps(keeps));
        QVERIFY(!storage.restorePlacement());
        window.setGeometry(123, 87, 260, 190);
        storage.savePlacement();
    }
    QSettings ini(profile.placementFile(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("TSampleWindow/Left")).toInt(), 123);
    QCOMPARE(ini.value(QStringLiteral("TSampleWindow/State")).isValid(), stateStored);

    TSampleWindow window;
    window.resize(100, 80);
    PlacementStore storage(&window, QStringLiteral("TSampleWindow"), PlacementStore::Keeps(keeps));
    QVERIFY(storage.restorePlacement());
    QCOMPARE(window.pos(), QPoint(123, 87));
    QCOMPARE(window.size(), reopened);
}

void TestPlacementStore::placementOffEveryScreenIsBroughtBack_data()
{
    QTest::addColumn<QRect>("stored");   // the client area
    QTest::addColumn<QString>("placed"); // kept, placed anew, or within the screen

    QTest::newRow("on screen") << QRect(10, 40, 300, 200) << "kept";
    QTest::newRow("title bar just reachable") << QRect(-60, 40, 300, 200) << "kept";
    QTest::newRow("far right") << QRect(30000, 40, 300, 200) << "placed anew";
    QTest::newRow("above the top") << QRect(10, -500, 300, 200) << "placed anew";
    QTest::newRow("far left") << QRect(-30000, 40, 300, 200) << "placed anew";
    // A size stored on a larger screen once opened the window past every edge.
    QTest::newRow("larger than every screen") << QRect(10, 40, 30000, 20000) << "within";
}

void TestPlacementStore::placementOffEveryScreenIsBroughtBack()
{
    QFETCH(QRect, stored);
    QFETCH(QString, placed);
    TestProfile profile;
    {
        QSettings ini(profile.placementFile(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("TSampleWindow/Left"), stored.left());
        ini.setValue(QStringLiteral("TSampleWindow/Top"), stored.top());
        ini.setValue(QStringLiteral("TSampleWindow/Width"), stored.width());
        ini.setValue(QStringLiteral("TSampleWindow/Height"), stored.height());
    }
    TSampleWindow window;
    PlacementStore storage(&window, QStringLiteral("TSampleWindow"),
                           PlacementStore::Keeps::PositionSizeAndState);
    QCOMPARE(storage.restorePlacement(), placed != QLatin1String("placed anew"));
    if (placed == QLatin1String("kept"))
        QCOMPARE(window.geometry(), stored);
    else if (placed == QLatin1String("within"))
        QVERIFY(window.screen()->availableGeometry().contains(window.geometry()));
    else
        QCOMPARE(window.size(), stored.size());
}

HALVEX_TEST_MAIN(TestPlacementStore)
#include "tst_PlacementStore.moc"
