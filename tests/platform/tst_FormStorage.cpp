#include "platform/FormStorage.h"
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

class TestFormStorage : public QObject
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

void TestFormStorage::initTestCase()
{
    TFormStorage::setDefCompanyName(QStringLiteral("TarvelSoftware"));
    TFormStorage::setRegUseAppTitle(true);
}

void TestFormStorage::keyPathNamesCompanyTitleAndClass()
{
    TSampleWindow window;
    TFormStorage storage(&window, TFormStorage::Keeps::Position);
    QCOMPARE(
        storage.keyPath(),
        QStringLiteral("Software\\TarvelSoftware\\Tarvel Halvex configuration\\TSampleWindow"));
    QCOMPARE(storage.objectName(), QStringLiteral("FormStorage1"));
}

void TestFormStorage::savedPlacementComesBack_data()
{
    QTest::addColumn<int>("keeps");
    QTest::addColumn<bool>("stateStored");

    QTest::newRow("position only") << int(TFormStorage::Keeps::Position) << false;
    QTest::newRow("position and state") << int(TFormStorage::Keeps::PositionAndState) << true;
}

void TestFormStorage::savedPlacementComesBack()
{
    QFETCH(int, keeps);
    QFETCH(bool, stateStored);
    TestProfile profile;
    {
        TSampleWindow window;
        window.resize(100, 80);
        TFormStorage storage(&window, TFormStorage::Keeps(keeps));
        QVERIFY(!storage.restorePlacement());
        window.move(123, 87);
        storage.savePlacement();
    }
    QSettings ini(iniFile(profile), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("TSampleWindow/Left")).toInt(), 123);
    QCOMPARE(ini.value(QStringLiteral("TSampleWindow/State")).isValid(), stateStored);

    TSampleWindow window;
    window.resize(100, 80);
    TFormStorage storage(&window, TFormStorage::Keeps(keeps));
    QVERIFY(storage.restorePlacement());
    QCOMPARE(window.pos(), QPoint(123, 87));
}

void TestFormStorage::positionOffEveryScreenIsNotRestored_data()
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

void TestFormStorage::positionOffEveryScreenIsNotRestored()
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
    TFormStorage storage(&window, TFormStorage::Keeps::Position);
    QCOMPARE(storage.restorePlacement(), restored);
}

HALVEX_TEST_MAIN(TestFormStorage)
#include "tst_FormStorage.moc"
