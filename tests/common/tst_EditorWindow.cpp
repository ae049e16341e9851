#include "common/EditorWindow.h"
#include "common/Modal.h"
#include "mime/MimeTypesEditor.h"
#include "platform/WholeFile.h"
#include "procedures/ProceduresEditor.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "support/TreeDriver.h"
#include "toolbar/ToolbarEditor.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>
#include <QUndoStack>

#include <functional>
#include <unistd.h>

// The editor skeleton that the three editors stand on, checked once through each of them: which
// commands can act, the steps and their names, the selection after a step, the keys and the
// menu, and OK.
namespace {

const QByteArray toolbarFile = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n"; // A(A1, A2), B
const QByteArray proceduresFile = "SECTION_0\r\na\r\n#a\r\nb\r\n#b\r\nSECTION_1\r\nc\r\n#c\r\n";
const QByteArray mimeFile = "A/B\r\n.a\r\nC/D\r\n.c\r\nE/F\r\n.e\r\n";

HostFile fileOf(const QString& editor)
{
    if (editor == QLatin1String("toolbar"))
        return HostFile::Toolbar;
    return editor == QLatin1String("procedures") ? HostFile::Procedures : HostFile::MimeTypes;
}

// The editor's file written with the three-node samples above, and the editor open on it.
struct EditorOnFile
{
    explicit EditorOnFile(const QString& kind, const QByteArray& bytes = {}) : file(fileOf(kind))
    {
        host.writeStrip(192);
        const QByteArray sample = file == HostFile::Toolbar      ? toolbarFile
                                  : file == HostFile::Procedures ? proceduresFile
                                                                 : mimeFile;
        host.write(file, bytes.isEmpty() ? sample : bytes);
        if (file == HostFile::Toolbar)
            editor = std::make_unique<ToolbarEditor>(nullptr, host.options);
        else if (file == HostFile::Procedures)
            editor = std::make_unique<ProceduresEditor>(nullptr, host.options);
        else
            editor = std::make_unique<MimeTypesEditor>(nullptr, host.options);
    }

    QAbstractItemView& view() const { return *control<QAbstractItemView>(*editor, "itemsView"); }
    // The nodes as the view shows them, "a|b|c", children after their parent.
    QString shown() const { return outline(*view().model()); }
    // While the find bar filters, a parent shown is open, whatever changed beneath.
    bool shownParentsOpen() const
    {
        const auto* tree = qobject_cast<const QTreeView*>(&view());
        const QAbstractItemModel& model = *view().model();
        for (int row = 0; tree && row < model.rowCount(); ++row) {
            const QModelIndex parent = model.index(row, 0);
            if (model.hasChildren(parent) && !tree->isExpanded(parent))
                return false;
        }
        return true;
    }
    void select(const QString& path) const
    {
        QModelIndex node;
        for (const QString& step : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
            node = view().model()->index(step.toInt(), 0, node);
        if (node.isValid())
            view().setCurrentIndex(node);
        else
            view().selectionModel()->clear();
    }
    QString selected() const
    {
        const QModelIndexList selection = view().selectionModel()->selectedIndexes();
        return selection.isEmpty() ? QStringLiteral("<none>") : selection.first().data().toString();
    }

    TestHost host;
    HostFile file;
    std::unique_ptr<EditorWindow> editor;
};

// The editing commands that can act now, in the menu's order.
QStringList enabledCommands(const EditorWindow& editor)
{
    QStringList enabled;
    for (const char* text : {"New tag...", "New category...", "New code...", "New type...",
                             "Edit...", "Remove", "Cut", "Copy", "Paste", "Move up", "Move down"}) {
        const QAction* action = command(editor, QString::fromLatin1(text));
        if (action && action->isEnabled())
            enabled << QString::fromLatin1(text);
    }
    return enabled;
}

// A person's keys as the script names them: "C-c" is Ctrl+C, "A-Down" Alt+Down, "S-F10"
// Shift+F10; "Delete" alone.
void press(QWidget& target, const QString& keys)
{
    Qt::KeyboardModifiers modifiers;
    QString key = keys;
    for (;;) {
        if (key.startsWith(QLatin1String("C-")))
            modifiers |= Qt::ControlModifier;
        else if (key.startsWith(QLatin1String("A-")))
            modifiers |= Qt::AltModifier;
        else if (key.startsWith(QLatin1String("S-")))
            modifiers |= Qt::ShiftModifier;
        else
            break;
        key = key.mid(2);
    }
    const QKeySequence sequence(key);
    QTest::keyClick(&target, Qt::Key(sequence[0].key()), modifiers);
}

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void commandsCanActExactlyWhenEnabled_data();
    void commandsCanActExactlyWhenEnabled();
    void everyStepIsNamedAndUndone_data();
    void everyStepIsNamedAndUndone();
    void removalSelectsWhatTookItsPlace_data();
    void removalSelectsWhatTookItsPlace();
    void keysAndMenuEndToEnd_data();
    void keysAndMenuEndToEnd();
    void okAsksWhatTheFileCallsFor_data();
    void okAsksWhatTheFileCallsFor();
    void textTheFileCannotKeepIsNoted_data();
    void textTheFileCannotKeepIsNoted();
    void copyLeftByACutSaveIsOfferedBack_data();
    void copyLeftByACutSaveIsOfferedBack();
    void editorOpensAtTheSizeItWasLeft();
    void closingWithoutOkWritesNothing_data();
    void closingWithoutOkWritesNothing();
    void anotherEditorsLinesAreRefused();
    void dropOpensItsTarget();
    void findBarFiltersAndClears_data();
    void findBarFiltersAndClears();
    void commandsActThroughTheFilter_data();
    void commandsActThroughTheFilter();
    void manyMatchesOpenAsTheyComeIntoView();
};

void TestEditorWindow::init()
{
    QGuiApplication::clipboard()->clear();
}

void TestEditorWindow::commandsCanActExactlyWhenEnabled_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("enabled");

    const QStringList tagCommands = {"New tag...", "New category...", "Edit...", "Remove",
                                     "Cut",        "Copy"};
    QTest::newRow("toolbar: first tag, nothing to paste")
        << "toolbar" << "" << "0/0" << tagCommands + QStringList{"Move down"};
    QTest::newRow("toolbar: last tag, a tag to paste")
        << "toolbar" << "1:0:T:t" << "0/1" << tagCommands + QStringList{"Paste", "Move up"};
    // Tags need a category to go to; categories do not.
    QTest::newRow("toolbar: nothing selected, a tag to paste")
        << "toolbar" << "1:0:T:t" << "" << QStringList{"New category..."};
    QTest::newRow("toolbar: nothing selected, a category to paste")
        << "toolbar" << "2:0:C" << "" << QStringList{"New category...", "Paste"};
    QTest::newRow("procedures: a section takes New and Paste only")
        << "procedures" << "x" << "1" << QStringList{"New code...", "Paste"};
    QTest::newRow("procedures: a procedure")
        << "procedures" << "" << "0/1"
        << QStringList{"New code...", "Edit...", "Remove", "Cut", "Copy", "Move up"};
    QTest::newRow("procedures: nothing selected")
        << "procedures" << "x" << "" << QStringList();
    QTest::newRow("MIME types: the middle row")
        << "mime" << "X/Y\n.x" << "1"
        << QStringList{"New type...", "Edit...", "Remove", "Cut", "Copy", "Paste", "Move up",
                       "Move down"};
    QTest::newRow("MIME types: nothing selected")
        << "mime" << "" << "" << QStringList{"New type..."};
}

// The buttons follow their commands: once they stayed enabled while the menu's entries were
// greyed out.
void TestEditorWindow::commandsCanActExactlyWhenEnabled()
{
    QFETCH(QString, editor);
    QFETCH(QString, clipboard);
    QFETCH(QString, select);
    QFETCH(QStringList, enabled);
    EditorOnFile on(editor);
    QGuiApplication::clipboard()->setText(clipboard);
    on.select(select);
    QCOMPARE(enabledCommands(*on.editor), enabled);
    QCOMPARE(control<QAbstractButton>(*on.editor, "editButton")->isEnabled(),
             enabled.contains(QStringLiteral("Edit...")));
    QCOMPARE(control<QAbstractButton>(*on.editor, "removeButton")->isEnabled(),
             enabled.contains(QStringLiteral("Remove")));
    QVERIFY(!on.editor->undoStack()->canUndo());
}

void TestEditorWindow::everyStepIsNamedAndUndone_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("shown"); // after the step

    QTest::newRow("toolbar: remove a tag")
        << "toolbar" << "0/0" << "Remove" << "Remove tag \"A1\"" << "A|A2:a2|B";
    QTest::newRow("toolbar: move a category down")
        << "toolbar" << "0" << "Move down" << "Move category \"A\" down" << "B|A|A1:a1|A2:a2";
    QTest::newRow("toolbar: cut a category")
        << "toolbar" << "1" << "Cut" << "Cut category \"B\"" << "A|A1:a1|A2:a2";
    QTest::newRow("toolbar: paste three tags")
        << "toolbar" << "1" << "paste 1:0:Z:z\n1:0:Y:y\n1:0:X:x" << "Paste 3 tags"
        << "A|A1:a1|A2:a2|B|X:x|Y:y|Z:z";
    QTest::newRow("procedures: move a procedure up")
        << "procedures" << "0/1" << "Move up" << "Move procedure \"b\" up" << "Misc|b|a|Output|c";
    QTest::newRow("procedures: paste one procedure")
        << "procedures" << "1/0" << "paste p\n#q" << "Paste procedure \"p\""
        << "Misc|a|b|Output|c|p";
    QTest::newRow("MIME types: remove a type")
        << "mime" << "2" << "Remove" << "Remove MIME type \"E/F\"" << "A/B|C/D";
    QTest::newRow("MIME types: paste two types")
        << "mime" << "0" << "paste x/y\n.x\nz/w\n.z" << "Paste 2 MIME types"
        << "A/B|x/y|z/w|C/D|E/F";
}

void TestEditorWindow::everyStepIsNamedAndUndone()
{
    QFETCH(QString, editor);
    QFETCH(QString, select);
    QFETCH(QString, command);
    QFETCH(QString, step);
    QFETCH(QString, shown);
    EditorOnFile on(editor);
    if (auto* tree = qobject_cast<QTreeView*>(&on.view()))
        tree->expandAll();
    const QString before = on.shown();
    on.select(select);
    DialogAnswerer answerer;
    if (command == QLatin1String("Remove"))
        answerer.expectMessage(QMessageBox::Yes);
    if (command.startsWith(QLatin1String("paste "))) {
        QGuiApplication::clipboard()->setText(command.mid(6));
        command = QStringLiteral("Paste");
    }
    ::command(*on.editor, command)->trigger();
    QCOMPARE(on.shown(), shown);
    QCOMPARE(on.editor->undoStack()->count(), 1);
    QCOMPARE(on.editor->undoStack()->undoText(), step);
    on.editor->undoStack()->undo();
    QCOMPARE(on.shown(), before);
    QCOMPARE(on.editor->undoStack()->redoText(), step);
    on.editor->undoStack()->redo();
    QCOMPARE(on.shown(), shown);
}

void TestEditorWindow::removalSelectsWhatTookItsPlace_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("selected"); // after the removal

    QTest::newRow("toolbar: the tag that took its place") << "toolbar" << "0/0" << "A2:a2";
    QTest::newRow("toolbar: else the tag before") << "toolbar" << "0/1" << "A1:a1";
    QTest::newRow("toolbar: the last category, the one before") << "toolbar" << "1" << "A";
    QTest::newRow("procedures: the only one, its section") << "procedures" << "1/0" << "Output";
    QTest::newRow("procedures: the next one") << "procedures" << "0/0" << "b";
    // It once cleared the selection, unlike the two trees.
    QTest::newRow("MIME types: the row that took its place") << "mime" << "0" << "C/D";
    QTest::newRow("MIME types: the last row, the one before") << "mime" << "2" << "C/D";
}

void TestEditorWindow::removalSelectsWhatTookItsPlace()
{
    QFETCH(QString, editor);
    QFETCH(QString, select);
    QFETCH(QString, selected);
    EditorOnFile on(editor);
    on.select(select);
    DialogAnswerer answerer;
    answerer.expectMessage(QMessageBox::Yes);
    click(*on.editor, "removeButton");
    QCOMPARE(on.selected(), selected);
}

void TestEditorWindow::keysAndMenuEndToEnd_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("script"); // a node's path selects it, "menu:X" picks X
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("toolbar")
        << "toolbar"
        << QStringList{"0/0", "A-Down", "A-Down", "C-c", "1",    "C-v", "menu:Cut",
                       "C-z", "C-S-z",  "C-z",    "0",   "C-x", "C-v"}
        << QByteArray("2:3:B\r\n1:2:A1:a1\r\n2:0:A\r\n1:2:A1:a1\r\n1:1:A2:a2\r\n")
        << "2:0:A\n1:2:A1:a1\n1:1:A2:a2\n";
    QTest::newRow("procedures")
        << "procedures"
        << QStringList{"0/0", "A-Down", "C-c", "1/0", "C-v", "A-Up", "C-z", "menu:Cut", "C-y"}
        << QByteArray("SECTION_0\r\nb\r\n#b\r\na\r\n#a\r\nSECTION_1\r\nc\r\n#c\r\n")
        << "a\n#a\n";
    QTest::newRow("MIME types")
        << "mime"
        << QStringList{"0", "A-Down", "C-c", "2", "C-v", "A-Up", "C-z", "0", "menu:Cut", "C-y"}
        << QByteArray("A/B\r\n.a\r\nE/F\r\n.e\r\nA/B\r\n.a\r\n") << "C/D\n.c\n";
}

// Moves, the clipboard and undo, by their keys and the context menu.
void TestEditorWindow::keysAndMenuEndToEnd()
{
    QFETCH(QString, editor);
    QFETCH(QStringList, script);
    QFETCH(QByteArray, written);
    QFETCH(QString, clipboard);
    EditorOnFile on(editor);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        on.view().setFocus();
        for (const QString& step : script) {
            if (step.startsWith(QLatin1String("menu:"))) {
                answerer.expectMenu(step.mid(5));
                press(on.view(), QStringLiteral("S-F10"));
            } else if (step.front().isDigit()) {
                on.select(step);
            } else {
                press(on.view(), step);
            }
        }
        clickOk(window);
    });
    QCOMPARE(Modal::exec(*on.editor), int(QDialog::Accepted));
    QCOMPARE(on.host.bytes(on.file), written);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void TestEditorWindow::okAsksWhatTheFileCallsFor_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("change"); // what happens before OK
    QTest::addColumn<int>("messages");   // at OK
    QTest::addColumn<int>("answer");     // to the question before writing; 0: none comes
    QTest::addColumn<bool>("stayedOpen");
    QTest::addColumn<QByteArray>("written");

    const QByteArray nul("A/B\r\n.a\r\n\0C/D\r\n.c\r\n", 18);
    const int yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("read whole: written, no question") << mimeFile << "" << 0 << 0 << false
                                                       << mimeFile;
    QTest::newRow("a NUL, No: stays open, file untouched") << nul << "" << 0 << no << true << nul;
    QTest::newRow("a NUL, Yes: the rows shown") << nul << "" << 0 << yes << false
                                                << QByteArray("A/B\r\n.a\r\n");
    QTest::newRow("changed on disk, No: stays open") << mimeFile << "changed" << 0 << no << true
                                                     << QByteArray("X\r\n.x\r\n");
    // The window once closed on a failed save, and everything done in it was lost.
    QTest::newRow("read-only file: error, stays open")
        << mimeFile << "read-only" << 1 << 0 << true << mimeFile;
    QTest::newRow("folder gone: error, stays open")
        << mimeFile << "folder gone" << 1 << 0 << true << QByteArray("<no file>");
}

void TestEditorWindow::okAsksWhatTheFileCallsFor()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, change);
    QFETCH(int, messages);
    QFETCH(int, answer);
    QFETCH(bool, stayedOpen);
    QFETCH(QByteArray, written);
    EditorOnFile on(QStringLiteral("mime"), file);
    const QString path = on.host.path(HostFile::MimeTypes);
    if (change == QLatin1String("changed"))
        writeBytes(path, "X\r\n.x\r\n");
    if (change == QLatin1String("read-only"))
        QFile::setPermissions(path, QFile::ReadOwner);
    if (change == QLatin1String("folder gone"))
        on.host.options.values[Opt_MIMEPraserCFG] = on.host.profile.hostPath("gone/m.cfg");
    if (getuid() == 0 && change == QLatin1String("read-only"))
        QSKIP("root writes a read-only file");
    DialogAnswerer answerer;
    bool open = false;
    answerer.expect([&](QDialog& window) {
        clickOk(window);
        open = window.isVisible();
        if (open)
            clickCancel(window);
    });
    for (int i = 0; i < messages; ++i)
        answerer.expectMessage();
    bool noIsTheDefault = false;
    if (answer)
        answerer.expect([&](QDialog& window) {
            auto& box = static_cast<QMessageBox&>(window);
            const QAbstractButton* no = box.button(QMessageBox::No);
            noIsTheDefault = no && box.defaultButton() == no;
            pressButton(box, QMessageBox::StandardButton(answer));
        });
    Modal::exec(*on.editor);
    QCOMPARE(open, stayedOpen);
    // Yes would lose what is on disk: Enter must not give it.
    QCOMPARE(noIsTheDefault, answer != 0);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(fileBytes(change == QLatin1String("folder gone")
                           ? on.host.options.values[Opt_MIMEPraserCFG]
                           : path),
             written);
}

void TestEditorWindow::textTheFileCannotKeepIsNoted_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("note"); // "" for none
    QTest::addColumn<QByteArray>("written");

    // OK with no edit once dropped this text without a word.
    QTest::newRow("toolbar: fields after the last")
        << "toolbar"
        << QByteArray("2:0:Cat:comment kept by the user\r\n1:007:cap:<a href=:tail>\r\n")
        << "2 lines hold text the file cannot keep; OK writes them without it|Line 1: "
           "\":comment kept by the user\" is not kept.\nLine 2: \":tail>\" is not kept."
        << QByteArray("2:0:Cat\r\n1:7:cap:<a href=\r\n");
    QTest::newRow("procedures: text after a section's digit")
        << "procedures" << QByteArray("SECTION_1xyz\r\na\r\n#a\r\n")
        << "1 line holds text the file cannot keep; OK writes it without it|Line 1: \"xyz\" is "
           "not kept."
        << QByteArray("SECTION_1\r\na\r\n#a\r\n");
    QTest::newRow("toolbar: rewrites that lose no text")
        << "toolbar" << QByteArray("3:0:C\n1: 7:T\r\n") << "" << QByteArray("2:0:C\r\n1:7:T:\r\n");
}

void TestEditorWindow::textTheFileCannotKeepIsNoted()
{
    QFETCH(QString, editor);
    QFETCH(QByteArray, file);
    QFETCH(QString, note);
    QFETCH(QByteArray, written);
    EditorOnFile on(editor, file);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        const auto* shown = window.findChild<QWidget*>(QStringLiteral("fileNote"));
        QCOMPARE(shown != nullptr, !note.isEmpty());
        if (shown) {
            auto* text = control<QLabel>(window, "fileNoteText");
            QCOMPARE(text->accessibleName(), note.section(QLatin1Char('|'), 0, 0));
            answerer.expectMessage();
            emit text->linkActivated(QStringLiteral("#"));
        }
        clickOk(window);
    });
    Modal::exec(*on.editor);
    if (!note.isEmpty())
        QVERIFY2(answerer.messages().value(0).endsWith(note.section(QLatin1Char('|'), 1)),
                 qPrintable(answerer.messages().value(0)));
    QCOMPARE(on.host.bytes(on.file), written);
}

void TestEditorWindow::copyLeftByACutSaveIsOfferedBack_data()
{
    QTest::addColumn<bool>("putBack");
    QTest::newRow("put back: an undo step, written at OK, the copy gone") << true;
    QTest::newRow("left: the file as it is, the copy kept") << false;
}

void TestEditorWindow::copyLeftByACutSaveIsOfferedBack()
{
    QFETCH(bool, putBack);
    TestHost host;
    host.write(HostFile::MimeTypes, "A/B\r\n.a\r\n"); // cut short, as it happens, at a pair
    const QString copy = host.path(HostFile::MimeTypes) + QStringLiteral(".halvex-backup-Ab12Cd");
    writeBytes(copy, mimeFile);
    DialogAnswerer answerer;
    answerer.expectMessage(putBack ? QMessageBox::Yes : QMessageBox::No);
    MimeTypesEditor editor(nullptr, host.options);
    QVERIFY2(answerer.messages().value(0).contains(displayPath(copy)),
             qPrintable(answerer.messages().value(0)));
    QCOMPARE(editor.undoStack()->count(), putBack ? 1 : 0);
    if (putBack) {
        editor.undoStack()->undo();
        editor.undoStack()->redo();
    }
    answerer.expect([](QDialog& window) { clickOk(window); });
    Modal::exec(editor);
    QCOMPARE(host.bytes(HostFile::MimeTypes), putBack ? mimeFile : QByteArray("A/B\r\n.a\r\n"));
    QCOMPARE(QFile::exists(copy), !putBack);
}

// The editors once had one size, too small for a real toolbar's tags.
void TestEditorWindow::editorOpensAtTheSizeItWasLeft()
{
    const QSize left(640, 430);
    EditorOnFile on(QStringLiteral("toolbar"));
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        window.resize(left);
        window.reject();
    });
    Modal::exec(*on.editor);
    ToolbarEditor again(nullptr, on.host.options);
    answerer.expect([&](QDialog& window) {
        QCOMPARE(window.size(), left);
        window.reject();
    });
    Modal::exec(again);
}

void TestEditorWindow::closingWithoutOkWritesNothing_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("how");
    for (const char* editor : {"toolbar", "procedures", "mime"}) {
        for (const char* how : {"Cancel", "Esc", "close box"})
            QTest::addRow("%s, %s", editor, how) << editor << how;
    }
}

void TestEditorWindow::closingWithoutOkWritesNothing()
{
    QFETCH(QString, editor);
    QFETCH(QString, how);
    EditorOnFile on(editor);
    const QByteArray before = on.host.bytes(on.file);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        on.select(editor == QLatin1String("procedures") ? "0/0" : "0");
        on.editor->cutSelected();
        if (how == QLatin1String("Cancel"))
            clickCancel(window);
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.close();
    });
    QCOMPARE(Modal::exec(*on.editor), int(QDialog::Rejected));
    QCOMPARE(on.host.bytes(on.file), before);
}

// Toolbar lines once pasted into the procedures editor as procedures.
void TestEditorWindow::anotherEditorsLinesAreRefused()
{
    EditorOnFile toolbar(QStringLiteral("toolbar"));
    toolbar.select(QStringLiteral("0/0"));
    toolbar.editor->copySelected();
    EditorOnFile procedures(QStringLiteral("procedures"));
    procedures.select(QStringLiteral("0"));
    DialogAnswerer answerer;
    answerer.expectMessage();
    procedures.editor->paste();
    QCOMPARE(answerer.messages().value(0),
             QStringLiteral("The clipboard holds lines of the HTML toolbar file, which cannot be "
                            "pasted here. Nothing was pasted."));
    QCOMPARE(procedures.editor->undoStack()->count(), 0);
    // Plain text from elsewhere still goes through the reader.
    QGuiApplication::clipboard()->setText(QStringLiteral("p\n#q"));
    procedures.editor->paste();
    QCOMPARE(procedures.editor->undoStack()->count(), 1);
}

// A node dropped into a closed category once stayed selected but hidden.
void TestEditorWindow::dropOpensItsTarget()
{
    EditorOnFile on(QStringLiteral("toolbar"));
    auto& tree = static_cast<QTreeView&>(on.view());
    tree.collapseAll();
    QAbstractItemModel& model = *tree.model();
    const QModelIndex category = model.index(1, 0);
    const std::unique_ptr<QMimeData> dragged(
        model.mimeData({model.index(0, 0, model.index(0, 0))}));
    QVERIFY(model.dropMimeData(dragged.get(), Qt::MoveAction, -1, 0, category));
    QVERIFY(tree.isExpanded(category));
    QCOMPARE(on.selected(), QStringLiteral("A1:a1"));
    QCOMPARE(tree.currentIndex().parent(), category);
}

void TestEditorWindow::findBarFiltersAndClears_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // while filtering
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("firstMatch");
    QTest::addColumn<bool>("escInList"); // else in the find bar's field

    // One Esc in the list once closed the editor as Cancel, the find bar still showing.
    QTest::newRow("toolbar: a tag's caption")
        << "toolbar" << "A2" << "A|A2:a2" << "1 of 4" << "A2:a2" << true;
    QTest::newRow("toolbar: a category, any case")
        << "toolbar" << "b" << "B" << "1 of 4" << "B" << false;
    // The file's "caption:tag" is not a text of the tag.
    QTest::newRow("toolbar: nothing") << "toolbar" << ":" << "" << "0 of 4" << "<none>" << true;
    QTest::newRow("procedures: a procedure")
        << "procedures" << "B" << "Misc|b" << "1 of 5" << "b" << true;
    QTest::newRow("procedures: a section")
        << "procedures" << "misc" << "Misc" << "1 of 5" << "Misc" << false;
    QTest::newRow("MIME types: a suffix") << "mime" << ".E" << "E/F" << "1 of 3" << "E/F" << true;
    QTest::newRow("MIME types: every type")
        << "mime" << "/" << "A/B|C/D|E/F" << "3 of 3" << "A/B" << false;
}

// Ctrl+F, typing, Down to the first match, Esc to clear (from the list or the field) and a
// second Esc to cancel, by keys.
void TestEditorWindow::findBarFiltersAndClears()
{
    QFETCH(QString, editor);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, counts);
    QFETCH(QString, firstMatch);
    QFETCH(bool, escInList);
    EditorOnFile on(editor);
    const QByteArray before = on.host.bytes(on.file);
    const QString everything = on.shown();
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        on.view().setFocus();
        press(on.view(), QStringLiteral("C-f"));
        auto* field = control<QLineEdit>(window, "findEdit");
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, typed);
        QCOMPARE(on.shown(), shown);
        QCOMPARE(control<QLabel>(window, "findCounts")->text(), counts);
        if (auto* tree = qobject_cast<QTreeView*>(&on.view())) {
            for (int row = 0; row < tree->model()->rowCount(); ++row)
                QVERIFY(tree->isExpanded(tree->model()->index(row, 0)));
        }
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(on.selected(), firstMatch);
        if (!escInList)
            field->setFocus();
        QTest::keyClick(escInList ? static_cast<QWidget*>(&on.view()) : field, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QVERIFY(!control<QWidget>(window, "findBar")->isVisible());
        QCOMPARE(on.shown(), everything);
        QCOMPARE(on.selected(), firstMatch);
        QVERIFY(on.view().hasFocus());
        QTest::keyClick(&on.view(), Qt::Key_Escape);
    });
    QCOMPARE(Modal::exec(*on.editor), int(QDialog::Rejected));
    QCOMPARE(on.host.bytes(on.file), before);
}

void TestEditorWindow::commandsActThroughTheFilter_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("select");  // a path in the filtered view
    QTest::addColumn<QString>("command"); // "paste X" pastes X; "" does nothing
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QString>("selectedAfter");
    QTest::addColumn<QByteArray>("written"); // by OK once the bar is closed

    QTest::newRow("toolbar: nothing done writes the hidden nodes too")
        << "toolbar" << "A2" << "0/0" << "" << "A|A2:a2" << "A2:a2" << toolbarFile;
    QTest::newRow("toolbar: edit a tag")
        << "toolbar" << "a1" << "0/0" << "Edit..." << "A|A12:a1" << "A12:a1"
        << QByteArray("2:0:A\r\n1:1:A2:a2\r\n1:2:A12:a1\r\n2:3:B\r\n");
    QTest::newRow("toolbar: a pasted tag stays shown")
        << "toolbar" << "B" << "0" << "paste 1:0:X:x" << "B|X:x" << "X:x"
        << QByteArray("2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n1:0:X:x\r\n");
    QTest::newRow("procedures: cut a procedure")
        << "procedures" << "B" << "0/0" << "Cut" << "" << "<none>"
        << QByteArray("SECTION_0\r\na\r\n#a\r\nSECTION_1\r\nc\r\n#c\r\n");
    QTest::newRow("procedures: paste into a matching section")
        << "procedures" << "output" << "0" << "paste p\n#q" << "Output|p" << "p"
        << QByteArray("SECTION_0\r\na\r\n#a\r\nb\r\n#b\r\nSECTION_1\r\nc\r\n#c\r\np\r\n#q\r\n");
    QTest::newRow("MIME types: remove the only match")
        << "mime" << "e" << "0" << "Remove" << "" << "<none>"
        << QByteArray("A/B\r\n.a\r\nC/D\r\n.c\r\n");
    QTest::newRow("MIME types: edit a type")
        << "mime" << "e/" << "0" << "Edit..." << "E/F2" << "E/F2"
        << QByteArray("A/B\r\n.a\r\nC/D\r\n.c\r\nE/F2\r\n.e\r\n");
}

// Commands act on the document's node that the filtered view shows selected, never on a row
// number of the view; moving is off while filtering, and undo and redo show their step's node.
void TestEditorWindow::commandsActThroughTheFilter()
{
    QFETCH(QString, editor);
    QFETCH(QString, typed);
    QFETCH(QString, select);
    QFETCH(QString, command);
    QFETCH(QString, shownAfter);
    QFETCH(QString, selectedAfter);
    QFETCH(QByteArray, written);
    EditorOnFile on(editor);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        on.editor->openFindBar();
        QTest::keyClicks(control<QLineEdit>(window, "findEdit"), typed);
        on.select(select);
        const QString shownBefore = on.shown();
        QAction* moveUp = ::command(*on.editor, QStringLiteral("Move up"));
        QVERIFY(!moveUp->isEnabled());
        QVERIFY(moveUp->toolTip().contains(QStringLiteral("find bar")));
        QCOMPARE(on.view().dragDropMode(), QAbstractItemView::NoDragDrop);
        press(on.view(), QStringLiteral("A-Up"));
        QCOMPARE(on.shown(), shownBefore);
        if (command == QLatin1String("Remove"))
            answerer.expectMessage(QMessageBox::Yes);
        if (command == QLatin1String("Edit...")) {
            answerer.expect([](QDialog& dialog) {
                QLineEdit* first = dialog.findChildren<QLineEdit*>().value(0);
                first->setText(first->text() + QLatin1Char('2'));
                clickOk(dialog);
            });
        }
        if (command.startsWith(QLatin1String("paste "))) {
            QGuiApplication::clipboard()->setText(command.mid(6));
            command = QStringLiteral("Paste");
        }
        if (!command.isEmpty()) {
            ::command(*on.editor, command)->trigger();
            QCOMPARE(on.shown(), shownAfter);
            QCOMPARE(on.selected(), selectedAfter);
            QVERIFY(on.shownParentsOpen());
            on.editor->undoStack()->undo();
            QCOMPARE(on.shown(), shownBefore);
            on.editor->undoStack()->redo();
        }
        QCOMPARE(on.shown(), shownAfter);
        QCOMPARE(on.selected(), selectedAfter);
        QTest::keyClick(control<QLineEdit>(window, "findEdit"), Qt::Key_Escape);
        QCOMPARE(on.view().dragDropMode(), QAbstractItemView::InternalMove);
        clickOk(window);
    });
    QCOMPARE(Modal::exec(*on.editor), int(QDialog::Accepted));
    QCOMPARE(on.host.bytes(on.file), written);
}

// Opening every parent of a large filtered tree at once stalled each letter typed for seconds.
void TestEditorWindow::manyMatchesOpenAsTheyComeIntoView()
{
    QByteArray bytes;
    for (int category = 0; category < 2500; ++category)
        bytes += "2:0:C\r\n" + QByteArray("1:0:T:t\r\n").repeated(9);
    EditorOnFile on(QStringLiteral("toolbar"), bytes);
    auto& tree = static_cast<QTreeView&>(on.view());
    on.editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(on.editor.get()));
    control<QLineEdit>(*on.editor, "findEdit")->setText(QStringLiteral("t"));
    const QAbstractItemModel& shown = *tree.model();
    QVERIFY(tree.isExpanded(shown.index(0, 0)));
    QVERIFY(!tree.isExpanded(shown.index(2499, 0)));
    tree.scrollToBottom();
    QModelIndex inView = tree.indexAt(QPoint(0, 0));
    inView = inView.parent().isValid() ? inView.parent() : inView;
    QVERIFY(inView.row() > 2000);
    QVERIFY(tree.isExpanded(inView));
}

HALVEX_TEST_MAIN(TestEditorWindow)
#include "tst_EditorWindow.moc"
