#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "platform/WholeFile.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <unistd.h>

// Kills the program with SIGKILL at random moments while it saves a large file, again and
// again: the file must always hold the old bytes or the new ones, whole. A file with a second
// name is written in place: cut short, it may hold a part, but then the copy of what it held
// before is on the disk beside it, and the next editor puts it back.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOldOrNewFile_data();
    void killedSaveLeavesOldOrNewFile();
};

namespace {

bool waitForNewCopy(const QString& path, const QStringList& before)
{
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        for (const QString& copy : WholeFile::leftCopies(path)) {
            if (!before.contains(copy))
                return true;
        }
    }
    return false;
}

} // namespace

void TestCrashSafety::killedSaveLeavesOldOrNewFile_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("replaced through a new file") << false;
    QTest::newRow("written in place, the file having a second name") << true;
}

void TestCrashSafety::killedSaveLeavesOldOrNewFile()
{
    QFETCH(bool, inPlace);
    TestProfile profile;
    const QString path = profile.hostPath(QStringLiteral("MIME types.cfg"));
    profile.setValues({{Opt_MIMEPraserCFG, path}});
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines << QStringLiteral("TYPE/%1").arg(i) << QStringLiteral(".s%1").arg(i);
    const QByteArray without = joinLineFile(lines, path);
    const QByteArray with = joinLineFile(lines + QStringList{"X/KILL", ".kill"}, path);
    writeBytes(path, without);
    if (inPlace)
        QCOMPARE(::link(QFile::encodeName(path).constData(),
                        QFile::encodeName(path + QStringLiteral(" 2")).constData()),
                 0);

    QRandomGenerator random(20261207);
    const int runs = 40;
    int killedWhileSaving = 0;
    int copiesFound = 0;
    for (int run = 0; run < runs; ++run) {
        const QStringList copiesBefore = WholeFile::leftCopies(path);
        QProcess child;
        child.setProgram(QStringLiteral(HALVEX_SAVE_LOOP));
        child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        child.start();
        QVERIFY(child.waitForStarted());
        // The kill follows the child's own word that a save began, a little later each time,
        // so that it lands in every part of the save whatever the machine's speed.
        const int saves = 1 + int(random.bounded(3));
        QByteArray said;
        while (said.count("saving\n") < saves) {
            QVERIFY2(child.waitForReadyRead(30000) || child.bytesAvailable(),
                     "the child is silent");
            said += child.readAllStandardOutput();
        }
        // A write in place is a short moment in a save: the kill follows the copy of the old
        // content, which is on the disk before the first byte of the file is overwritten.
        if (inPlace)
            QVERIFY2(waitForNewCopy(path, copiesBefore),
                     "no copy of the old content appeared while the file was written in place");
        QThread::usleep(random.bounded(inPlace ? 3000 : 30000));
        said += child.readAllStandardOutput();
        killedWhileSaving += said.endsWith("saving\n");
        child.kill();
        QVERIFY(child.waitForFinished());
        const QByteArray bytes = fileBytes(path);
        const QStringList copies = WholeFile::leftCopies(path);
        if (!copies.isEmpty()) {
            const QByteArray copy = fileBytes(copies.first());
            QVERIFY2(copy == without || copy == with, "the copy of the old content is not whole");
            ++copiesFound;
        }
        QVERIFY2(bytes == without || bytes == with || !copies.isEmpty(),
                 qPrintable(QStringLiteral("run %1: %2 bytes, neither old nor new, and no copy")
                                .arg(run)
                                .arg(bytes.size())));
    }
    qInfo("%d of %d kills came while a save ran; %d left a copy of the old content",
          killedWhileSaving, runs, copiesFound);
    if (inPlace)
        QVERIFY2(copiesFound > 0, "no kill came while the copy of the old content was on disk");
}

HALVEX_TEST_MAIN(TestCrashSafety)
#include "tst_CrashSafety.moc"
