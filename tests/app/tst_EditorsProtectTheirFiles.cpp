#include "common/LineFile.h"
#include "common/Modal.h"
#include "maintenance/DefaultLines.h"
#include "mime/MimeTypesEditor.h"
#include "procedures/ProceduresDocument.h"
#include "procedures/ProceduresEditor.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/DocumentBytes.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/ToolbarEditor.h"

#include <QDir>
#include <QFileInfo>

// OK in each editor after the host's settings changed under it: they name another file, or
// another role's file. Each editor follows the setting of its own file, read anew at OK (the
// procedures editor a folder); the questions themselves are EditedFile's.
class TestEditorsProtectTheirFiles : public QObject
{
    Q_OBJECT

private slots:
    void okAsksOrRefuses_data();
    void okAsksOrRefuses();
};

void TestEditorsProtectTheirFiles::okAsksOrRefuses_data()
{
    QTest::addColumn<int>("editor");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("answer"); // 0: an error box instead of a question

    const char* names[] = {"toolbar", "procedures", "MIME types"};
    for (int editor = 0; editor < 3; ++editor) {
        QTest::addRow("%s, another file named, No keeps it", names[editor])
            << editor << "other file" << int(QMessageBox::No);
        QTest::addRow("%s, another file named, Yes replaces it", names[editor])
            << editor << "other file" << int(QMessageBox::Yes);
        QTest::addRow("%s, another role's file", names[editor]) << editor << "role clash" << 0;
    }
}

void TestEditorsProtectTheirFiles::okAsksOrRefuses()
{
    QFETCH(int, editor);
    QFETCH(QString, change);
    QFETCH(int, answer);
    const HostFile files[] = {HostFile::Toolbar, HostFile::Procedures, HostFile::MimeTypes};
    const QString settings[] = {Opt_HTMLToolbarCFG, Opt_AppPath, Opt_MIMEPraserCFG};
    const HostFile file = files[editor];
    const QString& setting = settings[editor];
    TestHost host;
    host.writeStrip(32);
    const QByteArray original = joinLineFile(defaultLines(file), {});
    host.write(file, original);
    // The same file name in another folder.
    const QString second = host.profile.hostPath(QStringLiteral("second/"));
    QDir().mkpath(second);
    const QString secondFile = second + QFileInfo(host.path(file)).fileName();
    writeBytes(secondFile, "other\r\n");

    std::unique_ptr<QDialog> window;
    if (editor == 0)
        window = std::make_unique<ToolbarEditor>(nullptr, host.options);
    else if (editor == 1)
        window = std::make_unique<ProceduresEditor>(nullptr, host.options);
    else
        window = std::make_unique<MimeTypesEditor>(nullptr, host.options);
    // Where the file is now, and what it must hold after OK.
    QString target = host.path(file);
    DialogAnswerer answerer;
    bool stayedOpen = false;
    answerer.expect([&](QDialog& shown) {
        if (change == QLatin1String("other file")) {
            host.options.values[setting] = editor == 1 ? second : secondFile;
            target = secondFile;
        } else {
            host.options.values[Opt_HTMLToolbarGlyphs] = target;
        }
        clickOk(shown);
        stayedOpen = shown.isVisible();
        shown.reject();
    });
    answerer.expectMessage(answer ? QMessageBox::StandardButton(answer) : QMessageBox::Ok);
    Modal::exec(*window);

    QVERIFY2(answerer.messages().value(0).contains(QDir::toNativeSeparators(target)),
             qPrintable(answerer.messages().value(0)));
    const bool replaced = answer == QMessageBox::Yes;
    QCOMPARE(stayedOpen, !replaced);
    // The procedures editor writes a code line after every procedure.
    const QByteArray written =
        editor == 1 ? writeProcedures(readProcedures(original, {}).document, {}) : original;
    QCOMPARE(fileBytes(target),
             replaced ? written : (change == QLatin1String("role clash") ? original : "other\r\n"));
}

HALVEX_TEST_MAIN(TestEditorsProtectTheirFiles)
#include "tst_EditorsProtectTheirFiles.moc"
