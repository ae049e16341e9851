#include "common/HostFiles.h"
#include "common/LineFile.h"
#include "maintenance/DefaultLines.h"
#include "support/CommandLineRun.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "tools/DemoProfile.h"

#include <QDir>
#include <QRegularExpression>

// The program run with options from a terminal that has no window system: what it prints, its
// exit status and the files' bytes afterwards.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void optionsPrintAndExit_data();
    void optionsPrintAndExit();
    void deadDisplayIsSaid();
    void unwrittenReportIsAStatusOfItsOwn();
};

namespace {

// The demo profile, spoilt as the row says.
QString spoil(const QString& folder, const QString& how)
{
    const QString files = folder + QStringLiteral("/Tarvel Halvex/");
    if (how == QLatin1String("bad line"))
        writeBytes(files + QStringLiteral("CstProcs.dat"), "SECTION_0\r\nA\r\nSECTION_x\r\n");
    if (how == QLatin1String("missing file"))
        QFile::remove(files + QStringLiteral("MIMETypes.cfg"));
    if (how == QLatin1String("changed files"))
        for (const char* name : {"HTMLToolbar.cfg", "CstProcs.dat", "MIMETypes.cfg"})
            writeBytes(files + QString::fromLatin1(name), "changed\r\n");
    if (how == QLatin1String("read-only file"))
        QFile::setPermissions(files + QStringLiteral("MIMETypes.cfg"), QFileDevice::ReadOwner);
    const QString settings = folder + QStringLiteral("/config/TarvelSoftware/Tarvel Halvex.conf");
    if (how == QLatin1String("bad toolbar setting"))
        writeBytes(settings, fileBytes(settings).replace("HTMLToolbar.cfg",
                                                         QByteArray("HTML\0Toolbar.cfg", 16)));
    if (how == QLatin1String("one file for two"))
        writeBytes(settings, fileBytes(settings).replace("MIMETypes.cfg", "HTMLToolbar.cfg"));
    if (how == QLatin1String("settings file a folder")) {
        QFile::remove(settings);
        QDir().mkpath(settings);
    }
    if (how == QLatin1String("relative MIME setting"))
        writeBytes(settings, fileBytes(settings) + "Opt_MIMEPraserCFG=mime.cfg\n");
    if (how == QLatin1String("fields after the last"))
        writeBytes(files + QStringLiteral("HTMLToolbar.cfg"), "2:0:Cat:comment\r\n");
    if (how == QLatin1String("copy left by a cut save"))
        writeBytes(files + QStringLiteral("MIMETypes.cfg.halvex-backup-Ab12Cd"), "A/B\r\n.b\r\n");
    if (how == QLatin1String("cut strip"))
        writeBytes(files + QStringLiteral("HTMLToolbar.bmp"),
                   fileBytes(files + QStringLiteral("HTMLToolbar.bmp")).first(3000));
    if (how == QLatin1String("MIME setting ending in blanks"))
        writeBytes(settings, fileBytes(settings) + "Opt_MIMEPraserCFG=" + QFile::encodeName(files) +
                                 "gone/nothere.cfg   \n");
    if (how == QLatin1String("unpaired MIME line"))
        writeBytes(files + QStringLiteral("MIMETypes.cfg"), "TEXT/HTML\r\n.html\r\nTEXT/PLAIN\r\n");
    return files;
}

} // namespace

void TestCommandLine::optionsPrintAndExit_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("spoilt");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a pattern of the whole stdout
    QTest::addColumn<QString>("err"); // a pattern of the whole stderr

    const QString usage = QStringLiteral("[^\\n]*\\nUsage: halvex-config \\[options\\]\\n(.|\\n)*");
    QTest::newRow("help") << QStringList{"--help"} << "" << 0
                          << "Usage: halvex-config \\[options\\]\\n(.|\\n)*--reset "
                             "<toolbar\\|procedures\\|mime\\|all>(.|\\n)*"
                          << "";
    // Listed by --help, it once gave the usage and status 2.
    QTest::newRow("help-all, as help")
        << QStringList{"--help-all"} << "" << 0 << "Usage: halvex-config \\[options\\]\\n(.|\\n)*"
        << "";
    QTest::newRow("version") << QStringList{"-v"} << "" << 0 << "halvex-config 1\\.0\\n"
                             << "";
    QTest::newRow("unknown option: usage") << QStringList{"--bogus"} << "" << 2 << "" << usage;
    QTest::newRow("wrong value: usage")
        << QStringList{"--reset", "nothing"} << "" << 2 << "" << usage;
    // Only the last one was once done, with status 0.
    QTest::newRow("reset given twice: usage")
        << QStringList{"--reset", "mime", "--reset", "toolbar"} << "" << 2 << "" << usage;
    QTest::newRow("check of sound files")
        << QStringList{"--check"} << "" << 0 << "([^\\n]+\"[^\\n]+\": ok\\n){4}"
        << "";
    QTest::newRow("check: a bad line, named")
        << QStringList{"--check"} << "bad line" << 1
        << "(.|\\n)*Line 3 of \"[^\\n]*CstProcs.dat\": \"SECTION_x\" is not a valid section "
           "header(.|\\n)*"
        << "";
    QTest::newRow("check: a missing file")
        << QStringList{"--check"} << "missing file" << 1
        << "(.|\\n)*MIME types file \"[^\\n]*\": Cannot read [^\\n]*No such file(.|\\n)*"
        << "";
    // One setting that names no file once stopped every file's check.
    QTest::newRow("check: a bad setting, the others still checked")
        << QStringList{"--check"} << "bad toolbar setting" << 1
        << "HTML toolbar file: [^\\n]*NUL character[^\\n]*\\n([^\\n]+\": ok\\n){3}"
        << "";
    QTest::newRow("check: one file named for two")
        << QStringList{"--check"} << "one file for two" << 1
        << "(.|\\n)*name it as the HTML toolbar file too(.|\\n)*"
        << "";
    // It was once said four times, as "no file name is set in the host's settings".
    QTest::newRow("check: a settings file that cannot be used, said once")
        << QStringList{"--check"} << "settings file a folder" << 1
        << "The host's settings file \"[^\\n]*Tarvel Halvex.conf\" cannot be used: it is not a "
           "regular file\\. The README's[^\\n]*\\n"
        << "";
    QTest::newRow("check: a relative setting, named")
        << QStringList{"--check"} << "relative MIME setting" << 1
        << "(.|\\n)*MIME types file: The host's setting Opt_MIMEPraserCFG is \"mime.cfg\", which "
           "is not a full path(.|\\n)*"
        << "";
    // The file was once called sound, and OK wrote it without its last line.
    QTest::newRow("check: an unpaired last MIME line, named")
        << QStringList{"--check"} << "unpaired MIME line" << 1
        << "(.|\\n)*Line 3 of [^\\n]*: \"TEXT/PLAIN\" is a MIME type without the line of its "
           "suffix(.|\\n)*"
        << "";
    // Qt's own options once gave "Unknown options: s, t, y, l, e" and status 2.
    QTest::newRow("Qt's options ask for the windows")
        << QStringList{"-style", "Fusion", "-reverse"} << "" << 1 << ""
        << "No window system was found[^\\n]*\\n";
    QTest::newRow("Qt's options beside ours")
        << QStringList{"-platform", "offscreen", "--version"} << "" << 0 << "halvex-config 1\\.0\\n"
        << "";
    QTest::newRow("reset all: the three built-in files")
        << QStringList{"--reset", "all"} << "changed files" << 0
        << "(Wrote the built-in [^\\n]+ \\(\\d+ lines\\)\\.\\n){3}"
        << "";
    // OK once dropped this text without a word, and --check called the file sound.
    QTest::newRow("check: text the file cannot keep, listed")
        << QStringList{"--check"} << "fields after the last" << 0
        << "HTML toolbar file [^\\n]*: ok\\n  Line 1: \":comment\" is not kept\\.\\n([^\\n]+\": "
           "ok\\n){3}"
        << "";
    QTest::newRow("check: a copy left by a cut-short save, named")
        << QStringList{"--check"} << "copy left by a cut save" << 1
        << "(.|\\n)*MIME types file [^\\n]*: A save of this file was cut short, and a copy [^\\n]* "
           "kept at \"[^\\n]*MIMETypes.cfg.halvex-backup-Ab12Cd\"(.|\\n)*"
        << "";
    // A strip cut to a third was once called sound.
    QTest::newRow("check: a cut strip, named") << QStringList{"--check"} << "cut strip" << 1
                                               << "(.|\\n)*Image strip [^\\n]*: [^\\n]*the file is "
                                                  "cut short: it holds 3000 bytes, and its "
                                                  "header calls for \\d+\\.\\n(.|\\n)*"
                                               << "";
    // Blanks within a path were once made one.
    QTest::newRow("reset: a path ending in blanks, shown whole")
        << QStringList{"--reset", "mime"} << "MIME setting ending in blanks" << 1 << ""
        << "Cannot write \"[^\\n]*/gone/nothere.cfg   \": No such file or directory\\.\\n";
    QTest::newRow("reset of a read-only file: refused, kept")
        << QStringList{"--reset", "mime"} << "read-only file" << 1 << ""
        << "Cannot write [^\\n]*MIMETypes.cfg\": the file is read-only\\.\\n";
}

// A display that is set but does not answer once ended the program inside Qt (status 134).
void TestCommandLine::deadDisplayIsSaid()
{
    TestProfile profile;
    const CommandLineRun run = runCommandLine({}, profile.folder() + QStringLiteral("/config"),
                                              {}, {QStringLiteral("DISPLAY=:93")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.startsWith(QLatin1String("No window system was found")), qPrintable(run.err));
}

// A reset that was written once exited 1, which says that the file was left as it was, when only
// its report could not be written.
void TestCommandLine::unwrittenReportIsAStatusOfItsOwn()
{
    TestProfile profile;
    writeDemoProfile(profile.folder());
    const QString mime = profile.folder() + QStringLiteral("/Tarvel Halvex/MIMETypes.cfg");
    writeBytes(mime, "changed\r\n");
    const CommandLineRun run = runCommandLine({QStringLiteral("--reset"), QStringLiteral("mime")},
                                              profile.folder() + QStringLiteral("/config"), {}, {},
                                              QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.startsWith(QLatin1String("Cannot write the results")), qPrintable(run.err));
    QCOMPARE(fileBytes(mime), joinLineFile(defaultLines(HostFile::MimeTypes), mime));
}

void TestCommandLine::optionsPrintAndExit()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, spoilt);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TestProfile profile;
    writeDemoProfile(profile.folder());
    const QString files = spoil(profile.folder(), spoilt);
    const QByteArray mimeBefore = fileBytes(files + QStringLiteral("MIMETypes.cfg"));

    const CommandLineRun run =
        runCommandLine(arguments, profile.folder() + QStringLiteral("/config"));
    const auto whole = [](const QString& pattern) {
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
    };
    QVERIFY2(whole(out).match(run.out).hasMatch(), qPrintable(run.out));
    QVERIFY2(whole(err).match(run.err).hasMatch(), qPrintable(run.err));
    QCOMPARE(run.status, status);
    const QMap<QString, HostFile> written = {{"HTMLToolbar.cfg", HostFile::Toolbar},
                                             {"CstProcs.dat", HostFile::Procedures},
                                             {"MIMETypes.cfg", HostFile::MimeTypes}};
    for (auto file = written.cbegin();
         spoilt == QLatin1String("changed files") && file != written.cend(); ++file)
        QCOMPARE(fileBytes(files + file.key()), joinLineFile(defaultLines(file.value()), files));
    if (status == 1 && arguments.contains(QStringLiteral("mime")))
        QCOMPARE(fileBytes(files + QStringLiteral("MIMETypes.cfg")), mimeBefore);
}

HALVEX_TEST_MAIN(TestCommandLine)
#include "tst_CommandLine.moc"
