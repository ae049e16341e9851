#include "platform/AppError.h"
#include "platform/ExternalProgram.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The system's opener is replaced by a script on PATH that fails or succeeds as told: its
// failure was once ignored, and the user told to update images that no program had opened.
class TestExternalProgram : public QObject
{
    Q_OBJECT

private slots:
    void openReportsWhatTheOpenerSaid_data();
    void openReportsWhatTheOpenerSaid();
};

void TestExternalProgram::openReportsWhatTheOpenerSaid_data()
{
    QTest::addColumn<QByteArray>("opener"); // the script's body; none: no opener at all
    QTest::addColumn<QString>("error");     // expected in the message; none: opened

    QTest::newRow("opened") << QByteArray("exit 0") << "";
    QTest::newRow("no program for the type")
        << QByteArray("echo 'xdg-open: no method available for opening' >&2; exit 3")
        << "no method available";
    QTest::newRow("no opener installed") << QByteArray() << "xdg-open";
}

void TestExternalProgram::openReportsWhatTheOpenerSaid()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("the system's opener is xdg-open only on freedesktop systems");
#endif
    QFETCH(QByteArray, opener);
    QFETCH(QString, error);
    QTemporaryDir bin;
    if (!opener.isEmpty()) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + opener + '\n');
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    const QString strip = QStringLiteral("/tmp/strip <b>.bmp");
    QString message;
    try {
        ExternalProgram::open(strip);
    } catch (const AppError& failure) {
        message = failure.message();
    }
    qputenv("PATH", path);
    if (error.isEmpty()) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
    } else {
        QVERIFY2(message.contains(error) && message.contains(strip), qPrintable(message));
    }
}

QTEST_GUILESS_MAIN(TestExternalProgram)
#include "tst_ExternalProgram.moc"
