#include "app/StartWindow.h"
#include "common/Modal.h"
#include "platform/PlacementStore.h"
#include "procedures/ProceduresEditor.h"
#include "ProcsSamples.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "support/TreeDriver.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QUndoStack>

namespace {

// Misc with three procedures, Output with two, Input with one.
const QByteArray threeSections = "SECTION_0\r\n"
                                 "m1\r\n#c-m1\r\n"
                                 "m2\r\n#c-m2%2two\r\n"
                                 "m3\r\n#c-m3\r\n"
                                 "SECTION_1\r\n"
                                 "o1\r\n#c-o1\r\n"
                                 "o2\r\n#c-o2\r\n"
                                 "SECTION_2\r\n"
                                 "i1\r\n#c-i1\r\n";

QByteArray replaced(QByteArray bytes, const QByteArray& before, const QByteArray& after)
{
    return bytes.replace(before, after);
}

// The editor open on a procedures file; a null file leaves it missing. The answerer comes
// first, since the editor shows what stopped its reader as it opens.
struct Editor
{
    explicit Editor(const QByteArray& file)
    {
        if (!file.isNull())
            host.write(HostFile::Procedures, file);
        window = std::make_unique<ProceduresEditor>(nullptr, host.options);
    }

    QTreeView& tree() const { return *control<QTreeView>(*window, "itemsView"); }
    QPlainTextEdit& preview() const { return *control<QPlainTextEdit>(*window, "codePreview"); }
    QString shown() const { return preview().toPlainText(); }
    void select(const QString& path) const { ::select(tree(), path); }
    // The nodes as the tree shows them, "Misc|m1|Output", children after their section.
    QString nodes() const
    {
        QStringList texts;
        for (int section = 0; section < childCount(tree()); ++section) {
            const QString path = QString::number(section);
            texts << textAt(tree(), path);
            for (int child = 0; child < childCount(tree(), path); ++child)
                texts << textAt(tree(), path + QLatin1Char('/') + QString::number(child));
        }
        return texts.join(QLatin1Char('|'));
    }
    // OK, and what it wrote.
    QByteArray written() const
    {
        clickOk(*window);
        return host.bytes(HostFile::Procedures);
    }

    TestHost host;
    std::unique_ptr<ProceduresEditor> window;
};

// Answers the procedure dialog: records what it showed as "caption|code", types the caption
// and code given, and presses OK; or presses Cancel for a null caption.
DialogAnswerer::Answer procedure(const QString& caption, const QString& code,
                                 QString* shown = nullptr)
{
    return [=](QDialog& dialog) {
        auto* captionEdit = control<QLineEdit>(dialog, "captionEdit");
        auto* codeEdit = control<QPlainTextEdit>(dialog, "codeEdit");
        if (shown)
            *shown = captionEdit->text() + QLatin1Char('|') + codeEdit->toPlainText();
        if (caption.isNull())
            return clickCancel(dialog);
        captionEdit->setText(caption);
        codeEdit->setPlainText(code);
        clickOk(dialog);
    };
}

} // namespace

class TestProceduresEditor : public QObject
{
    Q_OBJECT

private slots:
    void placementKey();
    void opensWithSectionsClosed();
    void previewFollowsTheSelection_data();
    void previewFollowsTheSelection();
    void removalShowsTheCodeThatTookItsPlace_data();
    void removalShowsTheCodeThatTookItsPlace();
    void newCodeGoesLastInItsSection_data();
    void newCodeGoesLastInItsSection();
    void previewShowsTheCodeAsTyped_data();
    void previewShowsTheCodeAsTyped();
    void editChangesTheProcedureInPlace();
    void editWithoutChangesKeepsEveryByte();
    void doubleClickEditsAProcedureOnly();
    void dropMovesAProcedureInOneStep();
    void menuKeyAndRightClickOpenTheMenu_data();
    void menuKeyAndRightClickOpenTheMenu();
    void pasteGoesAfterTheSelectedProcedure_data();
    void pasteGoesAfterTheSelectedProcedure();
    void loadErrorKeepsTheLinesBeforeIt_data();
    void loadErrorKeepsTheLinesBeforeIt();
    void okWritesEveryProcedureWithItsCodeLine();
    void startWindowOpensTheEditor();
};

// Stored placements are found by the key of the window they were saved for.
void TestProceduresEditor::placementKey()
{
    Editor on(workedExample);
    QVERIFY(savedPlacementKeys(*on.window).contains(u"TStdProcsPanelEditorWindow"));
}

void TestProceduresEditor::opensWithSectionsClosed()
{
    Editor on(workedExample + "SECTION_2\r\nSECTION_5\r\nx\r\n");
    QCOMPARE(on.nodes(), QStringLiteral("Misc|%1++|%1--|Output|print;|print <<EOF;|Input||x"));
    for (int section = 0; section < 4; ++section)
        QVERIFY(!on.tree().isExpanded(nodeAt(on.tree(), QString::number(section))));
    QCOMPARE(selectedText(on.tree()), QStringLiteral("Misc"));
    QCOMPARE(on.shown(), QString());
    QVERIFY(on.preview().isReadOnly());
}

void TestProceduresEditor::previewFollowsTheSelection_data()
{
    QTest::addColumn<QString>("select"); // then collapses its section when "collapse" is set
    QTest::addColumn<bool>("collapse");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("shown");

    QTest::newRow("code line decoded") << "1/1" << false << "print <<EOF;"
                                       << "print <<EOF;\n%1\nEOF";
    QTest::newRow("code equal to the caption") << "0/1" << false << "%1--" << "%1--";
    QTest::newRow("a section: empty") << "1" << false << "Output" << "";
    QTest::newRow("nothing selected: empty") << "" << false << "<none>" << "";
    // Edit and Remove would otherwise act on a procedure out of sight.
    QTest::newRow("a collapsed section takes the selection") << "1/1" << true << "Output" << "";
}

void TestProceduresEditor::previewFollowsTheSelection()
{
    QFETCH(QString, select);
    QFETCH(bool, collapse);
    QFETCH(QString, selected);
    QFETCH(QString, shown);
    Editor on(workedExample);
    on.tree().expandAll();
    on.select(QStringLiteral("1/0"));
    QCOMPARE(on.shown(), QStringLiteral("print;"));
    on.select(select);
    if (collapse)
        on.tree().collapse(nodeAt(on.tree(), select.section(QLatin1Char('/'), 0, 0)));
    QCOMPARE(selectedText(on.tree()), selected);
    QCOMPARE(on.shown(), shown);
}

void TestProceduresEditor::removalShowsTheCodeThatTookItsPlace_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("first: the next one, its code moved up") << "0/0" << "c-m2\ntwo";
    QTest::newRow("last of its section: the one before") << "1/1" << "c-o1";
    QTest::newRow("the only one: its section, empty") << "2/0" << "";
}

void TestProceduresEditor::removalShowsTheCodeThatTookItsPlace()
{
    QFETCH(QString, removed);
    QFETCH(QString, shown);
    DialogAnswerer answerer;
    Editor on(threeSections);
    on.select(removed);
    // Every text the preview takes on the way, so that one read from a half-removed tree shows.
    QStringList shownOnTheWay;
    QObject::connect(&on.preview(), &QPlainTextEdit::textChanged,
                     [&] { shownOnTheWay.append(on.shown()); });
    answerer.expectMessage(QMessageBox::Yes);
    click(*on.window, "removeButton");
    QCOMPARE(answerer.messages(), QStringList{"Remove selected code?"});
    shownOnTheWay.removeDuplicates();
    QCOMPARE(shownOnTheWay, QStringList{shown});
}

void TestProceduresEditor::newCodeGoesLastInItsSection_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QByteArray>("written");

    const QByteArray file = threeSections + "SECTION_5\r\n";
    const QByteArray added = "new\r\n#l1%2l2\r\n";
    QTest::newRow("a procedure of Output: after the last of Output")
        << "1/0" << replaced(file, "o2\r\n#c-o2\r\n", "o2\r\n#c-o2\r\n" + added);
    QTest::newRow("the section Input") << "2" << threeSections + added + "SECTION_5\r\n";
    QTest::newRow("a section without procedures") << "3" << file + added;
}

// New starts from a blank dialog and leaves the selection, and the sections, as they were.
void TestProceduresEditor::newCodeGoesLastInItsSection()
{
    QFETCH(QString, select);
    QFETCH(QByteArray, written);
    DialogAnswerer answerer;
    Editor on(threeSections + "SECTION_5\r\n");
    on.select(select);
    const QString selected = selectedText(on.tree());
    QString shownInDialog;
    answerer.expect(procedure(QStringLiteral("new"), QStringLiteral("l1\r\nl2"), &shownInDialog));
    click(*on.window, "newCodeButton");
    QCOMPARE(shownInDialog, QStringLiteral("|"));
    QCOMPARE(selectedText(on.tree()), selected);
    QVERIFY(!on.tree().isExpanded(nodeAt(on.tree(), select.left(1))));
    QCOMPARE(on.written(), written);
}

void TestProceduresEditor::previewShowsTheCodeAsTyped_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed"); // null: the dialog cancelled
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("node"); // selected afterwards
    QTest::addColumn<QString>("shownThen");

    QTest::newRow("New: %2 as typed, until the new one is selected")
        << "2" << "New code..." << "a%2b" << "a%2b" << "2/1" << "a\nb";
    QTest::newRow("Edit: %2 as typed, until selected again")
        << "0/1" << "Edit..." << "x%2y" << "x%2y" << "0/1" << "x\ny";
    QTest::newRow("New cancelled: the selected code")
        << "0/1" << "New code..." << QString() << "c-m2\ntwo" << "0/1" << "c-m2\ntwo";
    QTest::newRow("Edit cancelled: the selected code")
        << "0/1" << "Edit..." << QString() << "c-m2\ntwo" << "0/1" << "c-m2\ntwo";
}

void TestProceduresEditor::previewShowsTheCodeAsTyped()
{
    QFETCH(QString, select);
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, node);
    QFETCH(QString, shownThen);
    DialogAnswerer answerer;
    Editor on(threeSections);
    on.select(select);
    answerer.expect(procedure(typed.isNull() ? QString() : QStringLiteral("n"), typed));
    ::command(*on.window, command)->trigger();
    QCOMPARE(on.shown(), shown);
    on.select(QString());
    on.select(node);
    QCOMPARE(on.shown(), shownThen);
}

void TestProceduresEditor::editChangesTheProcedureInPlace()
{
    DialogAnswerer answerer;
    Editor on(workedExample);
    on.select(QStringLiteral("1/1"));
    QString shownInDialog;
    answerer.expect(
        procedure(QStringLiteral("here"), QStringLiteral("<<A;\r\n%1\r\nA"), &shownInDialog));
    click(*on.window, "editButton");
    QCOMPARE(shownInDialog, QStringLiteral("print <<EOF;|print <<EOF;\n%1\nEOF"));
    QCOMPARE(textAt(on.tree(), QStringLiteral("1/1")), QStringLiteral("here"));
    QCOMPARE(on.written(), replaced(workedExampleWritten, "print <<EOF;\r\n#print <<EOF;%2%1%2EOF",
                                    "here\r\n#<<A;%2%1%2A"));
}

// Blanks, tabs, code page letters, "%%22" and a caption past a line edit's usual limit all go
// through the dialog and come back as they were, and OK unchanged is no step.
void TestProceduresEditor::editWithoutChangesKeepsEveryByte()
{
    const QByteArray file = "SECTION_0\r\n"
                            " caf\xe9\xa0\t\x81 \r\n#%%22\xa0%2\t\x81%2\r\n" +
                            QByteArray(40000, 'w') + "\r\n#%2\r\n";
    DialogAnswerer answerer;
    Editor on(file);
    for (const char* path : {"0/0", "0/1"}) {
        on.select(QString::fromLatin1(path));
        answerer.expect([](QDialog& dialog) { clickOk(dialog); });
        click(*on.window, "editButton");
    }
    QCOMPARE(on.window->undoStack()->count(), 0);
    QCOMPARE(on.written(), file);
}

// Double-clicking a section opens or closes it, as in any tree. Delete on a section asks
// nothing.
void TestProceduresEditor::doubleClickEditsAProcedureOnly()
{
    DialogAnswerer answerer;
    Editor on(threeSections);
    on.window->show();
    QVERIFY(QTest::qWaitForWindowActive(on.window.get()));
    on.tree().expandAll();
    const auto doubleClick = [&](const QString& path) {
        const QPoint at = on.tree().visualRect(nodeAt(on.tree(), path)).center();
        QTest::mouseClick(on.tree().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(on.tree().viewport(), Qt::LeftButton, {}, at);
    };
    answerer.expect(procedure(QStringLiteral("o1"), QStringLiteral("clicked")));
    doubleClick(QStringLiteral("1/0"));
    doubleClick(QStringLiteral("2"));
    // Back from the dialog, keys reach the editor once the system makes it active again.
    on.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(on.window.get()));
    on.tree().setFocus();
    on.select(QStringLiteral("0"));
    QTest::keyClick(&on.tree(), Qt::Key_Delete);
    on.select(QStringLiteral("0/0"));
    answerer.expectMessage(QMessageBox::Yes);
    QTest::keyClick(&on.tree(), Qt::Key_Delete);
    QCOMPARE(answerer.messages(), QStringList{"Remove selected code?"});
    QCOMPARE(on.written(),
             replaced(replaced(threeSections, "m1\r\n#c-m1\r\n", ""), "#c-o1", "#clicked"));
}

// The view hands a drop to the model, which asks the editor: the move is a step that undo
// takes back. Sections stay where the file has them.
void TestProceduresEditor::dropMovesAProcedureInOneStep()
{
    Editor on(threeSections);
    QAbstractItemModel& model = *on.tree().model();
    QVERIFY(!(model.flags(nodeAt(on.tree(), QStringLiteral("1"))) & Qt::ItemIsDragEnabled));
    std::unique_ptr<QMimeData> dragged(model.mimeData({nodeAt(on.tree(), QStringLiteral("1/1"))}));
    QVERIFY(model.dropMimeData(dragged.get(), Qt::MoveAction, -1, 0,
                               nodeAt(on.tree(), QStringLiteral("0"))));
    QCOMPARE(on.nodes(), QStringLiteral("Misc|m1|m2|m3|o2|Output|o1|Input|i1"));
    QCOMPARE(on.window->undoStack()->count(), 1);
    on.window->undoStack()->undo();
    QCOMPARE(on.written(), threeSections);
}

void TestProceduresEditor::menuKeyAndRightClickOpenTheMenu_data()
{
    QTest::addColumn<bool>("menuKey");
    QTest::newRow("Menu key") << true;
    QTest::newRow("right click") << false;
}

// The window system turns the Menu key into an event to the window, which Qt hands to the
// widget with the focus: once only the view's viewport, which a right click reaches, was heard.
void TestProceduresEditor::menuKeyAndRightClickOpenTheMenu()
{
    QFETCH(bool, menuKey);
    DialogAnswerer answerer;
    Editor on(threeSections);
    on.window->show();
    QVERIFY(QTest::qWaitForWindowActive(on.window.get()));
    on.select(QStringLiteral("0/1"));
    on.tree().setFocus();
    answerer.expectMenu(QStringLiteral("Move up"));
    const QPoint at = on.tree().visualRect(nodeAt(on.tree(), QStringLiteral("0/1"))).center();
    QWidget* viewport = on.tree().viewport();
    QContextMenuEvent request(menuKey ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                              at, viewport->mapToGlobal(at));
    if (menuKey)
        QApplication::sendEvent(on.window->windowHandle(), &request);
    else
        QApplication::sendEvent(viewport, &request);
    QCOMPARE(on.nodes(), QStringLiteral("Misc|m2|m1|m3|Output|o1|o2|Input|i1"));
}

void TestProceduresEditor::pasteGoesAfterTheSelectedProcedure_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("nodes");

    QTest::newRow("a procedure: right after it")
        << "0/0" << "Misc|m1|p|r|m2|m3|Output|o1|o2|Input|i1";
    QTest::newRow("a section: last in it") << "0" << "Misc|m1|m2|m3|p|r|Output|o1|o2|Input|i1";
}

void TestProceduresEditor::pasteGoesAfterTheSelectedProcedure()
{
    QFETCH(QString, select);
    QFETCH(QString, nodes);
    Editor on(threeSections);
    QGuiApplication::clipboard()->setText(QStringLiteral("p\n#q\nr\n#s\n"));
    on.select(select);
    on.window->paste();
    QCOMPARE(on.nodes(), nodes);
}

void TestProceduresEditor::loadErrorKeepsTheLinesBeforeIt_data()
{
    QTest::addColumn<QByteArray>("file");    // null: missing
    QTest::addColumn<QString>("message");    // %1: the file's path
    QTest::addColumn<QString>("nodes");
    QTest::addColumn<QByteArray>("written"); // by OK, answering Yes to its question if any

    QTest::newRow("a bad header: the procedures before it")
        << QByteArray("SECTION_0\r\nA\r\n#a\r\nSECTION_x\r\nB\r\n")
        << "Line 4 of \"%1\": \"SECTION_x\" is not a valid section header: its ninth character "
           "must be a digit from 0 to 9. Reading stopped at this line."
        << "Misc|A" << QByteArray("SECTION_0\r\nA\r\n#a\r\n");
    QTest::newRow("a procedure before the first header: nothing")
        << QByteArray("A\r\nSECTION_0\r\nB\r\n")
        << "Line 1 of \"%1\": \"A\" is a procedure before the first section header. Reading "
           "stopped at this line."
        << "" << QByteArray("");
    QTest::newRow("missing: nothing, and OK creates it")
        << QByteArray() << "Cannot read \"%1\": No such file or directory." << ""
        << QByteArray("");
}

void TestProceduresEditor::loadErrorKeepsTheLinesBeforeIt()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(QString, nodes);
    QFETCH(QByteArray, written);
    DialogAnswerer answerer;
    answerer.expectMessage();
    Editor on(file);
    const QString path = QDir::toNativeSeparators(on.host.path(HostFile::Procedures));
    QCOMPARE(answerer.messages(), QStringList{message.arg(path)});
    QCOMPARE(on.nodes(), nodes);
    if (!file.isNull())
        answerer.expectMessage(QMessageBox::Yes);
    QCOMPARE(on.written(), written);
}

void TestProceduresEditor::okWritesEveryProcedureWithItsCodeLine()
{
    Editor on(workedExample);
    QCOMPARE(on.written(), workedExampleWritten);
}

void TestProceduresEditor::startWindowOpensTheEditor()
{
    TestHost host;
    host.profile.setValues(host.options.values);
    host.write(HostFile::Procedures, workedExample);
    StartWindow start;
    DialogAnswerer answerer;
    QString secondSection;
    answerer.expect([&](QDialog& window) {
        QCOMPARE(window.objectName(), QStringLiteral("ProceduresEditor"));
        secondSection = textAt(*control<QTreeView>(window, "itemsView"), QStringLiteral("1"));
        clickCancel(window);
    });
    click(start, "proceduresButton");
    QCOMPARE(secondSection, QStringLiteral("Output"));
}

HALVEX_TEST_MAIN(TestProceduresEditor)
#include "tst_ProceduresEditor.moc"
