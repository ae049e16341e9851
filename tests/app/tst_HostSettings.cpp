#include "app/HostSettings.h"
#include "platform/AppError.h"
#include "platform/PlacementStore.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <sys/stat.h>

class TestHostSettings : public QObject
{
    Q_OBJECT

private slots:
    void valuesAreTakenVerbatim_data();
    void valuesAreTakenVerbatim();
    void lookup_data();
    void lookup();
    void valueThatNamesNoFileIsRefused_data();
    void valueThatNamesNoFileIsRefused();
    void openCreatesAnEmptyFileWhenMissing();
    void openKeepsAnExistingFile();
    void changedValueIsSeenAtTheNextRead();
    void unusableSettingsFileSaysWhy_data();
    void unusableSettingsFileSaysWhy();
    void noHomeCreatesNothing();
};

void TestHostSettings::valuesAreTakenVerbatim_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("spaces and commas") << "/home/ann/My Files, old/toolbar.cfg";
    QTest::newRow("leading and trailing blanks") << "  /tmp/a.cfg  ";
    QTest::newRow("quotes") << "\"/tmp/quoted.cfg\"";
    QTest::newRow("semicolon and hash") << "/tmp/a;b#c.cfg";
    QTest::newRow("backslashes") << "C:\\Program Files\\Halvex\\";
    QTest::newRow("non-ASCII letters") << QString::fromUtf8("/home/zoë/Ærø/Halvex/");
    QTest::newRow("equals sign in value") << "/tmp/a=b.cfg";
    QTest::newRow("empty value") << "";
}

void TestHostSettings::valuesAreTakenVerbatim()
{
    QFETCH(QString, value);
    TestProfile profile;
    profile.setValues({{Opt_AppPath, value}});
    HostSettings settings;
    settings.open();
    QCOMPARE(settings.readString(Opt_AppPath), value);
}

void TestHostSettings::lookup_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("name compares without case")
        << QByteArray("[TMainWindow]\nopt_apppath=/a/\n") << "/a/";
    QTest::newRow("section compares without case")
        << QByteArray("[tmainwindow]\nOpt_AppPath=/a/\n") << "/a/";
    QTest::newRow("blanks around the name")
        << QByteArray("[TMainWindow]\n  Opt_AppPath =/a/\n") << "/a/";
    QTest::newRow("CR LF file") << QByteArray("[TMainWindow]\r\nOpt_AppPath=/a/\r\n") << "/a/";
    QTest::newRow("UTF-8 mark at the start")
        << QByteArray("\xEF\xBB\xBF[TMainWindow]\nOpt_AppPath=/a/") << "/a/";
    QTest::newRow("other section ignored")
        << QByteArray("[Other]\nOpt_AppPath=/b/\n[TMainWindow]\n") << "";
    QTest::newRow("before any section ignored") << QByteArray("Opt_AppPath=/b/\n") << "";
    QTest::newRow("missing value is empty") << QByteArray("[TMainWindow]\nOpt_Other=/b/\n") << "";
    QTest::newRow("later line wins")
        << QByteArray("[TMainWindow]\nOpt_AppPath=/a/\nOpt_AppPath=/b/\n") << "/b/";
    QTest::newRow("prefix of a name does not match")
        << QByteArray("[TMainWindow]\nOpt_AppPathX=/b/\n") << "";
}

void TestHostSettings::lookup()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    TestProfile profile;
    profile.setSettingsText(file);
    HostSettings settings;
    settings.open();
    QCOMPARE(settings.readString(Opt_AppPath), expected);
}

// Either was once read as another path than the one the bytes name, and a reset wrote that one.
void TestHostSettings::valueThatNamesNoFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("why");
    QTest::newRow("a NUL") << QByteArray("/tmp/a\0b.cfg", 12) << "NUL character";
    QTest::newRow("bytes that are not UTF-8") << QByteArray("/tmp/m\xE9.cfg") << "not UTF-8";
}

void TestHostSettings::valueThatNamesNoFileIsRefused()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, why);
    TestProfile profile;
    // A genuine U+FFFD elsewhere once let a value that is not UTF-8 through.
    profile.setSettingsText("[TMainWindow]\nOpt_MIMEPraserCFG=/tmp/\xEF\xBF\xBD.cfg\nOpt_AppPath=" +
                            value + "\n");
    HostSettings settings;
    settings.open();
    QString refusal;
    try {
        settings.readString(Opt_AppPath);
    } catch (const AppError& error) {
        refusal = error.message();
    }
    QVERIFY2(refusal.contains(why) && refusal.contains(Opt_AppPath), qPrintable(refusal));
}

void TestHostSettings::openCreatesAnEmptyFileWhenMissing()
{
    TestProfile profile;
    HostSettings settings;
    QVERIFY(!QFileInfo::exists(profile.settingsFile()));
    settings.open();
    QCOMPARE(fileBytes(profile.settingsFile()), QByteArray());
    QCOMPARE(settings.readString(Opt_HTMLToolbarCFG), QString());
}

void TestHostSettings::openKeepsAnExistingFile()
{
    TestProfile profile;
    profile.setValues({{Opt_MIMEPraserCFG, QStringLiteral("/m.cfg")}});
    const QByteArray before = fileBytes(profile.settingsFile());
    HostSettings settings;
    settings.open();
    QCOMPARE(fileBytes(profile.settingsFile()), before);
}

void TestHostSettings::changedValueIsSeenAtTheNextRead()
{
    TestProfile profile;
    profile.setValues({{Opt_HTMLToolbarCFG, QStringLiteral("/old.cfg")}});
    HostSettings settings;
    settings.open();
    QCOMPARE(settings.readString(Opt_HTMLToolbarCFG), QStringLiteral("/old.cfg"));
    profile.setValues({{Opt_HTMLToolbarCFG, QStringLiteral("/new.cfg")}});
    QCOMPARE(settings.readString(Opt_HTMLToolbarCFG), QStringLiteral("/new.cfg"));
}

// Each once read as a file without values, and every editor said that no file name was set.
void TestHostSettings::unusableSettingsFileSaysWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");

    QTest::newRow("missing") << "missing" << "it does not exist";
    QTest::newRow("a folder") << "folder" << "it is not a regular file";
    QTest::newRow("a fifo that would block") << "fifo" << "it is not a regular file";
    QTest::newRow("a link to an endless device") << "device" << "it is not a regular file";
    QTest::newRow("larger than any settings file") << "huge" << "it is larger than 1 MiB";
    QTest::newRow("UTF-16") << "UTF-16" << "it is UTF-16 text";
}

void TestHostSettings::unusableSettingsFileSaysWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    TestProfile profile;
    const QString path = profile.settingsFile();
    QDir().mkpath(QFileInfo(path).path());
    if (kind == QLatin1String("folder"))
        QDir().mkpath(path);
    else if (kind == QLatin1String("fifo"))
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("huge"))
        writeBytes(path, "[TMainWindow]\nOpt_AppPath=/a/\n" + QByteArray(2 << 20, ' '));
    else if (kind == QLatin1String("UTF-16"))
        writeBytes(path, QByteArray("\xFF\xFE[\0T\0M\0]\0\n\0", 12));
    const HostSettings settings;
    QString refusal;
    try {
        settings.readString(Opt_AppPath);
    } catch (const AppError& error) {
        refusal = error.message();
    }
    QCOMPARE(settings.problem(), refusal);
    QVERIFY2(refusal.contains(why) && refusal.contains(QDir::toNativeSeparators(path)) &&
                 refusal.contains(QLatin1String("README")),
             qPrintable(refusal));
}

// With neither set, Qt's settings folder is "/.config", shared by every user.
void TestHostSettings::noHomeCreatesNothing()
{
    const bool existed = QFileInfo::exists(QStringLiteral("/.config"));
    const QByteArray home = qgetenv("HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    QString message;
    try {
        HostSettings().open();
    } catch (const AppError& error) {
        message = error.message();
    }
    QWidget window;
    PlacementStore(&window, QStringLiteral("TMainWindow"), PlacementStore::Keeps::PositionAndState)
        .savePlacement();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", configHome);
    QVERIFY2(message.contains(QLatin1String("$HOME/.config/TarvelSoftware/Tarvel Halvex.conf")),
             qPrintable(message));
    QCOMPARE(QFileInfo::exists(QStringLiteral("/.config")), existed);
}

HALVEX_TEST_MAIN(TestHostSettings)
#include "tst_HostSettings.moc"
