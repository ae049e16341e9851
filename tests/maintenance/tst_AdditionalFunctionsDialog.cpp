#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "common/Modal.h"
#include "maintenance/AdditionalFunctionsDialog.h"
#include "maintenance/DefaultLines.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

const char* resetButton(HostFile file)
{
    switch (file) {
    case HostFile::Toolbar:
        return "resetToolbarButton";
    case HostFile::Procedures:
        return "resetProceduresButton";
    default:
        return "resetMimeTypesButton";
    }
}

QByteArray defaultBytes(HostFile file)
{
    return joinLineFile(defaultLines(file), QString());
}

} // namespace

class TestAdditionalFunctionsDialog : public QObject
{
    Q_OBJECT

private slots:
    void resetAsksThenWritesTheDefaults_data();
    void resetAsksThenWritesTheDefaults();
    void proceduresFileNameIsGluedToTheFolder();
    void pathIsTakenBeforeTheQuestion();
    void refusedResetKeepsFileAndWindow_data();
    void refusedResetKeepsFileAndWindow();
    void aboutBoxOpensAndIgnoresEsc();
    void closeAndEscClose_data();
    void closeAndEscClose();
};

void TestAdditionalFunctionsDialog::resetAsksThenWritesTheDefaults_data()
{
    QTest::addColumn<HostFile>("file");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("existing"); // else missing
    QTest::addColumn<bool>("yes");

    const std::pair<HostFile, const char*> files[] = {
        {HostFile::Toolbar, "Reset HTML toolbar?"},
        {HostFile::Procedures, "Reset standard procedures panel?"},
        {HostFile::MimeTypes, "Reset MIME types?"}};
    for (const auto& [file, question] : files) {
        const QString name = hostFileTitle(file);
        for (const bool existing : {true, false}) {
            for (const bool yes : {true, false})
                QTest::addRow("%s, %s, %s", qPrintable(name),
                              existing ? "a larger file" : "missing", yes ? "Yes" : "No")
                    << file << question << existing << yes;
        }
    }
}

// Yes replaces the whole file with the defaults; No leaves it as it was, or missing. The window
// stays open for the next reset.
void TestAdditionalFunctionsDialog::resetAsksThenWritesTheDefaults()
{
    QFETCH(HostFile, file);
    QFETCH(QString, question);
    QFETCH(bool, existing);
    QFETCH(bool, yes);
    TestHost host;
    const QByteArray larger = QByteArray("old line\r\n").repeated(500);
    if (existing)
        host.write(file, larger);
    DialogAnswerer answerer;
    AdditionalFunctionsDialog dialog(nullptr, host.options);
    bool stayedOpen = false;
    answerer.expect([&](QDialog& window) {
        click(window, resetButton(file));
        stayedOpen = window.isVisible();
        click(window, "closeButton");
    });
    answerer.expectMessage(yes ? QMessageBox::Yes : QMessageBox::No);
    Modal::exec(dialog);
    QVERIFY(stayedOpen);
    QCOMPARE(answerer.messages(), QStringList{question});
    QCOMPARE(host.bytes(file), yes ? defaultBytes(file) : existing ? larger : "<no file>");
}

// The host glues the file name to its folder as it stands, without a separator.
void TestAdditionalFunctionsDialog::proceduresFileNameIsGluedToTheFolder()
{
    TestHost host;
    host.options.values[Opt_AppPath] = host.profile.hostPath(QStringLiteral("Hôst"));
    DialogAnswerer answerer;
    AdditionalFunctionsDialog dialog(nullptr, host.options);
    answerer.expectMessage(QMessageBox::Yes);
    click(dialog, "resetProceduresButton");
    QCOMPARE(fileBytes(host.profile.hostPath(QStringLiteral("HôstCstProcs.dat"))),
             defaultBytes(HostFile::Procedures));
}

// The file written is the one named when the button was clicked, whatever the settings name
// while the question is open.
void TestAdditionalFunctionsDialog::pathIsTakenBeforeTheQuestion()
{
    TestHost host;
    const QString first = host.path(HostFile::MimeTypes);
    const QString second = host.profile.hostPath(QStringLiteral("changed.cfg"));
    DialogAnswerer answerer;
    AdditionalFunctionsDialog dialog(nullptr, host.options);
    answerer.expect([&](QDialog& box) {
        host.options.values[Opt_MIMEPraserCFG] = second;
        pressButton(box, QMessageBox::Yes);
    });
    click(dialog, "resetMimeTypesButton");
    QCOMPARE(fileBytes(first), defaultBytes(HostFile::MimeTypes));
    QVERIFY(!QFile::exists(second));
}

void TestAdditionalFunctionsDialog::refusedResetKeepsFileAndWindow_data()
{
    QTest::addColumn<QString>("named"); // by the MIME types setting
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("cause");

    QTest::newRow("another of the host's files: refused after Yes")
        << "HTML toolbar.cfg" << true << "Nothing was written.";
    QTest::newRow("a missing folder: refused after Yes")
        << "missing/mime.cfg" << true << "No such file";
}

void TestAdditionalFunctionsDialog::refusedResetKeepsFileAndWindow()
{
    QFETCH(QString, named);
    QFETCH(bool, asked);
    QFETCH(QString, cause);
    TestHost host;
    host.write(HostFile::Toolbar, "TOOL\r\n");
    const QString path = host.profile.hostPath(named);
    host.options.values[Opt_MIMEPraserCFG] = path;
    const QByteArray before = fileBytes(path);
    DialogAnswerer answerer;
    AdditionalFunctionsDialog dialog(nullptr, host.options);
    bool stayedOpen = false;
    answerer.expect([&](QDialog& window) {
        click(window, "resetMimeTypesButton");
        stayedOpen = window.isVisible();
        click(window, "closeButton");
    });
    if (asked)
        answerer.expectMessage(QMessageBox::Yes);
    answerer.expectMessage();
    Modal::exec(dialog);
    QVERIFY(stayedOpen);
    QCOMPARE(answerer.messages().size(), asked ? 2 : 1);
    const QString error = answerer.messages().constLast();
    QVERIFY2(error.contains(cause) && error.contains(QDir::toNativeSeparators(path)),
             qPrintable(error));
    QCOMPARE(fileBytes(path), before);
}

// The about box has no Cancel: Esc leaves it open, and only OK (or Enter) closes it.
void TestAdditionalFunctionsDialog::aboutBoxOpensAndIgnoresEsc()
{
    TestHost host;
    DialogAnswerer answerer;
    AdditionalFunctionsDialog dialog(nullptr, host.options);
    bool escapeIgnored = false;
    answerer.expect([&](QDialog& about) {
        QCOMPARE(about.objectName(), QStringLiteral("AboutDialog"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(control<QLabel>(about, "productNameLabel")->text(),
                 QStringLiteral("Tarvel Halvex configuration editor"));
        QCOMPARE(control<QLabel>(about, "versionLabel")->text(),
                 QStringLiteral("Version 1.0 (for Halvex 1.5)"));
        QTest::keyClick(&about, Qt::Key_Escape);
        escapeIgnored = about.isVisible();
        QTest::keyClick(&about, Qt::Key_Return);
    });
    click(dialog, "aboutButton");
    QVERIFY(escapeIgnored);
}

void TestAdditionalFunctionsDialog::closeAndEscClose_data()
{
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("Close") << false;
    QTest::newRow("Esc") << true;
}

void TestAdditionalFunctionsDialog::closeAndEscClose()
{
    QFETCH(bool, byEsc);
    TestHost host;
    DialogAnswerer answerer;
    AdditionalFunctionsDialog dialog(nullptr, host.options);
    answerer.expect([&](QDialog& window) {
        if (byEsc)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            click(window, "closeButton");
    });
    QCOMPARE(Modal::exec(dialog), int(QDialog::Rejected));
}

HALVEX_TEST_MAIN(TestAdditionalFunctionsDialog)
#include "tst_AdditionalFunctionsDialog.moc"
