#include "common/EditedFile.h"
#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "platform/AppError.h"
#include "platform/PlacementStore.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <fcntl.h>
#include <sys/stat.h>
#include <utime.h>

namespace {

const QByteArray readBytes = "READ\r\n";
const QByteArray other = "OTHER\r\n";
const QByteArray ours = "OURS\r\n";

// The MIME types file of a private profile, read as an editor reads it, then the world changes
// as the row says before OK.
struct Situation
{
    TestProfile profile;
    FakeOptions options;
    QString first = profile.hostPath(QStringLiteral("first.cfg"));
    QString second = profile.hostPath(QStringLiteral("second.cfg"));
    QString third = profile.hostPath(QStringLiteral("third.cfg"));

    Situation() { options.values[Opt_MIMEPraserCFG] = first; }
    void name(const QString& path) { options.values[Opt_MIMEPraserCFG] = path; }
};

// Reads every line, as an editor's document does.
LineFileRead<int> readAll(LineSource& lines)
{
    LineFileRead<int> read;
    QByteArrayView line;
    while (lines.next(line))
        ++read.document;
    return read;
}

void writeOurs(LineSink& lines)
{
    lines.add("OURS");
    lines.endLine();
}

// Same size, same modification time: only the hash can tell.
void rewriteKeepingTime(const QString& path, const QByteArray& bytes)
{
    struct stat before;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &before) == 0);
    writeBytes(path, bytes);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

} // namespace

class TestEditedFile : public QObject
{
    Q_OBJECT

private slots:
    void okAsksWhatTheFileCallsFor_data();
    void okAsksWhatTheFileCallsFor();
    void pathAskedAboutIsThePathWritten();
    void resetRefusesAnotherRolesFile();
    void settingThatNamesNoFullPathNamesNoFile_data();
    void settingThatNamesNoFullPathNamesNoFile();
    void fileSwappedWhileAskingIsCheckedAgain();
};

void TestEditedFile::okAsksWhatTheFileCallsFor_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("answer");      // 0: no question may be named
    QTest::addColumn<QString>("asked");   // a part of the question, or of the error
    QTest::addColumn<QString>("written"); // the file that must hold our bytes; "" for none

    const auto both = [](const char* name, const char* asked, const char* written) {
        QTest::addRow("%s, Yes", name) << name << int(QMessageBox::Yes) << asked << written;
        QTest::addRow("%s, No", name) << name << int(QMessageBox::No) << asked << "";
    };
    QTest::newRow("read whole, unchanged: no question") << "unchanged" << 0 << ""
                                                        << "first";
    QTest::newRow("missing, still missing: created") << "missing" << 0 << ""
                                                     << "first";
    QTest::newRow("removed since it was read: written") << "removed" << 0 << ""
                                                        << "first";
    both("read in part", "could not be read whole", "first");
    both("setting names another file", "now name", "second");
    both("changed on disk", "was changed on disk", "first");
    both("changed on disk, same size and time", "was changed on disk", "first");
    // A question that cries wolf teaches Yes: the bytes alone tell a change.
    QTest::newRow("touched: no question") << "touched" << 0 << "" << "first";
    QTest::newRow("replaced by a copy of the same bytes: no question")
        << "replaced by another file" << 0 << "" << "first";
    both("created since it was found missing", "has been created since", "first");
    QTest::newRow("another role's file: refused") << "role clash" << 0 << "HTML toolbar file"
                                                  << "";
    // Compared as text, the link once passed, and the write went through it.
    QTest::newRow("missing, a link to another role's missing file: refused")
        << "missing, linked to another role's" << 0 << "HTML toolbar file"
        << "";
    QTest::newRow("the host's settings file: refused")
        << "settings file" << 0 << "the host's settings file"
        << "";
    // The positions were saved into it on closing, over what the user had kept there. The
    // role is checked once, at writing: the question about a file not read comes first.
    QTest::newRow("this program's file of window positions: refused after Yes")
        << "positions file" << int(QMessageBox::Yes) << "window positions"
        << "";
}

void TestEditedFile::okAsksWhatTheFileCallsFor()
{
    QFETCH(QString, situation);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(QString, written);
    Situation world;
    const bool missing = situation.contains(QLatin1String("missing"));
    if (!missing)
        writeBytes(world.first, situation == QLatin1String("read in part")
                                    ? QByteArray("R\0AD\r\n", 6)
                                    : readBytes);
    EditedFile file(HostFile::MimeTypes, world.options);
    try {
        file.read(readAll);
    } catch (const AppError&) {
        QVERIFY(missing);
    }

    if (situation == QLatin1String("removed"))
        QFile::remove(world.first);
    if (situation == QLatin1String("setting names another file")) {
        writeBytes(world.second, other);
        world.name(world.second);
    }
    if (situation == QLatin1String("changed on disk") ||
        situation == QLatin1String("created since it was found missing"))
        writeBytes(world.first, other);
    if (situation == QLatin1String("changed on disk, same size and time"))
        rewriteKeepingTime(world.first, "RAED\r\n");
    if (situation == QLatin1String("touched")) {
        const struct timespec times[2] = {{1000, 0}, {1000, 0}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(world.first).constData(), times, 0) == 0);
    }
    if (situation == QLatin1String("replaced by another file")) {
        writeBytes(world.second, readBytes);
        QFile::remove(world.first);
        QVERIFY(QFile::rename(world.second, world.first));
    }
    if (situation == QLatin1String("missing, linked to another role's")) {
        QVERIFY(QFile::link(world.third, world.first));
        world.options.values[Opt_HTMLToolbarCFG] = world.third;
    }
    if (situation == QLatin1String("role clash"))
        world.options.values[Opt_HTMLToolbarCFG] = world.first;
    if (situation == QLatin1String("settings file"))
        world.options.settingsFile = world.first;
    if (situation == QLatin1String("positions file")) {
        const QString positions = PlacementStore::placementFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(positions).path()));
        writeBytes(positions, readBytes);
        world.name(positions);
    }

    QString question;
    QString error;
    bool saved = false;
    try {
        const FileReplacement replacement = file.replacement();
        question = replacement.question();
        if (question.isEmpty() || answer == QMessageBox::Yes) {
            replacement.write(writeOurs);
            saved = true;
        }
    } catch (const AppError& refusal) {
        error = refusal.message();
    }
    QCOMPARE(saved, !written.isEmpty());
    if (answer)
        QVERIFY2(question.contains(asked) || error.contains(asked), qPrintable(question + error));
    else
        QVERIFY2(asked.isEmpty() ? error.isEmpty() && question.isEmpty() : error.contains(asked),
                 qPrintable(error + question));
    const QString target = written == QLatin1String("second") ? world.second : world.first;
    if (!written.isEmpty())
        QCOMPARE(fileBytes(target), ours);
    else
        QVERIFY(fileBytes(world.first) != ours && fileBytes(world.second) != ours);
}

// The host names another file while the question about the second one is open: Yes writes the
// file that the question named, never a third one.
void TestEditedFile::pathAskedAboutIsThePathWritten()
{
    Situation world;
    writeBytes(world.first, readBytes);
    EditedFile file(HostFile::MimeTypes, world.options);
    file.read(readAll);
    writeBytes(world.second, other);
    world.name(world.second);
    const FileReplacement replacement = file.replacement();
    QVERIFY(replacement.question().contains(QStringLiteral("now name")));
    world.name(world.third);
    replacement.write(writeOurs);
    QCOMPARE(fileBytes(world.second), ours);
    QVERIFY(!QFile::exists(world.third));
    QCOMPARE(fileBytes(world.first), readBytes);
}

void TestEditedFile::resetRefusesAnotherRolesFile()
{
    Situation world;
    world.options.values[Opt_AppPath] = world.profile.hostPath(QString());
    world.name(world.profile.hostPath(QStringLiteral("CstProcs.dat")));
    writeBytes(world.options.values[Opt_MIMEPraserCFG], readBytes);
    QVERIFY_THROWS_EXCEPTION(
        AppError, EditedFile::reset(HostFile::MimeTypes, world.options).write(writeOurs));
    QCOMPARE(fileBytes(world.options.values[Opt_MIMEPraserCFG]), readBytes);
}

// Without a folder there is no file, rather than one in whatever folder the program started in.
// Without a full path there is no file, rather than one in whatever folder the program started
// in: a reset once created "./mime.cfg" wherever the command ran.
void TestEditedFile::settingThatNamesNoFullPathNamesNoFile_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("named"); // in the refusal
    QTest::newRow("empty Opt_AppPath") << int(HostFile::Procedures) << Opt_AppPath << ""
                                       << "Opt_AppPath is empty";
    QTest::newRow("relative Opt_AppPath") << int(HostFile::Procedures) << Opt_AppPath << "host/"
                                          << "Opt_AppPath is \"host/\", which is not a full path";
    QTest::newRow("relative MIME types file")
        << int(HostFile::MimeTypes) << Opt_MIMEPraserCFG << "mime.cfg"
        << "Opt_MIMEPraserCFG is \"mime.cfg\", which is not a full path";
}

void TestEditedFile::settingThatNamesNoFullPathNamesNoFile()
{
    QFETCH(int, file);
    QFETCH(QString, setting);
    QFETCH(QString, value);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    FakeOptions options;
    options.values[setting] = value;
    QString refusal;
    try {
        EditedFile::reset(HostFile(file), options).write(writeOurs);
    } catch (const AppError& error) {
        refusal = error.message();
    }
    EditedFile edited(HostFile(file), options);
    QVERIFY_THROWS_EXCEPTION(AppError, edited.read(readAll));
    QDir::setCurrent(previous);
    QVERIFY2(refusal.contains(named), qPrintable(refusal));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// The file was swapped for a link to the host's settings file while the question about its
// change was open: Yes once wrote toolbar lines over every host path.
void TestEditedFile::fileSwappedWhileAskingIsCheckedAgain()
{
    Situation world;
    world.options.settingsFile = world.third;
    writeBytes(world.third, "[TMainWindow]\n");
    writeBytes(world.first, readBytes);
    EditedFile file(HostFile::MimeTypes, world.options);
    file.read(readAll);
    writeBytes(world.first, other);
    const FileReplacement replacement = file.replacement();
    QVERIFY(!replacement.question().isEmpty());
    QVERIFY(QFile::remove(world.first));
    QVERIFY(QFile::link(world.third, world.first));
    QString refusal;
    try {
        replacement.write(writeOurs);
    } catch (const AppError& error) {
        refusal = error.message();
    }
    QVERIFY2(refusal.contains(QLatin1String("the host's settings file")), qPrintable(refusal));
    QCOMPARE(fileBytes(world.third), QByteArray("[TMainWindow]\n"));
}

HALVEX_TEST_MAIN(TestEditedFile)
#include "tst_EditedFile.moc"
