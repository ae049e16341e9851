#include "common/HostOptions.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QProcess>

// An editor opened on a file too large for the memory it may take. Running out once left an
// empty view that counted as the whole file, and OK then wrote the file empty without asking.
class TestMemoryLimit : public QObject
{
    Q_OBJECT

private slots:
    void fileTooLargeForMemoryIsNeitherShownNorLost_data();
    void fileTooLargeForMemoryIsNeitherShownNorLost();
    void pasteTooLargeForMemoryChangesNothing();
};

void TestMemoryLimit::fileTooLargeForMemoryIsNeitherShownNorLost_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("line"); // repeated after the first to fill 64 MiB

    QTest::newRow("MIME types: empty lines")
        << "mime" << Opt_MIMEPraserCFG << QByteArray() << QByteArray("\r\n");
    QTest::newRow("toolbar: empty categories")
        << "toolbar" << Opt_HTMLToolbarCFG << QByteArray() << QByteArray("2:0:\r\n");
    QTest::newRow("procedures: empty procedures")
        << "procedures" << Opt_AppPath << QByteArray("SECTION_0\r\n") << QByteArray("\r\n");
}

void TestMemoryLimit::fileTooLargeForMemoryIsNeitherShownNorLost()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than the limit allows");
#endif
    QFETCH(QString, editor);
    QFETCH(QString, option);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, line);
    TestProfile profile;
    // The procedures file is named by its folder.
    const bool byFolder = option == Opt_AppPath;
    const QString path =
        profile.hostPath(byFolder ? QStringLiteral("CstProcs.dat") : QStringLiteral("large.cfg"));
    profile.setValues({{option, byFolder ? profile.hostPath(QString()) : path}});
    const QByteArray file = first + line.repeated((qsizetype(64) << 20) / line.size());
    writeBytes(path, file);

    // Room for the program, far from enough for the file's document.
    const QString limitMiB = QStringLiteral("512");
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    child.start(QStringLiteral(HALVEX_OPEN_LIMITED), {editor, limitMiB});
    QVERIFY(child.waitForFinished(120000));
    const QStringList said = QString::fromLocal8Bit(child.readAllStandardOutput())
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QString told = said.join(QLatin1Char('\n'));
    const QStringList aboutFile = said.filter(path); // not the boxes about the image strip
    QVERIFY2(aboutFile.size() == 2 && said.contains(QStringLiteral("rows: 0")) &&
                 said.constLast() == QLatin1String("closed"),
             qPrintable(told));
    QVERIFY2(
        aboutFile[0].startsWith(QStringLiteral("box: Cannot read \"%1\": the file is too large "
                                               "for the memory available.")
                                    .arg(path)),
        qPrintable(told));
    QVERIFY2(aboutFile[1].contains(u"could not be read whole"), qPrintable(told)); // answered No
    QVERIFY(fileBytes(path) == file);
}

// A paste that ran out of memory once left rows in the document that Undo could not take back,
// said "Unexpected error: std::bad_alloc", or ended the program inside the view.
void TestMemoryLimit::pasteTooLargeForMemoryChangesNothing()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than the limit allows");
#endif
    TestProfile profile;
    const QString path = profile.hostPath(QStringLiteral("mime.cfg"));
    profile.setValues({{Opt_MIMEPraserCFG, path}});
    writeBytes(path, "A/B\r\n.b\r\n");
    QProcess child;
    child.start(QStringLiteral(HALVEX_OPEN_LIMITED),
                {QStringLiteral("mime"), QStringLiteral("512"), QStringLiteral("100")});
    QVERIFY(child.waitForFinished(120000));
    const QString told = QString::fromLocal8Bit(child.readAllStandardOutput());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(told.contains(QLatin1String("box: Cannot paste: what the clipboard holds is too large "
                                         "for the memory available. Nothing was pasted.")) &&
                 told.contains(QLatin1String("rows: 1\nsteps: 0\n")) &&
                 told.endsWith(QLatin1String("closed\n")),
             qPrintable(told));
    QCOMPARE(fileBytes(path), QByteArray("A/B\r\n.b\r\n"));
}

HALVEX_TEST_MAIN(TestMemoryLimit)
#include "tst_MemoryLimit.moc"
