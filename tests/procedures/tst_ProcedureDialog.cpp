#include "common/Modal.h"
#include "procedures/ProcedureDialog.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const Procedure heredoc(QStringLiteral("print <<EOF;"), QStringLiteral("print <<EOF;%2%1%2EOF"));

// "caption|code", or "-" for nothing.
QString described(const std::optional<Procedure>& procedure)
{
    return procedure ? procedure->caption() + QLatin1Char('|') + procedure->code()
                     : QStringLiteral("-");
}

} // namespace

class TestProcedureDialog : public QObject
{
    Q_OBJECT

private slots:
    void captions();
    void okRefusesCaptionsTheFileWouldMisread_data();
    void okRefusesCaptionsTheFileWouldMisread();
    void editGivesTheProcedureAndTheCodeAsTyped_data();
    void editGivesTheProcedureAndTheCodeAsTyped();
    void selectedTextMacro_data();
    void selectedTextMacro();
    void enterStartsALineAndTabLeavesTheCode_data();
    void enterStartsALineAndTabLeavesTheCode();
};

void TestProcedureDialog::captions()
{
    ProcedureDialog dialog(nullptr, heredoc);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Procedure properties"));
    const std::pair<const char*, const char*> captions[] = {
        {"captionLabel", "Caption"},
        {"codeLabel", "Code"},
        {"selectedTextButton", "Selected text"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(control(dialog, QString::fromLatin1(name))->property("text").toString(),
                 QString::fromLatin1(caption));
}

void TestProcedureDialog::okRefusesCaptionsTheFileWouldMisread_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    const QString hash = QStringLiteral("First char in caption can't be \"#\"");
    const QString section = QStringLiteral("Caption can't begin with \"SECTION_\"");
    const QString lineBreak = QStringLiteral("Caption can't hold a line break");
    QTest::newRow("# first: a code line") << "#x" << hash;
    QTest::newRow("# alone") << "#" << hash;
    QTest::newRow("# elsewhere: accepted") << "a#b" << "";
    QTest::newRow("blank then #: accepted") << " #" << "";
    QTest::newRow("empty: accepted") << "" << "";
    QTest::newRow("SECTION_ and a digit: a header") << "SECTION_1" << section;
    QTest::newRow("SECTION_ alone") << "SECTION_" << section;
    QTest::newRow("lower case section_: accepted") << "section_1" << "";
    QTest::newRow("SECTION_ later: accepted") << "x SECTION_1" << "";
    QTest::newRow("SECTION without underscore: accepted") << "SECTION1" << "";
    QTest::newRow("pasted LF") << "a\nb" << lineBreak;
    QTest::newRow("pasted CR") << "a\rb" << lineBreak;
}

// A refused caption keeps the dialog open with what was typed, so that it can be put right.
void TestProcedureDialog::okRefusesCaptionsTheFileWouldMisread()
{
    QFETCH(QString, caption);
    QFETCH(QString, refusal);
    DialogAnswerer answerer;
    bool stayedOpen = false;
    QString kept;
    answerer.expect([&](QDialog& window) {
        control<QLineEdit>(window, "captionEdit")->setText(caption);
        clickOk(window);
        stayedOpen = window.isVisible();
        kept = control<QLineEdit>(window, "captionEdit")->text();
        if (stayedOpen)
            clickCancel(window);
    });
    if (!refusal.isEmpty())
        answerer.expectMessage();
    const std::optional<Procedure> edited = ProcedureDialog::edit(nullptr, heredoc);
    QCOMPARE(stayedOpen, !refusal.isEmpty());
    QCOMPARE(kept, caption);
    QCOMPARE(answerer.messages(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(described(edited),
             refusal.isEmpty() ? caption + QStringLiteral("|print <<EOF;%2%1%2EOF") : "-");
}

void TestProcedureDialog::editGivesTheProcedureAndTheCodeAsTyped_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("typed");     // replaces the code; empty: left as shown
    QTest::addColumn<QString>("code");      // of the procedure given back, in file form
    QTest::addColumn<QString>("typedCode"); // as given back for the editor's preview

    QTest::newRow("OK as shown: line breaks back to %2")
        << true << "" << "print <<EOF;%2%1%2EOF" << "print <<EOF;\r\n%1\r\nEOF";
    QTest::newRow("OK, two lines typed") << true << "a\nb" << "a%2b" << "a\r\nb";
    // The file cannot tell the two apart; the preview shows what was typed.
    QTest::newRow("OK, %2 typed") << true << "a%2b" << "a%2b" << "a%2b";
    QTest::newRow("Cancel: nothing, the typed code untouched") << false << "x" << "" << "before";
}

void TestProcedureDialog::editGivesTheProcedureAndTheCodeAsTyped()
{
    QFETCH(bool, ok);
    QFETCH(QString, typed);
    QFETCH(QString, code);
    QFETCH(QString, typedCode);
    DialogAnswerer answerer;
    QStringList shown;
    answerer.expect([&](QDialog& window) {
        auto* field = control<QPlainTextEdit>(window, "codeEdit");
        shown << control<QLineEdit>(window, "captionEdit")->text() << field->toPlainText();
        if (!typed.isEmpty())
            field->setPlainText(typed);
        ok ? clickOk(window) : clickCancel(window);
    });
    QString given = QStringLiteral("before");
    const std::optional<Procedure> edited = ProcedureDialog::edit(nullptr, heredoc, &given);
    QCOMPARE(shown, (QStringList{"print <<EOF;", "print <<EOF;\n%1\nEOF"}));
    QCOMPARE(described(edited), ok ? QStringLiteral("print <<EOF;|") + code : "-");
    QCOMPARE(given, typedCode);
}

void TestProcedureDialog::selectedTextMacro_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // equal to from: no selection
    QTest::addColumn<QString>("code");

    QTest::newRow("at the caret") << 6 << 6 << "print(%1);\r\nx";
    QTest::newRow("selection replaced") << 6 << 7 << "print(%1;\r\nx";
    QTest::newRow("selection over a line break") << 7 << 10 << "print()%1";
}

void TestProcedureDialog::selectedTextMacro()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, code);
    ProcedureDialog dialog(nullptr, Procedure({}, QStringLiteral("print();%2x")));
    auto* field = control<QPlainTextEdit>(dialog, "codeEdit");
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    field->setTextCursor(cursor);
    click(dialog, "selectedTextButton");
    QCOMPARE(dialog.code(), code);
}

void TestProcedureDialog::enterStartsALineAndTabLeavesTheCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("focusStays");

    QTest::newRow("Enter: a new line, not OK") << int(Qt::Key_Return) << "ab\r\n" << true;
    QTest::newRow("keypad Enter: a new line, not OK") << int(Qt::Key_Enter) << "ab\r\n" << true;
    QTest::newRow("Tab: on to the next control") << int(Qt::Key_Tab) << "ab" << false;
}

void TestProcedureDialog::enterStartsALineAndTabLeavesTheCode()
{
    QFETCH(int, key);
    QFETCH(QString, code);
    QFETCH(bool, focusStays);
    DialogAnswerer answerer;
    ProcedureDialog dialog(nullptr, Procedure(QStringLiteral("c"), QStringLiteral("ab")));
    bool open = false;
    bool focusStayed = false;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* field = control<QPlainTextEdit>(window, "codeEdit");
        field->setFocus();
        field->moveCursor(QTextCursor::End);
        QTest::keyClick(field, Qt::Key(key));
        open = window.isVisible();
        focusStayed = window.focusWidget() == field;
        if (open)
            clickCancel(window);
    });
    Modal::exec(dialog);
    QVERIFY(open);
    QCOMPARE(focusStayed, focusStays);
    QCOMPARE(dialog.code(), code);
}

HALVEX_TEST_MAIN(TestProcedureDialog)
#include "tst_ProcedureDialog.moc"
