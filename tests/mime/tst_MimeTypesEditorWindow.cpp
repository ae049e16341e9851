#include "app/StartWindowUnit.h"
#include "common/HostOptions.h"
#include "mime/MimeTypesEditorWindowUnit.h"
#include "mime/MimeTypesModel.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "support/UndoStepCheck.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QTableView>

namespace {

const QString removeQuestion = QStringLiteral("Remove selected type?");
const QByteArray threeTypes = "A/B\r\n.b\r\nC/D\r\n.d\r\nE/F\r\n.f\r\n";

QPushButton* button(QWidget& window, const QString& name)
{
    return window.findChild<QPushButton*>(name);
}

QTableView& list(QWidget& window)
{
    return *window.findChild<QTableView*>(QStringLiteral("lvItems"));
}

QPoint rowCentre(QWidget& window, int row)
{
    QTableView& view = list(window);
    return view.visualRect(view.model()->index(row, 0)).center();
}

// An editor on a file in a temporary folder, created as the start window creates it.
struct EditorOnFile
{
    QTemporaryDir dir;
    FakeOptions options;
    QString path;
    std::unique_ptr<MimeTypesEditorWindow> editor;

    explicit EditorOnFile(const QByteArray& bytes)
        : path(dir.path() + QStringLiteral("/MIME types.cfg"))
    {
        options.values[Opt_MIMEPraserCFG] = path;
        if (bytes != "-")
            writeBytes(path, bytes);
    }
    MimeTypesEditorWindow& create()
    {
        editor = std::make_unique<MimeTypesEditorWindow>(nullptr, options);
        editor->runCreateHandler();
        return *editor;
    }
};

// Answers the properties dialog: records what its fields showed as "type|suffix", then types
// typed ("type|suffix") and presses OK, or presses Cancel when typed is "cancel".
DialogAnswerer::Answer answerProperties(QStringList& shown, const QString& typed)
{
    return [&shown, typed](QDialog& window) {
        auto* type = window.findChild<QLineEdit*>(QStringLiteral("txtMIMEType"));
        auto* suffix = window.findChild<QLineEdit*>(QStringLiteral("txtSuffix"));
        shown.append(window.objectName() + QLatin1Char(':') + type->text() + QLatin1Char('|') +
                     suffix->text());
        if (typed == QLatin1String("cancel")) {
            button(window, QStringLiteral("btnCancel"))->click();
            return;
        }
        type->setText(typed.section(QLatin1Char('|'), 0, 0));
        suffix->setText(typed.section(QLatin1Char('|'), 1));
        button(window, QStringLiteral("btnOk"))->click();
    };
}

// Runs one step of a session in the open editor, as a person would:
// "unselect" leaves no row selected; "select N" clicks row N (from 1); "new >T|S", "edit SHOWN>T|S"
// and "double N SHOWN>T|S" open the dialog and expect it to show SHOWN (empty for new), then type
// T|S or "cancel"; "edit nothing" expects no dialog; "remove yes|no|nothing" and "delete yes|no"
// answer the question, or expect none.
void runStep(QDialog& editor, DialogAnswerer& answerer, QStringList& shown, const QString& step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString rest = step.section(QLatin1Char(' '), 1);
    QTableView& view = list(editor);
    if (verb == QLatin1String("unselect")) {
        view.clearSelection();
    } else if (verb == QLatin1String("select")) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rowCentre(editor, rest.toInt() - 1));
    } else if (verb == QLatin1String("double")) {
        const QPoint at = rowCentre(editor, rest.section(QLatin1Char(' '), 0, 0).toInt() - 1);
        answerer.expect(answerProperties(shown, rest.section(QLatin1Char('>'), 1)));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    } else if (rest == QLatin1String("nothing")) {
        button(editor, verb == QLatin1String("edit") ? QStringLiteral("btnEdit")
                                                     : QStringLiteral("btnRemove"))
            ->click();
    } else if (verb == QLatin1String("new") || verb == QLatin1String("edit")) {
        answerer.expect(answerProperties(shown, rest.section(QLatin1Char('>'), 1)));
        button(editor, verb == QLatin1String("new") ? QStringLiteral("btnNewType")
                                                    : QStringLiteral("btnEdit"))
            ->click();
    } else {
        answerer.expectMessage(rest == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
        if (verb == QLatin1String("delete")) {
            // As the window manager does when a message box closes.
            editor.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            QCOMPARE(QApplication::focusWidget(), &view);
            QTest::keyClick(&view, Qt::Key_Delete);
        } else
            button(editor, QStringLiteral("btnRemove"))->click();
    }
}

// What the steps expect the dialogs to show, in the form answerProperties records.
QStringList expectedShown(const QStringList& steps)
{
    QStringList shown;
    for (const QString& step : steps) {
        if (step.contains(QLatin1Char('>')))
            shown.append(QStringLiteral("TMIMETypePropertiesWindow:") +
                         step.section(QLatin1Char('>'), 0, 0).section(QLatin1Char(' '), -1));
    }
    return shown;
}

} // namespace

class TestMimeTypesEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void controls_data();
    void controls();
    void tabOrderAndFirstFocus();
    void opensCentredThenKeepsItsPlace();
    void commands_data();
    void commands();
    void closingWithoutOkLeavesTheFile_data();
    void closingWithoutOkLeavesTheFile();
    void missingFileOpensEmptyAndOkCreatesIt();
    void fileReadInPartAsksBeforeReplacing_data();
    void fileReadInPartAsksBeforeReplacing();
    void failedSaveKeepsEditorOpenWithRows_data();
    void failedSaveKeepsEditorOpenWithRows();
    void okWritesWhereTheHostSaysNow();
    void selectionStaysVisibleUnderTheDialog();
    void startWindowOpensTheEditor();
    void millionLineFile();
    void editingByKeysAndMenu();
};

void TestMimeTypesEditorWindow::windowFrame()
{
    EditorOnFile on(threeTypes);
    MimeTypesEditorWindow& editor = on.create();
    QCOMPARE(editor.windowTitle(), QStringLiteral("MIME types"));
    QCOMPARE(editor.size(), QSize(394, 247));
    QCOMPARE(editor.minimumSize(), editor.maximumSize());
    QVERIFY(!editor.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QTableView& view = list(editor);
    QCOMPARE(view.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("MIME type"));
    QCOMPARE(view.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Extension"));
    QCOMPARE(view.columnWidth(0), 150);
    QCOMPARE(view.columnWidth(1), 115);
    QVERIFY(view.showGrid());
    QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view.model()->rowCount(), 3);
    QVERIFY(editor.findChild<PlacementStore*>()->keyPath().endsWith(
        QStringLiteral("\\TMIMETypesEditor")));
}

void TestMimeTypesEditorWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("OK") << "btnOk"
                        << "OK" << QRect(288, 184, 100, 25);
    QTest::newRow("Cancel") << "btnCancel"
                            << "Cancel" << QRect(288, 216, 100, 25);
    QTest::newRow("New type") << "btnNewType"
                              << "New type" << QRect(288, 8, 100, 25);
    QTest::newRow("Edit") << "btnEdit"
                          << "Edit" << QRect(288, 40, 100, 25);
    QTest::newRow("Remove") << "btnRemove"
                            << "Remove" << QRect(288, 72, 100, 25);
    QTest::newRow("list") << "lvItems"
                          << "" << QRect(8, 8, 274, 233);
}

void TestMimeTypesEditorWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    EditorOnFile on(threeTypes);
    MimeTypesEditorWindow& editor = on.create();
    QWidget* control = editor.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto* push = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(push->text(), caption);
        QVERIFY(!push->icon().isNull());
        QVERIFY(push->fontMetrics().horizontalAdvance(caption) + push->iconSize().width() + 8 <
                push->width());
    }
}

void TestMimeTypesEditorWindow::tabOrderAndFirstFocus()
{
    EditorOnFile on(threeTypes);
    MimeTypesEditorWindow& editor = on.create();
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QCOMPARE(editor.focusWidget(), button(editor, QStringLiteral("btnOk")));
    QVERIFY(button(editor, QStringLiteral("btnOk"))->isDefault());
    QStringList order;
    QWidget* widget = editor.focusWidget();
    for (int i = 0; i < 7; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order, (QStringList{"btnOk", "btnCancel", "btnNewType", "btnEdit", "btnRemove",
                                 "lvItems", "btnOk"}));
}

void TestMimeTypesEditorWindow::opensCentredThenKeepsItsPlace()
{
    TestProfile profile;
    EditorOnFile on(threeTypes);
    DialogAnswerer answerer;
    QPoint firstCentre;
    answerer.expect([&](QDialog& window) {
        firstCentre = window.frameGeometry().center();
        window.move(40, 50);
        button(window, QStringLiteral("btnCancel"))->click();
    });
    Modal::exec(on.create());
    QVERIFY(qAbs(firstCentre.x() - on.editor->screen()->availableGeometry().center().x()) <= 1);
    QVERIFY(qAbs(firstCentre.y() - on.editor->screen()->availableGeometry().center().y()) <= 1);
    QPoint reopened;
    answerer.expect([&](QDialog& window) {
        reopened = window.pos();
        window.reject();
    });
    Modal::exec(on.create());
    QCOMPARE(reopened, QPoint(40, 50));
    QVERIFY(answerer.surprises().isEmpty());
}

void TestMimeTypesEditorWindow::commands_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("new type goes last, exactly as typed but the type's case")
        << threeTypes << QStringList{"new |> text/x |.X "} << threeTypes + " TEXT/X \r\n.X \r\n";
    QTest::newRow("new type with empty fields writes two empty lines")
        << threeTypes << QStringList{"new |>|"} << threeTypes + "\r\n\r\n";
    QTest::newRow("new type cancelled adds nothing")
        << threeTypes << QStringList{"new |>cancel"} << threeTypes;
    QTest::newRow("new type leaves the selection on its row")
        << threeTypes << QStringList{"select 1", "new |>N/N|.n", "edit A/B|.b>X/X|.x"}
        << QByteArray("X/X\r\n.x\r\nC/D\r\n.d\r\nE/F\r\n.f\r\nN/N\r\n.n\r\n");
    QTest::newRow("edit shows the row as read and replaces it in place")
        << QByteArray("A/B\r\n.b\r\nc/d\r\n.D\r\n") << QStringList{"select 2", "edit c/d|.D>e/f|.F"}
        << QByteArray("A/B\r\n.b\r\nE/F\r\n.F\r\n");
    QTest::newRow("edit cancelled keeps the row")
        << threeTypes << QStringList{"select 2", "edit C/D|.d>cancel"} << threeTypes;
    QTest::newRow("edit with nothing selected shows nothing")
        << threeTypes << QStringList{"unselect", "edit nothing"} << threeTypes;
    QTest::newRow("double-click edits the row")
        << threeTypes << QStringList{"double 3 E/F|.f>G/H|.h"}
        << QByteArray("A/B\r\n.b\r\nC/D\r\n.d\r\nG/H\r\n.h\r\n");
    QTest::newRow("remove answered Yes deletes the selected row")
        << threeTypes << QStringList{"select 2", "remove yes"}
        << QByteArray("A/B\r\n.b\r\nE/F\r\n.f\r\n");
    QTest::newRow("remove answered No keeps the row")
        << threeTypes << QStringList{"select 2", "remove no"} << threeTypes;
    QTest::newRow("remove with nothing selected asks nothing")
        << threeTypes << QStringList{"unselect", "remove nothing"} << threeTypes;
    QTest::newRow("after a removal no row is selected")
        << threeTypes << QStringList{"select 1", "remove yes", "edit nothing", "remove nothing"}
        << QByteArray("C/D\r\n.d\r\nE/F\r\n.f\r\n");
    QTest::newRow("Delete key asks like Remove")
        << threeTypes << QStringList{"select 3", "delete no", "delete yes"}
        << QByteArray("A/B\r\n.b\r\nC/D\r\n.d\r\n");
    QTest::newRow("removing every row writes zero bytes")
        << QByteArray("A/B\r\n.b\r\n") << QStringList{"select 1", "remove yes"} << QByteArray();
    QTest::newRow("duplicates and blanks are not refused")
        << QByteArray("A/B\r\n.b\r\n") << QStringList{"new |>a/b| b", "new |>a/b| b"}
        << QByteArray("A/B\r\n.b\r\nA/B\r\n b\r\nA/B\r\n b\r\n");
}

void TestMimeTypesEditorWindow::commands()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, written);
    EditorOnFile on(file);
    DialogAnswerer answerer;
    QStringList shown;
    answerer.expect([&](QDialog& editor) {
        for (const QString& step : steps) {
            const UndoStepCheck undoable(list(editor), [&editor] {
                const auto& model = dynamic_cast<const MimeTypesModel&>(*list(editor).model());
                return writeMimeTypes(model.document(), QStringLiteral("t.cfg"));
            });
            runStep(editor, answerer, shown, step);
            undoable.verify();
        }
        button(editor, QStringLiteral("btnOk"))->click();
    });
    QCOMPARE(Modal::exec(on.create()), int(QDialog::Accepted));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
    QCOMPARE(shown, expectedShown(steps));
    for (const QString& message : answerer.messages())
        QCOMPARE(message, removeQuestion);
    QCOMPARE(fileBytes(on.path), written);
}

void TestMimeTypesEditorWindow::closingWithoutOkLeavesTheFile_data()
{
    QTest::addColumn<int>("how"); // 0 Cancel button, 1 Esc, 2 close box
    QTest::newRow("Cancel button") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestMimeTypesEditorWindow::closingWithoutOkLeavesTheFile()
{
    QFETCH(int, how);
    EditorOnFile on(threeTypes);
    DialogAnswerer answerer;
    QStringList shown;
    answerer.expect([&](QDialog& editor) {
        for (const char* step :
             {"new |>x/y|.z", "select 1", "remove yes", "select 1", "edit C/D|.d>q|r"})
            runStep(editor, answerer, shown, QString::fromLatin1(step));
        if (how == 0)
            button(editor, QStringLiteral("btnCancel"))->click();
        else if (how == 1)
            QTest::keyClick(&list(editor), Qt::Key_Escape);
        else
            editor.close();
    });
    QCOMPARE(Modal::exec(on.create()), int(QDialog::Rejected));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QCOMPARE(list(*on.editor).model()->rowCount(), 3);
    QCOMPARE(fileBytes(on.path), threeTypes);
}

void TestMimeTypesEditorWindow::missingFileOpensEmptyAndOkCreatesIt()
{
    EditorOnFile on("-");
    DialogAnswerer answerer;
    answerer.expectMessage();
    MimeTypesEditorWindow& editor = on.create();
    QCOMPARE(answerer.messages().size(), 1);
    QVERIFY2(answerer.messages()[0].contains(QDir::toNativeSeparators(on.path)),
             qPrintable(answerer.messages()[0]));
    QCOMPARE(list(editor).model()->rowCount(), 0);
    QStringList shown;
    answerer.expect([&](QDialog& window) {
        runStep(window, answerer, shown, QStringLiteral("new |>text/plain|.txt"));
        button(window, QStringLiteral("btnOk"))->click();
    });
    QCOMPARE(Modal::exec(editor), int(QDialog::Accepted));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QCOMPARE(answerer.messages().size(), 1);
    QCOMPARE(fileBytes(on.path), QByteArray("TEXT/PLAIN\r\n.txt\r\n"));
}

void TestMimeTypesEditorWindow::fileReadInPartAsksBeforeReplacing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("written"); // empty: the file keeps its bytes

    const QByteArray withNul("A/B\r\n.b\r\nC/D\0\r\n.d\r\n", 19);
    QTest::newRow("NUL byte, No: editor stays, file untouched")
        << withNul << false << int(QMessageBox::No) << QByteArray();
    QTest::newRow("NUL byte, Yes: replaced by the rows shown")
        << withNul << false << int(QMessageBox::Yes) << QByteArray("A/B\r\n.b\r\n");
    QTest::newRow("no read access, No: editor stays, file untouched")
        << QByteArray("A/B\r\n.b\r\n") << true << int(QMessageBox::No) << QByteArray();
}

void TestMimeTypesEditorWindow::fileReadInPartAsksBeforeReplacing()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, unreadable);
    QFETCH(int, answer);
    QFETCH(QByteArray, written);
    EditorOnFile on(file);
    DialogAnswerer answerer;
    if (unreadable) {
        QFile(on.path).setPermissions(QFileDevice::WriteOwner);
        if (QFile(on.path).open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");
        answerer.expectMessage();
    }
    MimeTypesEditorWindow& editor = on.create();
    bool stayedOpen = false;
    answerer.expect([&](QDialog& window) {
        answerer.expectMessage(QMessageBox::StandardButton(answer));
        button(window, QStringLiteral("btnOk"))->click();
        stayedOpen = window.isVisible();
        if (stayedOpen)
            button(window, QStringLiteral("btnCancel"))->click();
    });
    Modal::exec(editor);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
    QCOMPARE(answerer.messages().size(), unreadable ? 2 : 1);
    QVERIFY(answerer.messages().last().contains(QDir::toNativeSeparators(on.path)));
    QCOMPARE(stayedOpen, written.isEmpty());
    QFile(on.path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(fileBytes(on.path), written.isEmpty() ? file : written);
}

void TestMimeTypesEditorWindow::failedSaveKeepsEditorOpenWithRows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("spoil"); // 0 nothing, 1 file read-only, 2 path into a missing folder
    QTest::addColumn<QString>("named");

    QTest::newRow("a character the code page cannot hold")
        << QString::fromUtf8("text/Ω|.x") << 0 << QString::fromUtf8("\"Ω\"");
    QTest::newRow("read-only file") << "x/y|.z" << 1 << "read-only";
    QTest::newRow("folder gone") << "x/y|.z" << 2 << "missing";
}

void TestMimeTypesEditorWindow::failedSaveKeepsEditorOpenWithRows()
{
    QFETCH(QString, typed);
    QFETCH(int, spoil);
    QFETCH(QString, named);
    EditorOnFile on(threeTypes);
    DialogAnswerer answerer;
    MimeTypesEditorWindow& editor = on.create();
    if (spoil == 1)
        QFile(on.path).setPermissions(QFileDevice::ReadOwner);
    if (spoil == 2)
        on.options.values[Opt_MIMEPraserCFG] = on.dir.path() + QStringLiteral("/missing/t.cfg");
    bool stayedOpen = false;
    int rows = 0;
    answerer.expect([&](QDialog& window) {
        QStringList shown;
        runStep(window, answerer, shown, QStringLiteral("new |>") + typed);
        answerer.expectMessage();
        button(window, QStringLiteral("btnOk"))->click();
        stayedOpen = window.isVisible();
        rows = list(window).model()->rowCount();
        button(window, QStringLiteral("btnCancel"))->click();
    });
    QCOMPARE(Modal::exec(editor), int(QDialog::Rejected));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(stayedOpen);
    QCOMPARE(rows, 4);
    QCOMPARE(answerer.messages().size(), 1);
    QVERIFY2(answerer.messages()[0].contains(named), qPrintable(answerer.messages()[0]));
    QCOMPARE(fileBytes(on.path), threeTypes);
}

void TestMimeTypesEditorWindow::okWritesWhereTheHostSaysNow()
{
    EditorOnFile on(threeTypes);
    MimeTypesEditorWindow& editor = on.create();
    const QString moved = on.dir.path() + QStringLiteral("/moved.cfg");
    on.options.values[Opt_MIMEPraserCFG] = moved;
    DialogAnswerer answerer;
    answerer.expect([](QDialog& window) { button(window, QStringLiteral("btnOk"))->click(); });
    QCOMPARE(Modal::exec(editor), int(QDialog::Accepted));
    QCOMPARE(fileBytes(moved), threeTypes);
}

// The buttons act on the selected row, so it must still show while a dialog has the focus.
void TestMimeTypesEditorWindow::selectionStaysVisibleUnderTheDialog()
{
    // Styles and desktops that grey the selection of an inactive window.
    const QPalette oldPalette = QApplication::palette();
    QPalette greying = oldPalette;
    greying.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
    QApplication::setPalette(greying);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(oldPalette); });
    EditorOnFile on(threeTypes);
    DialogAnswerer answerer;
    QColor underDialog;
    QColor highlight;
    QStringList shown;
    answerer.expect([&](QDialog& editor) {
        runStep(editor, answerer, shown, QStringLiteral("select 2"));
        highlight = list(editor).palette().color(QPalette::Active, QPalette::Highlight);
        answerer.expect([&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTableView& view = list(editor);
            const QRect cell = view.visualRect(view.model()->index(1, 1));
            underDialog =
                view.viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y());
            dialog.reject();
        });
        button(editor, QStringLiteral("btnEdit"))->click();
        editor.reject();
    });
    Modal::exec(on.create());
    QVERIFY(answerer.allAnswered());
    QCOMPARE(underDialog, highlight);
}

void TestMimeTypesEditorWindow::startWindowOpensTheEditor()
{
    TestProfile profile;
    profile.setValues({{Opt_MIMEPraserCFG, profile.hostPath(QStringLiteral("MIME; types.cfg"))}});
    writeBytes(profile.hostPath(QStringLiteral("MIME; types.cfg")), threeTypes);
    StartWindow start;
    start.runCreateHandler();
    DialogAnswerer answerer;
    QString opened;
    int rows = 0;
    answerer.expect([&](QDialog& window) {
        opened = describeWindow(window);
        rows = list(window).model()->rowCount();
        window.reject();
    });
    button(start, QStringLiteral("btnMIMETypes"))->click();
    QCOMPARE(opened, QStringLiteral("TMIMETypesEditor"));
    QCOMPARE(rows, 3);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

// Half a million rows load and save in linear time; anything quadratic would take hours.
void TestMimeTypesEditorWindow::millionLineFile()
{
    QByteArray file;
    QByteArray written;
    for (int i = 0; i < 500000; ++i) {
        const QByteArray n = QByteArray::number(i % 1000);
        file += "application/x-type" + n + "\r\n.ext" + n + "\r\n";
        written += "APPLICATION/X-TYPE" + n + "\r\n.ext" + n + "\r\n";
    }
    EditorOnFile on(file);
    QElapsedTimer timer;
    timer.start();
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& editor) {
        QStringList shown;
        runStep(editor, answerer, shown, QStringLiteral("select 2"));
        runStep(editor, answerer, shown, QStringLiteral("remove no"));
        button(editor, QStringLiteral("btnOk"))->click();
    });
    QCOMPARE(Modal::exec(on.create()), int(QDialog::Accepted));
    qInfo("opened, shown and saved in %lld ms", timer.elapsed());
    QVERIFY(timer.elapsed() < 60000);
    QVERIFY(fileBytes(on.path) == written);
}

// Moves, the clipboard and undo, by their keys and a right click's menu, end to end.
void TestMimeTypesEditorWindow::editingByKeysAndMenu()
{
    EditorOnFile on(threeTypes);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& editor) {
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTableView& view = list(editor);
        view.setFocus();
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(&view, key, modifiers);
        };
        view.selectRow(0);
        press(Qt::Key_Down, Qt::AltModifier); // A/B below C/D
        press(Qt::Key_C, Qt::ControlModifier);
        view.selectRow(2);
        press(Qt::Key_V, Qt::ControlModifier); // a copy of A/B last
        press(Qt::Key_Up, Qt::AltModifier);
        press(Qt::Key_Z, Qt::ControlModifier); // the move up undone
        answerer.expectMenu(QStringLiteral("Cut"));
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, rowCentre(editor, 0),
                                     view.viewport()->mapToGlobal(rowCentre(editor, 0)));
        view.selectRow(0);
        QApplication::sendEvent(view.viewport(), &rightClick); // C/D cut
        press(Qt::Key_Y, Qt::ControlModifier);                 // nothing left to redo
        button(editor, QStringLiteral("btnOk"))->click();
    });
    QCOMPARE(Modal::exec(on.create()), int(QDialog::Accepted));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QCOMPARE(answerer.menus().size(), 1);
    QCOMPARE(fileBytes(on.path), QByteArray("A/B\r\n.b\r\nE/F\r\n.f\r\nA/B\r\n.b\r\n"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("C/D\n.d\n"));
}

HALVEX_TEST_MAIN(TestMimeTypesEditorWindow)
#include "tst_MimeTypesEditorWindow.moc"
