#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

// Kills the program with SIGKILL at random moments while it saves a large file, again and
// again: the file must always hold the old bytes or the new ones, whole.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOldOrNewFile();
};

void TestCrashSafety::killedSaveLeavesOldOrNewFile()
{
    TestProfile profile;
    const QString path = profile.hostPath(QStringLiteral("MIME types.cfg"));
    profile.setValues({{Opt_MIMEPraserCFG, path}});
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines << QStringLiteral("TYPE/%1").arg(i) << QStringLiteral(".s%1").arg(i);
    const QByteArray without = joinLineFile(lines, path);
    const QByteArray with = joinLineFile(lines + QStringList{"X/KILL", ".kill"}, path);
    writeBytes(path, without);

    QRandomGenerator random(20261207);
    const int runs = 40;
    int killedWhileSaving = 0;
    for (int run = 0; run < runs; ++run) {
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
        QThread::usleep(random.bounded(30000));
        said += child.readAllStandardOutput();
        killedWhileSaving += said.endsWith("saving\n");
        child.kill();
        QVERIFY(child.waitForFinished());
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes == without || bytes == with,
                 qPrintable(QStringLiteral("run %1: %2 bytes, neither old nor new")
                                .arg(run)
                                .arg(bytes.size())));
    }
    qInfo("%d of %d kills came while a save ran", killedWhileSaving, runs);
}

HALVEX_TEST_MAIN(TestCrashSafety)
#include "tst_CrashSafety.moc"
