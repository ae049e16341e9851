#include "app/StartWindowUnit.h"
#include "common/HostOptions.h"
#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "procedures/ProceduresEditorWindowUnit.h"
#include "ProcsSamples.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "support/TreeDriver.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

// A host folder with the procedures file in it ("-" for none).
struct HostFolder
{
    QTemporaryDir dir;
    FakeOptions options;

    explicit HostFolder(const QByteArray& file)
    {
        options.values[Opt_AppPath] = dir.path() + QLatin1Char('/');
        if (file != "-")
            writeBytes(path(), file);
    }
    QString path() const { return dir.filePath(QStringLiteral("CstProcs.dat")); }
    QByteArray bytes() const { return fileBytes(path()); }
};

// The editor's controls, found as a person finds them: by what they are.
struct Panel
{
    QDialog& window;
    QTreeView* tree;
    QPlainTextEdit* preview;
    QPushButton* newCode;
    QPushButton* edit;
    QPushButton* remove;
    QPushButton* ok;
    QPushButton* cancel;

    explicit Panel(QDialog& editor)
        : window(editor), tree(control<QTreeView>(editor, "tvItems")),
          preview(control<QPlainTextEdit>(editor, "txtCode")),
          newCode(control<QPushButton>(editor, "btnNewCode")),
          edit(control<QPushButton>(editor, "btnEdit")),
          remove(control<QPushButton>(editor, "btnRemove")),
          ok(control<QPushButton>(editor, "btnOk")),
          cancel(control<QPushButton>(editor, "btnCancel"))
    {
    }

    QModelIndex node(int section, int procedure = -1) const
    {
        const QModelIndex item = tree->model()->index(section, 0);
        return procedure < 0 ? item : tree->model()->index(procedure, 0, item);
    }
    QString text(int section, int procedure = -1) const
    {
        return node(section, procedure).data().toString();
    }
    int procedures(int section) const { return tree->model()->rowCount(node(section)); }
    void select(int section, int procedure = -1) const
    {
        tree->setCurrentIndex(node(section, procedure));
    }
    QString selected() const { return selectedText(*tree); }
    QString shown() const { return preview->toPlainText(); }
};

int showEditor(const HostOptions& options)
{
    return showModalWindow<ProceduresEditorWindow>(nullptr, options);
}

// Answers the procedure dialog: records what it opened with, fills it in, presses OK.
DialogAnswerer::Answer fillProcedure(const QString& caption, const QString& code,
                                     QStringList* openedWith = nullptr)
{
    return [=](QDialog& window) {
        auto& dialog = dynamic_cast<ProcedurePropertiesWindow&>(window);
        if (openedWith)
            *openedWith = QStringList{dialog.caption(), dialog.code()};
        control<QLineEdit>(dialog, "txtCaption")->setText(caption);
        control<QPlainTextEdit>(dialog, "txtCode")->setPlainText(code);
        control<QPushButton>(dialog, "btnOk")->click();
    };
}

DialogAnswerer::Answer acceptProcedure(QStringList* openedWith = nullptr)
{
    return [=](QDialog& window) {
        auto& dialog = dynamic_cast<ProcedurePropertiesWindow&>(window);
        if (openedWith)
            *openedWith = QStringList{dialog.caption(), dialog.code()};
        control<QPushButton>(dialog, "btnOk")->click();
    };
}

DialogAnswerer::Answer cancelProcedure()
{
    return [](QDialog& window) { control<QPushButton>(window, "btnCancel")->click(); };
}

void checkAllAnswered(const DialogAnswerer& answerer)
{
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
}

// Misc with three procedures, Output with two, Input with one: absolute indexes 0 to 8.
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

} // namespace

class TestProceduresEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void controls_data();
    void controls();
    void tabOrderAndFirstFocus();
    void opensWithSectionsClosed();
    void previewFollowsTheSelection_data();
    void previewFollowsTheSelection();
    void newCodeGoesLastInItsSection_data();
    void newCodeGoesLastInItsSection();
    void typedMacroShowsAsTypedUntilTheSelectionMoves();
    void multiLineCodeIsOneLineInTheFile_data();
    void multiLineCodeIsOneLineInTheFile();
    void editChangesCaptionAndCode();
    void editWithoutChangesKeepsEveryByte();
    void procedureWithHashCaptionNeedsAnotherCaption();
    void commandsWithoutTheirNodeDoNothing_data();
    void commandsWithoutTheirNodeDoNothing();
    void removeShowsTheNewlySelectedCode_data();
    void removeShowsTheNewlySelectedCode();
    void removeAnsweredNoOrDialogCancelledChangesNothing();
    void cancelLeavesTheFileUntouched_data();
    void cancelLeavesTheFileUntouched();
    void okWithoutChangesAddsCodeLines();
    void partlyReadFileIsReplacedOnlyAfterAsking_data();
    void partlyReadFileIsReplacedOnlyAfterAsking();
    void failedSaveKeepsTheEditorOpenWithItsEdits();
    void missingFileOpensEmpty();
    void doubleClickEditsAndDeleteKeyRemoves();
    void collapsingMovesTheSelectionToTheSection();
    void startWindowOpensTheEditor();
    void editingByKeysMenuAndDrop();
};

void TestProceduresEditorWindow::windowFrame()
{
    HostFolder host(workedExample);
    ProceduresEditorWindow window(nullptr, host.options);
    QCOMPARE(window.windowTitle(), QStringLiteral("Edit standard procedures panel"));
    QCOMPARE(window.objectName(), QStringLiteral("TStdProcsPanelEditorWindow"));
    QCOMPARE(window.size(), QSize(439, 281));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* storage = window.findChild<PlacementStore*>(QStringLiteral("FormStorage1"));
    QVERIFY(storage);
    QVERIFY(storage->keyPath().endsWith(QStringLiteral("\\TStdProcsPanelEditorWindow")));
    Panel panel(window);
    QVERIFY(panel.tree->isHeaderHidden());
    QCOMPARE(panel.tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(panel.tree->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(panel.preview->isReadOnly());
    QVERIFY(QFontInfo(panel.preview->font()).fixedPitch());
    QCOMPARE(panel.preview->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(panel.preview->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(panel.ok->isDefault());
}

void TestProceduresEditorWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("tree, left top") << "tvItems"
                                    << "" << QRect(8, 8, 313, 145);
    QTest::newRow("preview below the tree") << "txtCode"
                                            << "" << QRect(8, 160, 313, 113);
    QTest::newRow("New code") << "btnNewCode"
                              << "New code" << QRect(331, 8, 100, 25);
    QTest::newRow("Edit") << "btnEdit"
                          << "Edit" << QRect(331, 40, 100, 25);
    QTest::newRow("Remove") << "btnRemove"
                            << "Remove" << QRect(331, 72, 100, 25);
    QTest::newRow("OK at the bottom") << "btnOk"
                                      << "OK" << QRect(331, 216, 100, 25);
    QTest::newRow("Cancel at the bottom") << "btnCancel"
                                          << "Cancel" << QRect(331, 248, 100, 25);
}

void TestProceduresEditorWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    HostFolder host(workedExample);
    ProceduresEditorWindow window(nullptr, host.options);
    QWidget* found = control<QWidget>(window, qPrintable(name));
    QCOMPARE(found->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(found)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->fontMetrics().horizontalAdvance(caption) + button->iconSize().width() + 8 <
                button->width());
    }
}

void TestProceduresEditorWindow::tabOrderAndFirstFocus()
{
    HostFolder host(workedExample);
    DialogAnswerer answerer;
    QString focused;
    QStringList order;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focused = window.focusWidget()->objectName();
        order = tabOrder(control<QWidget>(window, "tvItems"), 8);
        window.reject();
    });
    showEditor(host.options);
    QCOMPARE(focused, QStringLiteral("tvItems"));
    QCOMPARE(order, (QStringList{"tvItems", "btnNewCode", "btnEdit", "btnRemove", "btnOk",
                                 "btnCancel", "txtCode", "tvItems"}));
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::opensWithSectionsClosed()
{
    HostFolder host(workedExample + "SECTION_2\r\nSECTION_5\r\nx\r\n");
    DialogAnswerer answerer;
    QStringList sections;
    int expanded = 0;
    QString shown = QStringLiteral("?");
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        for (int i = 0; i < panel.tree->model()->rowCount(); ++i) {
            sections.append(panel.text(i) + QLatin1Char('/') +
                            QString::number(panel.procedures(i)));
            expanded += panel.tree->isExpanded(panel.node(i));
        }
        shown = panel.shown();
        window.reject();
    });
    showEditor(host.options);
    QCOMPARE(sections, (QStringList{"Misc/2", "Output/2", "Input/0", "/1"}));
    QCOMPARE(expanded, 0);
    QCOMPARE(shown, QString());
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::previewFollowsTheSelection_data()
{
    QTest::addColumn<QList<int>>("path"); // section, procedure; {} clears the selection
    QTest::addColumn<QString>("shown");

    QTest::newRow("code line decoded") << QList<int>{1, 1} << "print <<EOF;\n%1\nEOF";
    QTest::newRow("code equal to caption") << QList<int>{0, 1} << "%1--";
    QTest::newRow("section empties it") << QList<int>{1} << "";
    QTest::newRow("no selection empties it") << QList<int>{} << "";
}

void TestProceduresEditorWindow::previewFollowsTheSelection()
{
    QFETCH(QList<int>, path);
    QFETCH(QString, shown);
    HostFolder host(workedExample);
    DialogAnswerer answerer;
    QString seen = QStringLiteral("?");
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(1, 0);
        QCOMPARE(panel.shown(), QStringLiteral("print;"));
        if (path.isEmpty())
            panel.tree->clearSelection();
        else
            panel.select(path[0], path.value(1, -1));
        seen = panel.shown();
        window.reject();
    });
    showEditor(host.options);
    QCOMPARE(seen, shown);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::newCodeGoesLastInItsSection_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("first procedure of Output selected: index 7, after o2")
        << QList<int>{1, 0}
        << replaced(threeSections, "o2\r\n#c-o2\r\n", "o2\r\n#c-o2\r\nnew\r\n#l1%2l2\r\n") +
               "SECTION_5\r\n";
    QTest::newRow("section Input selected")
        << QList<int>{2} << threeSections + "new\r\n#l1%2l2\r\nSECTION_5\r\n";
    QTest::newRow("section without procedures")
        << QList<int>{3} << threeSections + "SECTION_5\r\nnew\r\n#l1%2l2\r\n";
}

void TestProceduresEditorWindow::newCodeGoesLastInItsSection()
{
    QFETCH(QList<int>, selected);
    QFETCH(QByteArray, written);
    HostFolder host(threeSections + "SECTION_5\r\n");
    DialogAnswerer answerer;
    QStringList openedWith;
    QString selectedAfter;
    QString shownAfter;
    bool expandedAfter = true;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(selected[0], selected.value(1, -1));
        panel.newCode->click();
        selectedAfter = panel.selected();
        shownAfter = panel.shown();
        expandedAfter =
            panel.tree->isExpanded(panel.node(2)) || panel.tree->isExpanded(panel.node(3));
        panel.ok->click();
    });
    answerer.expect(fillProcedure(QStringLiteral("new"), QStringLiteral("l1\r\nl2"), &openedWith));
    QCOMPARE(showEditor(host.options), int(QDialog::Accepted));
    QCOMPARE(host.bytes(), written);
    QCOMPARE(openedWith, (QStringList{"", ""}));
    QCOMPARE(selectedAfter,
             selected.size() == 2 ? QStringLiteral("o1") : (selected[0] == 2 ? "Input" : ""));
    QCOMPARE(shownAfter, QStringLiteral("l1\nl2"));
    QVERIFY(!expandedAfter);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::typedMacroShowsAsTypedUntilTheSelectionMoves()
{
    HostFolder host(threeSections);
    DialogAnswerer answerer;
    QStringList shown;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(2);
        panel.newCode->click();
        shown.append(panel.shown());
        panel.tree->setCurrentIndex(panel.node(2, 1));
        shown.append(panel.shown());
        panel.ok->click();
    });
    answerer.expect(fillProcedure(QStringLiteral("n"), QStringLiteral("a%2b")));
    showEditor(host.options);
    QCOMPARE(shown, (QStringList{"a%2b", "a\nb"}));
    QCOMPARE(host.bytes(), threeSections + "n\r\n#a%2b\r\n");
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::multiLineCodeIsOneLineInTheFile_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");

    QTest::newRow("Enter") << int(Qt::NoModifier) << int(Qt::Key_Return);
    QTest::newRow("Shift+Enter") << int(Qt::ShiftModifier) << int(Qt::Key_Return);
}

void TestProceduresEditorWindow::multiLineCodeIsOneLineInTheFile()
{
    QFETCH(int, modifiers);
    QFETCH(int, key);
    HostFolder host("SECTION_0\r\n");
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(0);
        panel.newCode->click();
        panel.ok->click();
    });
    answerer.expect([&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(control<QLineEdit>(dialog, "txtCaption"), "two lines");
        auto* code = control<QPlainTextEdit>(dialog, "txtCode");
        code->setFocus();
        QTest::keyClicks(code, "if (1) {");
        QTest::keyClick(code, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClicks(code, "  %1");
        QTest::keyClick(code, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClicks(code, "}");
        control<QPushButton>(dialog, "btnOk")->click();
    });
    showEditor(host.options);
    QCOMPARE(host.bytes(), QByteArray("SECTION_0\r\ntwo lines\r\n#if (1) {%2  %1%2}\r\n"));
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::editChangesCaptionAndCode()
{
    HostFolder host(workedExample);
    DialogAnswerer answerer;
    QStringList openedWith;
    QString caption;
    QString shown;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(1, 1);
        panel.edit->click();
        caption = panel.text(1, 1);
        shown = panel.shown();
        panel.ok->click();
    });
    answerer.expect(
        fillProcedure(QStringLiteral("here"), QStringLiteral("<<A;\r\n%1\r\nA"), &openedWith));
    showEditor(host.options);
    QCOMPARE(openedWith, (QStringList{"print <<EOF;", "print <<EOF;\r\n%1\r\nEOF"}));
    QCOMPARE(caption, QStringLiteral("here"));
    QCOMPARE(shown, QStringLiteral("<<A;\n%1\nA"));
    QCOMPARE(host.bytes(), replaced(workedExampleWritten, "print <<EOF;\r\n#print <<EOF;%2%1%2EOF",
                                    "here\r\n#<<A;%2%1%2A"));
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::editWithoutChangesKeepsEveryByte()
{
    const QByteArray longCaption(40000, 'w');
    const QByteArray file = "SECTION_0\r\n"
                            " caf\xe9\xa0\t\x81 \r\n#%%22\xa0%2\t\x81%2\r\n" +
                            longCaption + "\r\n#%2\r\n";
    HostFolder host(file);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(0, 0);
        panel.edit->click();
        panel.select(0, 1);
        panel.edit->click();
        panel.ok->click();
    });
    answerer.expect(acceptProcedure());
    answerer.expect(acceptProcedure());
    showEditor(host.options);
    QCOMPARE(host.bytes(), file);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::procedureWithHashCaptionNeedsAnotherCaption()
{
    HostFolder host("SECTION_0\r\n#x\r\n#code\r\n");
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(0, 0);
        panel.edit->click();
        panel.edit->click();
        panel.ok->click();
    });
    bool stayedOpen = false;
    answerer.expect([&](QDialog& dialog) {
        control<QPushButton>(dialog, "btnOk")->click();
        stayedOpen = dialog.isVisible();
        control<QPushButton>(dialog, "btnCancel")->click();
    });
    answerer.expectMessage();
    answerer.expect(fillProcedure(QStringLiteral("x"), QStringLiteral("code")));
    showEditor(host.options);
    QVERIFY(stayedOpen);
    QCOMPARE(answerer.messages(), QStringList{"First char in caption can't be \"#\""});
    QCOMPARE(host.bytes(), QByteArray("SECTION_0\r\nx\r\n#code\r\n"));
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::commandsWithoutTheirNodeDoNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("selected");

    QTest::newRow("New code, nothing selected") << "btnNewCode" << QList<int>{};
    QTest::newRow("Edit, nothing selected") << "btnEdit" << QList<int>{};
    QTest::newRow("Edit, section selected") << "btnEdit" << QList<int>{1};
    QTest::newRow("Remove, nothing selected") << "btnRemove" << QList<int>{};
    QTest::newRow("Remove, section selected") << "btnRemove" << QList<int>{1};
}

void TestProceduresEditorWindow::commandsWithoutTheirNodeDoNothing()
{
    QFETCH(QString, command);
    QFETCH(QList<int>, selected);
    HostFolder host(workedExampleWritten);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        if (selected.isEmpty())
            panel.tree->selectionModel()->clear();
        else
            panel.select(selected[0]);
        control<QPushButton>(window, qPrintable(command))->click();
        panel.ok->click();
    });
    showEditor(host.options);
    QCOMPARE(host.bytes(), workedExampleWritten);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::removeShowsTheNewlySelectedCode_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QString>("selectedAfter");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("middle one: the next takes its place")
        << threeSections << QList<int>{0, 1} << "m3"
        << "c-m3" << replaced(threeSections, "m2\r\n#c-m2%2two\r\n", "");
    QTest::newRow("first one: the next, whose code moved up")
        << threeSections << QList<int>{0, 0} << "m2"
        << "c-m2\ntwo" << replaced(threeSections, "m1\r\n#c-m1\r\n", "");
    QTest::newRow("last of its section: the one before")
        << threeSections << QList<int>{1, 1} << "o1"
        << "c-o1" << replaced(threeSections, "o2\r\n#c-o2\r\n", "");
    QTest::newRow("only one: the section, header alone")
        << threeSections << QList<int>{2, 0} << "Input"
        << "" << replaced(threeSections, "i1\r\n#c-i1\r\n", "");
    QTest::newRow("before the last node: the last node, its entry moved down")
        << threeSections + "i2\r\n#c-i2\r\n"
        << QList<int>{2, 0} << "i2"
        << "c-i2" << threeSections.left(threeSections.indexOf("i1")) + "i2\r\n#c-i2\r\n";
}

void TestProceduresEditorWindow::removeShowsTheNewlySelectedCode()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, removed);
    QFETCH(QString, selectedAfter);
    QFETCH(QString, shownAfter);
    QFETCH(QByteArray, written);
    HostFolder host(file);
    DialogAnswerer answerer;
    QString selected;
    QString shown;
    QStringList shownWhileRemoving;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(removed[0], removed[1]);
        // Every text the preview takes on the way, so that one read from a half-removed tree shows.
        QObject::connect(panel.preview, &QPlainTextEdit::textChanged, &window,
                         [&] { shownWhileRemoving.append(panel.shown()); });
        panel.remove->click();
        selected = panel.selected();
        shown = panel.shown();
        panel.ok->click();
    });
    answerer.expectMessage(QMessageBox::Yes);
    showEditor(host.options);
    QCOMPARE(answerer.messages(), QStringList{"Remove selected code?"});
    QCOMPARE(selected, selectedAfter);
    QCOMPARE(shown, shownAfter);
    shownWhileRemoving.removeDuplicates();
    QCOMPARE(shownWhileRemoving, QStringList{shownAfter});
    QCOMPARE(host.bytes(), written);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::removeAnsweredNoOrDialogCancelledChangesNothing()
{
    HostFolder host(threeSections);
    DialogAnswerer answerer;
    QString shown;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(0, 1);
        panel.remove->click();
        panel.edit->click();
        panel.newCode->click();
        shown = panel.shown();
        panel.ok->click();
    });
    answerer.expectMessage(QMessageBox::No);
    answerer.expect(cancelProcedure());
    answerer.expect(cancelProcedure());
    showEditor(host.options);
    QCOMPARE(shown, QStringLiteral("c-m2\ntwo"));
    QCOMPARE(host.bytes(), threeSections);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::cancelLeavesTheFileUntouched_data()
{
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Esc") << true;
}

void TestProceduresEditorWindow::cancelLeavesTheFileUntouched()
{
    QFETCH(bool, byEsc);
    HostFolder host(workedExample);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(0, 0);
        panel.newCode->click();
        panel.remove->click();
        if (byEsc)
            QTest::keyClick(panel.tree, Qt::Key_Escape);
        else
            panel.cancel->click();
    });
    answerer.expect(fillProcedure(QStringLiteral("n"), QStringLiteral("c")));
    answerer.expectMessage(QMessageBox::Yes);
    QCOMPARE(showEditor(host.options), int(QDialog::Rejected));
    QCOMPARE(host.bytes(), workedExample);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::okWithoutChangesAddsCodeLines()
{
    HostFolder host(workedExample);
    DialogAnswerer answerer;
    answerer.expect([](QDialog& window) { Panel(window).ok->click(); });
    QCOMPARE(showEditor(host.options), int(QDialog::Accepted));
    QCOMPARE(host.bytes(), workedExampleWritten);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::partlyReadFileIsReplacedOnlyAfterAsking_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loadError");
    QTest::addColumn<QByteArray>("writtenOnYes");

    QTest::newRow("bad header") << QByteArray("SECTION_0\r\nA\r\n#a\r\nSECTION_x\r\nB\r\n") << true
                                << QByteArray("SECTION_0\r\nA\r\n#a\r\n");
    QTest::newRow("procedure before the first header")
        << QByteArray("A\r\nSECTION_0\r\nB\r\n") << true << QByteArray();
    QTest::newRow("NUL byte") << QByteArray("SECTION_0\r\nA\r\n#a\r\nB\0b\r\nC\r\n", 25) << false
                              << QByteArray("SECTION_0\r\nA\r\n#a\r\nB\r\n#B\r\n");
    // Its box once showed a large "Loaded OK" and hid the rest of the error.
    QTest::newRow("markup in a bad header")
        << QByteArray("SECTION_0\r\nA\r\n#a\r\nSECTION_<h1>Loaded OK</h1><!--\r\nB\r\n") << true
        << QByteArray("SECTION_0\r\nA\r\n#a\r\n");
}

void TestProceduresEditorWindow::partlyReadFileIsReplacedOnlyAfterAsking()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loadError);
    QFETCH(QByteArray, writtenOnYes);
    for (const bool yes : {false, true}) {
        HostFolder host(file);
        DialogAnswerer answerer;
        if (loadError)
            answerer.expectMessage();
        bool stayedOpen = false;
        answerer.expect([&](QDialog& window) {
            Panel(window).ok->click();
            stayedOpen = window.isVisible();
            if (stayedOpen)
                window.reject();
        });
        answerer.expectMessage(yes ? QMessageBox::Yes : QMessageBox::No);
        showEditor(host.options);
        QCOMPARE(stayedOpen, !yes);
        QCOMPARE(host.bytes(), yes ? writtenOnYes : file);
        QVERIFY(answerer.messages().constLast().contains(QDir::toNativeSeparators(host.path())));
        if (loadError)
            QVERIFY2(answerer.messages().first().contains(u"stopped at this line"),
                     qPrintable(answerer.messages().first()));
        checkAllAnswered(answerer);
    }
}

void TestProceduresEditorWindow::failedSaveKeepsTheEditorOpenWithItsEdits()
{
    HostFolder host(workedExampleWritten);
    QFile::setPermissions(host.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    DialogAnswerer answerer;
    bool stayedOpen = false;
    QString kept;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(1);
        panel.newCode->click();
        panel.ok->click();
        stayedOpen = window.isVisible();
        kept = panel.text(1, 2);
        QFile::setPermissions(host.path(), QFile::ReadOwner | QFile::WriteOwner);
        panel.ok->click();
    });
    answerer.expect(fillProcedure(QStringLiteral("kept"), QStringLiteral("k")));
    answerer.expectMessage();
    QCOMPARE(showEditor(host.options), int(QDialog::Accepted));
    QVERIFY(stayedOpen);
    QCOMPARE(kept, QStringLiteral("kept"));
    QCOMPARE(answerer.messages().size(), 1);
    QVERIFY2(answerer.messages()[0].contains(QStringLiteral("read-only")),
             qPrintable(answerer.messages()[0]));
    QCOMPARE(host.bytes(), workedExampleWritten + "kept\r\n#k\r\n");
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::missingFileOpensEmpty()
{
    HostFolder host("-");
    DialogAnswerer answerer;
    answerer.expectMessage();
    int nodes = -1;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        nodes = panel.tree->model()->rowCount();
        panel.newCode->click();
        panel.edit->click();
        panel.remove->click();
        panel.ok->click();
    });
    QCOMPARE(showEditor(host.options), int(QDialog::Accepted));
    QCOMPARE(nodes, 0);
    QVERIFY(answerer.messages().value(0).contains(QDir::toNativeSeparators(host.path())));
    QCOMPARE(host.bytes(), QByteArray());
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::doubleClickEditsAndDeleteKeyRemoves()
{
    HostFolder host(threeSections);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        panel.tree->expandAll();
        const auto doubleClick = [&](const QModelIndex& item) {
            const QPoint at = panel.tree->visualRect(item).center();
            QTest::mouseClick(panel.tree->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(panel.tree->viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(panel.node(1, 0));
        doubleClick(panel.node(1));
        // Back from the procedure dialog, the editor is active again only once the system says so.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        panel.tree->setFocus();
        panel.select(0, 0);
        QTest::keyClick(panel.tree, Qt::Key_Delete);
        panel.select(2);
        QTest::keyClick(panel.tree, Qt::Key_Delete);
        panel.ok->click();
    });
    answerer.expect(fillProcedure(QStringLiteral("o1"), QStringLiteral("clicked")));
    answerer.expectMessage(QMessageBox::Yes);
    showEditor(host.options);
    QCOMPARE(answerer.messages(), QStringList{"Remove selected code?"});
    QCOMPARE(host.bytes(),
             replaced(replaced(threeSections, "m1\r\n#c-m1\r\n", ""), "#c-o1", "#clicked"));
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::collapsingMovesTheSelectionToTheSection()
{
    HostFolder host(threeSections);
    DialogAnswerer answerer;
    QString selected;
    QString shown = QStringLiteral("?");
    answerer.expect([&](QDialog& window) {
        Panel panel(window);
        panel.select(0, 2);
        panel.tree->collapse(panel.node(0));
        selected = panel.selected();
        shown = panel.shown();
        panel.remove->click();
        panel.ok->click();
    });
    showEditor(host.options);
    QCOMPARE(selected, QStringLiteral("Misc"));
    QCOMPARE(shown, QString());
    QCOMPARE(host.bytes(), threeSections);
    checkAllAnswered(answerer);
}

void TestProceduresEditorWindow::startWindowOpensTheEditor()
{
    TestProfile profile;
    profile.setValues({{Opt_AppPath, profile.hostPath(QString())}});
    writeBytes(profile.hostPath(QStringLiteral("CstProcs.dat")), workedExample);
    DialogAnswerer answerer;
    QString opened;
    int sections = 0;
    answerer.expect([&](QDialog& window) {
        opened = window.objectName();
        sections = Panel(window).tree->model()->rowCount();
        window.reject();
    });
    StartWindow start;
    start.runCreateHandler();
    control<QPushButton>(start, "btnStdProcsEditor")->click();
    QCOMPARE(opened, QStringLiteral("TStdProcsPanelEditorWindow"));
    QCOMPARE(sections, 2);
    checkAllAnswered(answerer);
}

// Moves (by keys, the menu and a drop), the clipboard and undo, end to end.
void TestProceduresEditorWindow::editingByKeysMenuAndDrop()
{
    HostFolder host(threeSections);
    DialogAnswerer answerer;
    QString shownAfterPaste;
    answerer.expect([&](QDialog& window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Panel panel(window);
        QAbstractItemModel& model = *panel.tree->model();
        panel.tree->setFocus();
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(panel.tree, key, modifiers);
        };
        panel.select(0, 0);
        press(Qt::Key_Down, Qt::AltModifier); // m1 below m2
        press(Qt::Key_C, Qt::ControlModifier);
        panel.select(2);
        press(Qt::Key_V, Qt::ControlModifier); // last in Input
        shownAfterPaste = panel.shown();
        // A drop of o2 onto Misc, as the view hands it to the model; then undone.
        std::unique_ptr<QMimeData> dragged(model.mimeData({panel.node(1, 1)}));
        QVERIFY(model.dropMimeData(dragged.get(), Qt::MoveAction, -1, 0, panel.node(0)));
        QCOMPARE(panel.text(0, 3), QStringLiteral("o2"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(panel.selected(), QStringLiteral("o2"));
        // What the window system makes of the Menu key: an event to the window, which Qt hands
        // to the widget with the focus (once only the viewport was listened to).
        answerer.expectMenu(QStringLiteral("Move up"));
        panel.tree->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  panel.tree->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(panel.tree->window()->windowHandle(), &menuKey);
        panel.ok->click();
    });
    showEditor(host.options);
    checkAllAnswered(answerer);
    QCOMPARE(shownAfterPaste, QStringLiteral("c-m1"));
    QCOMPARE(host.bytes(),
             QByteArray("SECTION_0\r\nm2\r\n#c-m2%2two\r\nm1\r\n#c-m1\r\nm3\r\n#c-m3\r\n"
                        "SECTION_1\r\no2\r\n#c-o2\r\no1\r\n#c-o1\r\n"
                        "SECTION_2\r\ni1\r\n#c-i1\r\nm1\r\n#c-m1\r\n"));
}

HALVEX_TEST_MAIN(TestProceduresEditorWindow)
#include "tst_ProceduresEditorWindow.moc"
