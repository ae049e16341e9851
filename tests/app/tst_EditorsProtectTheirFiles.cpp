#include "common/Form.h"
#include "common/LineFile.h"
#include "maintenance/DefaultLines.h"
#include "mime/MimeTypesEditorWindowUnit.h"
#include "procedures/ProceduresDocument.h"
#include "procedures/ProceduresEditorWindowUnit.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "toolbar/ToolbarEditorWindowUnit.h"

#include <QDir>
#include <QTemporaryDir>

// OK in each editor, after the world changed under it: the host named another file, another
// program changed the file, or the setting names another role's file.
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
        for (const char* change : {"other file", "changed on disk"}) {
            QTest::addRow("%s, %s, No keeps it", names[editor], change)
                << editor << change << int(QMessageBox::No);
            QTest::addRow("%s, %s, Yes replaces it", names[editor], change)
                << editor << change << int(QMessageBox::Yes);
        }
        QTest::addRow("%s, another role's file", names[editor]) << editor << "role clash" << 0;
    }
}

void TestEditorsProtectTheirFiles::okAsksOrRefuses()
{
    QFETCH(int, editor);
    QFETCH(QString, change);
    QFETCH(int, answer);
    QTemporaryDir dir;
    const QStringList settings = {Opt_HTMLToolbarCFG, Opt_AppPath, Opt_MIMEPraserCFG};
    const QStringList lines[] = {defaultHTMLToolbarLines(), defaultCstProcsLines(),
                                 defaultMIMETypesLines()};
    const QString first = dir.path() + QStringLiteral("/first/");
    const QString second = dir.path() + QStringLiteral("/second/");
    QDir().mkpath(first);
    QDir().mkpath(second);
    const QString fileName = editor == 1 ? QStringLiteral("CstProcs.dat") : QStringLiteral("f.cfg");
    const QByteArray original = joinLineFile(lines[editor], {});
    writeBytes(first + fileName, original);
    writeBytes(second + fileName, "other\r\n");
    FakeOptions options;
    options.values[settings[editor]] = editor == 1 ? first : first + fileName;
    options.values[Opt_HTMLToolbarGlyphs] = dir.path() + QStringLiteral("/strip.png");
    QImage(32, 16, QImage::Format_RGB32).save(options.values[Opt_HTMLToolbarGlyphs]);

    std::unique_ptr<Form> window;
    if (editor == 0)
        window = std::make_unique<ToolbarEditorWindow>(nullptr, options);
    else if (editor == 1)
        window = std::make_unique<ProceduresEditorWindow>(nullptr, options);
    else
        window = std::make_unique<MimeTypesEditorWindow>(nullptr, options);
    window->runCreateHandler();
    // Where the file is now, and what it must hold after OK.
    QString target = first + fileName;
    DialogAnswerer answerer;
    bool stayedOpen = false;
    answerer.expect([&](QDialog& shown) {
        if (change == QLatin1String("other file")) {
            options.values[settings[editor]] = editor == 1 ? second : second + fileName;
            target = second + fileName;
        } else if (change == QLatin1String("changed on disk")) {
            writeBytes(target, "other\r\n");
        } else {
            options.values[Opt_HTMLToolbarGlyphs] = target;
        }
        click(shown, "btnOk");
        stayedOpen = shown.isVisible();
        shown.reject();
    });
    answerer.expectMessage(answer ? QMessageBox::StandardButton(answer) : QMessageBox::Ok);
    Modal::exec(*window);

    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
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
