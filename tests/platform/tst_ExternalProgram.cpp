#include "platform/AppError.h"
#include "platform/ExternalProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// The system's opener is replaced by a script on PATH that fails or succeeds as told, and notes
// what it was given: its failure was once ignored, and the user told to update images that no
// program had opened; the setting was once handed on as it stood, so that a web address opened a
// browser and a name beginning with "-" would have been read as an option.
class TestExternalProgram : public QObject
{
    Q_OBJECT

private slots:
    void openReportsWhatTheOpenerSaid_data();
    void openReportsWhatTheOpenerSaid();
};

void TestExternalProgram::openReportsWhatTheOpenerSaid_data()
{
    QTest::addColumn<QString>("strip");     // a file name in the test's folder, or a setting
    QTest::addColumn<QByteArray>("opener"); // the script's body; none: no opener at all
    QTest::addColumn<QString>("error");     // expected in the message; none: opened

    const QByteArray opens = "exit 0";
    QTest::newRow("opened, as a file URL") << "strip <b>.bmp" << opens << "";
    QTest::newRow("a name that begins with -") << "-strip.bmp" << opens << "";
    QTest::newRow("no program for the type")
        << "strip.bmp"
        << QByteArray("echo 'xdg-open: no method available for opening' >&2; exit 3")
        << "no method available";
    QTest::newRow("no opener installed") << "strip.bmp" << QByteArray() << "xdg-open";
    QTest::newRow("a web address is not opened")
        << "setting:http://x.example/strip.bmp" << opens << "not a full path";
    QTest::newRow("a missing file is not opened") << "gone.bmp" << opens << "does not exist";
    QTest::newRow("a folder is not opened") << "folder" << opens << "not a regular file";
    QTest::newRow("no setting") << "setting:" << opens << "no file name";
}

void TestExternalProgram::openReportsWhatTheOpenerSaid()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("the system's opener is xdg-open only on freedesktop systems");
#endif
    QFETCH(QString, strip);
    QFETCH(QByteArray, opener);
    QFETCH(QString, error);
    QTemporaryDir bin;
    const QString given = bin.filePath(QStringLiteral("given"));
    if (!opener.isEmpty()) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + QFile::encodeName(given) + "'\n" +
                     opener + '\n');
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QVERIFY(QDir(bin.path()).mkdir(QStringLiteral("folder")));
    const bool setting = strip.startsWith(QLatin1String("setting:"));
    const QString path = setting ? strip.mid(8) : bin.filePath(strip);
    if (!setting && strip.endsWith(QLatin1String(".bmp")) && strip != QLatin1String("gone.bmp"))
        QFile(path).open(QIODevice::WriteOnly);
    const QByteArray searched = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    QString message;
    try {
        ExternalProgram::open(path);
    } catch (const AppError& failure) {
        message = failure.message();
    }
    qputenv("PATH", searched);
    if (!error.isEmpty()) {
        QVERIFY2(message.contains(error), qPrintable(message));
        // A setting refused never reaches the opener.
        const bool refused = !error.contains(QLatin1String("method")) &&
                             !error.contains(QLatin1String("xdg-open"));
        QVERIFY(!refused || !QFile::exists(given));
        return;
    }
    QVERIFY2(message.isEmpty(), qPrintable(message));
    QFile note(given);
    QVERIFY(note.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(note.readAll()), QUrl::fromLocalFile(path).toString());
}

QTEST_GUILESS_MAIN(TestExternalProgram)
#include "tst_ExternalProgram.moc"
