#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

class TestProcedurePropertiesWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void controls_data();
    void controls();
    void tabOrderAndFirstFocus();
    void fieldsGoInAndComeOut();
    void okRefusesSomeCaptions_data();
    void okRefusesSomeCaptions();
    void selectedTextMacro_data();
    void selectedTextMacro();
    void keysInTheDialog_data();
    void keysInTheDialog();
};

void TestProcedurePropertiesWindow::windowFrame()
{
    ProcedurePropertiesWindow dialog(nullptr, {}, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Procedure properties"));
    QCOMPARE(dialog.size(), QSize(315, 213));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.objectName(), QStringLiteral("TCstProcProprtiesWindow"));
    QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Caption"));
    QCOMPARE(control<QLabel>(dialog, "Label2")->text(), QStringLiteral("Code"));
    auto* code = control<QPlainTextEdit>(dialog, "txtCode");
    QVERIFY(QFontInfo(code->font()).fixedPitch());
    QCOMPARE(code->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(code->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!dialog.findChild<PlacementStore*>());
}

void TestProcedurePropertiesWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("caption field") << "txtCaption"
                                   << "" << QRect(58, 8, 249, 21);
    QTest::newRow("code field") << "txtCode"
                                << "" << QRect(58, 36, 249, 105);
    QTest::newRow("selected text, below the code") << "btnSelectedTextMacro"
                                                   << "Selected text" << QRect(58, 147, 100, 25);
    QTest::newRow("OK") << "btnOk"
                        << "OK" << QRect(151, 180, 75, 25);
    QTest::newRow("Cancel") << "btnCancel"
                            << "Cancel" << QRect(232, 180, 75, 25);
}

void TestProcedurePropertiesWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    ProcedurePropertiesWindow dialog(nullptr, {}, {});
    QWidget* found = control<QWidget>(dialog, qPrintable(name));
    QCOMPARE(found->geometry(), geometry);
    QVERIFY(QRect(QPoint(0, 0), dialog.size()).contains(found->geometry()));
    if (auto* button = qobject_cast<QPushButton*>(found)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->fontMetrics().horizontalAdvance(caption) + button->iconSize().width() + 8 <
                button->width());
    }
}

void TestProcedurePropertiesWindow::tabOrderAndFirstFocus()
{
    DialogAnswerer answerer;
    QString focused;
    QStringList order;
    ProcedurePropertiesWindow dialog(nullptr, QStringLiteral("c"), QStringLiteral("x"));
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focused = window.focusWidget()->objectName();
        order = tabOrder(control<QWidget>(window, "txtCaption"), 6);
        window.reject();
    });
    dialog.runCreateHandler();
    Modal::exec(dialog);
    QCOMPARE(focused, QStringLiteral("txtCaption"));
    QCOMPARE(order, (QStringList{"txtCaption", "txtCode", "btnOk", "btnCancel",
                                 "btnSelectedTextMacro", "txtCaption"}));
}

void TestProcedurePropertiesWindow::fieldsGoInAndComeOut()
{
    ProcedurePropertiesWindow dialog(nullptr, QStringLiteral("print <<EOF;"),
                                     QStringLiteral("print <<EOF;\r\n%1\r\nEOF"));
    QCOMPARE(control<QLineEdit>(dialog, "txtCaption")->text(), QStringLiteral("print <<EOF;"));
    QCOMPARE(control<QPlainTextEdit>(dialog, "txtCode")->blockCount(), 3);
    QCOMPARE(dialog.caption(), QStringLiteral("print <<EOF;"));
    QCOMPARE(dialog.code(), QStringLiteral("print <<EOF;\r\n%1\r\nEOF"));
    const QString longCaption(40000, QLatin1Char('x'));
    ProcedurePropertiesWindow longOne(nullptr, longCaption, {});
    QCOMPARE(longOne.caption(), longCaption);
}

void TestProcedurePropertiesWindow::okRefusesSomeCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    QTest::newRow("# first: refused") << "#x"
                                      << "First char in caption can't be \"#\"";
    QTest::newRow("# alone: refused") << "#"
                                      << "First char in caption can't be \"#\"";
    QTest::newRow("# elsewhere: accepted") << "a#b"
                                           << "";
    QTest::newRow("blank then #: accepted") << " #"
                                            << "";
    QTest::newRow("empty: accepted") << ""
                                     << "";
    QTest::newRow("SECTION_ and a digit: refused") << "SECTION_1"
                                                   << "Caption can't begin with \"SECTION_\"";
    QTest::newRow("SECTION_ alone: refused") << "SECTION_"
                                             << "Caption can't begin with \"SECTION_\"";
    QTest::newRow("lower case section_: accepted") << "section_1"
                                                   << "";
    QTest::newRow("SECTION_ later: accepted") << "x SECTION_1"
                                              << "";
    QTest::newRow("SECTION without underscore: accepted") << "SECTION1"
                                                          << "";
    QTest::newRow("pasted LF: refused") << "a\nb"
                                        << "Caption can't hold a line break";
    QTest::newRow("pasted CR: refused") << "a\rb"
                                        << "Caption can't hold a line break";
}

void TestProcedurePropertiesWindow::okRefusesSomeCaptions()
{
    QFETCH(QString, caption);
    QFETCH(QString, refusal);
    DialogAnswerer answerer;
    ProcedurePropertiesWindow dialog(nullptr, {}, QStringLiteral("a\r\nb"));
    bool stayedOpen = false;
    QString keptCaption;
    answerer.expect([&](QDialog& window) {
        control<QLineEdit>(window, "txtCaption")->setText(caption);
        control<QPushButton>(window, "btnOk")->click();
        stayedOpen = window.isVisible();
        keptCaption = dialog.caption();
        if (stayedOpen)
            window.reject();
    });
    if (!refusal.isEmpty())
        answerer.expectMessage();
    dialog.runCreateHandler();
    const int result = Modal::exec(dialog);
    QCOMPARE(stayedOpen, !refusal.isEmpty());
    QCOMPARE(result == QDialog::Accepted, refusal.isEmpty());
    QCOMPARE(answerer.messages(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(keptCaption, caption);
    QCOMPARE(dialog.code(), QStringLiteral("a\r\nb"));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestProcedurePropertiesWindow::selectedTextMacro_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // equal to from: no selection
    QTest::addColumn<QString>("code");

    QTest::newRow("at the caret") << 6 << 6 << "print(%1);\r\nx";
    QTest::newRow("at the start") << 0 << 0 << "%1print();\r\nx";
    QTest::newRow("selection replaced") << 6 << 7 << "print(%1;\r\nx";
    QTest::newRow("selection over a line break") << 7 << 10 << "print()%1";
}

void TestProcedurePropertiesWindow::selectedTextMacro()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, code);
    ProcedurePropertiesWindow dialog(nullptr, {}, QStringLiteral("print();\r\nx"));
    auto* field = control<QPlainTextEdit>(dialog, "txtCode");
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    field->setTextCursor(cursor);
    control<QPushButton>(dialog, "btnSelectedTextMacro")->click();
    QCOMPARE(dialog.code(), code);
}

void TestProcedurePropertiesWindow::keysInTheDialog_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // -1: still open
    QTest::addColumn<QString>("code");

    QTest::newRow("Enter in the code field starts a line")
        << "txtCode" << int(Qt::Key_Return) << -1 << "ab\r\n";
    QTest::newRow("Tab in the code field moves on") << "txtCode" << int(Qt::Key_Tab) << -1 << "ab";
    QTest::newRow("Enter in the caption is OK")
        << "txtCaption" << int(Qt::Key_Return) << int(QDialog::Accepted) << "ab";
    QTest::newRow("Esc is Cancel")
        << "txtCode" << int(Qt::Key_Escape) << int(QDialog::Rejected) << "ab";
}

void TestProcedurePropertiesWindow::keysInTheDialog()
{
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(int, result);
    QFETCH(QString, code);
    DialogAnswerer answerer;
    ProcedurePropertiesWindow dialog(nullptr, QStringLiteral("c"), QStringLiteral("ab"));
    bool open = false;
    QString focusAfter;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* target = control<QWidget>(window, qPrintable(focused));
        target->setFocus();
        if (auto* field = qobject_cast<QPlainTextEdit*>(target))
            field->moveCursor(QTextCursor::End);
        QTest::keyClick(target, Qt::Key(key));
        open = window.isVisible();
        focusAfter = window.focusWidget()->objectName();
        if (open)
            window.reject();
    });
    dialog.runCreateHandler();
    const int closedWith = Modal::exec(dialog);
    QCOMPARE(open, result < 0);
    if (result >= 0)
        QCOMPARE(closedWith, result);
    QCOMPARE(dialog.code(), code);
    if (key == Qt::Key_Tab)
        QCOMPARE(focusAfter, QStringLiteral("btnOk"));
}

HALVEX_TEST_MAIN(TestProcedurePropertiesWindow)
#include "tst_ProcedurePropertiesWindow.moc"
