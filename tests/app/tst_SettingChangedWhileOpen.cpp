#include "common/Form.h"
#include "maintenance/DefaultLines.h"
#include "mime/MimeTypesEditorWindowUnit.h"
#include "procedures/ProcsFile.h"
#include "procedures/ProceduresEditorWindowUnit.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "toolbar/ToolbarEditorWindowUnit.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

// The host names another file while an editor is open: OK writes to that file, as it reads the
// setting afresh, but asks first when that file exists, since the editor never read it.
class TestSettingChangedWhileOpen : public QObject
{
    Q_OBJECT

private slots:
    void otherExistingFileIsReplacedOnlyAfterAsking_data();
    void otherExistingFileIsReplacedOnlyAfterAsking();
};

void TestSettingChangedWhileOpen::otherExistingFileIsReplacedOnlyAfterAsking_data()
{
    QTest::addColumn<int>("editor");
    QTest::addColumn<bool>("otherExists");
    QTest::addColumn<int>("answer"); // 0: no question expected

    const char* names[] = {"toolbar", "procedures", "MIME types"};
    for (int editor = 0; editor < 3; ++editor) {
        const QByteArray name = names[editor];
        QTest::newRow(name + ": other file, No keeps it") << editor << true << int(QMessageBox::No);
        QTest::newRow(name + ": other file, Yes replaces it")
            << editor << true << int(QMessageBox::Yes);
        QTest::newRow(name + ": no other file, created at once") << editor << false << 0;
    }
}

void TestSettingChangedWhileOpen::otherExistingFileIsReplacedOnlyAfterAsking()
{
    QFETCH(int, editor);
    QFETCH(bool, otherExists);
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
    writeBytes(first + fileName, joinLineFile(lines[editor], {}));
    if (otherExists)
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
    window->create();
    DialogAnswerer answerer;
    bool stayedOpen = false;
    answerer.expect([&](QDialog& shown) {
        options.values[settings[editor]] = editor == 1 ? second : second + fileName;
        shown.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        stayedOpen = shown.isVisible();
        shown.reject();
    });
    if (answer)
        answerer.expectMessage(QMessageBox::StandardButton(answer));
    Modal::exec(*window);

    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
    const bool kept = answer == QMessageBox::No;
    QCOMPARE(stayedOpen, kept);
    // The procedures editor writes a code line after every procedure.
    const QStringList written =
        editor == 1 ? procsLines(parseProcsLines(lines[editor], {}).model) : lines[editor];
    QCOMPARE(fileBytes(second + fileName),
             kept ? QByteArray("other\r\n") : joinLineFile(written, {}));
    QCOMPARE(fileBytes(first + fileName), joinLineFile(lines[editor], {}));
}

HALVEX_TEST_MAIN(TestSettingChangedWhileOpen)
#include "tst_SettingChangedWhileOpen.moc"
