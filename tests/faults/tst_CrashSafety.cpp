#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QProcess>
#include <QRandomGenerator>

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
    int killedAfterASave = 0;
    int killedWhileSaving = 0;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProgram(QStringLiteral(HALVEX_SAVE_LOOP));
        child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        child.start();
        QVERIFY(child.waitForStarted());
        QTest::qWait(150 + int(random.bounded(900)));
        const QByteArray said = child.readAllStandardOutput();
        killedAfterASave += said.contains("saved");
        killedWhileSaving += said.endsWith("saving\n");
        child.kill();
        QVERIFY(child.waitForFinished());
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes == without || bytes == with,
                 qPrintable(QStringLiteral("run %1: %2 bytes, neither old nor new")
                                .arg(run)
                                .arg(bytes.size())));
    }
    qInfo("%d of %d kills came after a finished save, %d while a save ran", killedAfterASave, runs,
          killedWhileSaving);
    QVERIFY(killedAfterASave > 0);
    QVERIFY(killedWhileSaving > 0);
}

HALVEX_TEST_MAIN(TestCrashSafety)
#include "tst_CrashSafety.moc"
