#include "platform/PlacementStore.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDialog>
#include <QSettings>

namespace {

class TSampleWindow : public QDialog
{
    Q_OBJECT
};

QString iniFile(const TestProfile& profile)
{
    return profile.folder() +
           QStringLiteral("/config/TarvelSoftware/Tarvel Halvex configuration.ini");
}

} // namespace

class TestPlacementStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyPathNamesCompanyTitleAndClass();
    void savedPlacementComesBack_data();
    void savedPlacementComesBack();
    void positionOffEveryScreenIsNotRestored_data();
    void positionOffEveryScreenIsNotRestored();
};

void TestPlacementStore::initTestCase()
{
    PlacementStore::setCompanyName(QStringLiteral("TarvelSoftware"));
    PlacementStore::setUseApplicationTitle(true);
}

void TestPlacementStore::keyPathNamesCompanyTitleAndClass()
{
    TSampleWindow window;
    PlacementStore storage(&window, QStringLiteral("TSampleWindow"), PlacementStore::Keeps::Position);
    QCOMPARE(
        storage.keyPath(),
        QStringLiteral("Software\\TarvelSoftware\\Tarvel Halvex configuration\\TSampleWindow"));
    QCOMPARE(storage.objectName(), QStringLiteral("placementStore"));
}

void TestPlacementStore::savedPlacementComesBack_data()
{
    QTest::addColumn<int>("keeps");
    QTest::addColumn<bool>("stateStored");

    QTest::newRow("position only") << int(PlacementStore::Keeps::Position) << false;
    QTest::newRow("position and state") << int(PlacementStore::Keeps::PositionAndState) << true;
}

void TestPlacementStore::savedPlacementComesBack()
{
    QFETCH(int, keeps);
    QFETCH(bool, stateStored);
    TestProfile profile;
    {
        TSampleWindow window;
        window.resize(100, 80);
        PlacementStore storage(&window, QStringLiteral("TSampleWindow"), PlacementStore::Keeps(keeps));
        QVERIFY(!storage.restorePlacement());
        window.move(123, 87);
        storage.savePlacement();
    }
    QSettings ini(iniFile(profile), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("TSampleWindow/Left")).toInt(), 123);
    QCOMPARE(ini.value(QStringLiteral("TSampleWindow/State")).isValid(), stateStored);

    TSampleWindow window;
    window.resize(100, 80);
    PlacementStore storage(&window, QStringLiteral("TSampleWindow"), PlacementStore::Keeps(keeps));
    QVERIFY(storage.restorePlacement());
    QCOMPARE(window.pos(), QPoint(123, 87));
}

void TestPlacementStore::positionOffEveryScreenIsNotRestored_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("restored");

    QTest::newRow("on screen") << 10 << 10 << true;
    QTest::newRow("far right") << 30000 << 10 << false;
    QTest::newRow("above the top") << 10 << -500 << false;
    QTest::newRow("far left") << -30000 << 10 << false;
    QTest::newRow("title bar just reachable") << -60 << 10 << true;
}

void TestPlacementStore::positionOffEveryScreenIsNotRestored()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(bool, restored);
    TestProfile profile;
    {
        QSettings ini(iniFile(profile), QSettings::IniFormat);
        ini.setValue(QStringLiteral("TSampleWindow/Left"), left);
        ini.setValue(QStringLiteral("TSampleWindow/Top"), top);
    }
    TSampleWindow window;
    window.resize(200, 100);
    PlacementStore storage(&window, QStringLiteral("TSampleWindow"), PlacementStore::Keeps::Position);
    QCOMPARE(storage.restorePlacement(), restored);
}

HALVEX_TEST_MAIN(TestPlacementStore)
#include "tst_PlacementStore.moc"
