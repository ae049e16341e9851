#include "app/StartWindowUnit.h"
#include "common/Modal.h"
#include "platform/AppError.h"
#include "platform/ExternalProgram.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "support/TreeDriver.h"
#include "support/UndoStepCheck.h"
#include "toolbar/ImageList.h"
#include "toolbar/ToolbarEditorWindowUnit.h"
#include "toolbar/ToolbarModel.h"
#include "ToolbarTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTreeView>

namespace {

using Editor = ToolbarEditorWindow;

const QByteArray noFile = "<no file>"; // what fileBytes gives for a missing file
// A(A1:a1, A2:a2), B()
const QByteArray twoCategories = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n";
const QString removeQuestion = QStringLiteral("Remove selected tag/category");

// A private profile with a toolbar file and an image strip, and the options that name them.
struct Host
{
    TestProfile profile;
    FakeOptions options;
    QString cfg = profile.hostPath(QStringLiteral("HTML toolbar.cfg"));
    QString strip = profile.hostPath(QStringLiteral("HTML toolbar.bmp"));

    explicit Host(const QByteArray& file, int stripWidth = 192)
    {
        options.values[Opt_HTMLToolbarCFG] = cfg;
        options.values[Opt_HTMLToolbarGlyphs] = strip;
        if (file != noFile)
            writeBytes(cfg, file);
        if (stripWidth > 0)
            writeStrip(strip, stripWidth, 16);
    }
};

// Opens the editor as the start window does; `use` is the person in front of it: it queues
// the answers to what it opens, presses buttons, and closes the editor.
int runEditor(const HostOptions& options, DialogAnswerer& answerer,
              const std::function<void(Editor&)>& use)
{
    Editor editor(nullptr, options);
    editor.runCreateHandler();
    answerer.expect([&](QDialog&) { use(editor); });
    return Modal::exec(editor);
}

QTreeView* tree(const QWidget& editor)
{
    return control<QTreeView>(editor, QStringLiteral("tvItems"));
}

const ImageList& images(const QWidget& editor)
{
    return *control<ImageList>(editor, QStringLiteral("ImageList1"));
}

// A property dialog filled in and closed: "caption|tag|number|ok" for a tag,
// "caption|number|cancel" for a category.
DialogAnswerer::Answer fillIn(const QString& answer)
{
    return [answer](QDialog& dialog) {
        const QStringList parts = answer.split(QLatin1Char('|'));
        control<QLineEdit>(dialog, QStringLiteral("txtCaption"))->setText(parts[0]);
        if (parts.size() == 4)
            control<QLineEdit>(dialog, QStringLiteral("txtTag"))->setText(parts[1]);
        control<QSpinBox>(dialog, QStringLiteral("spnImageIndex"))
            ->setValue(parts[parts.size() - 2].toInt());
        click(dialog, parts.last() == QLatin1String("ok") ? "btnOk" : "btnCancel");
    };
}

void runCommand(Editor& editor, const QString& command)
{
    QTreeView* tv = tree(editor);
    if (command == QLatin1String("double-click")) {
        const QPoint centre = tv->visualRect(tv->currentIndex()).center();
        // What a person's double-click sends.
        QTest::mouseClick(tv->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(tv->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(tv->viewport(), Qt::LeftButton, {}, centre);
    } else if (command == QLatin1String("Delete key")) {
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        tv->setFocus();
        QTest::keyClick(tv, Qt::Key_Delete);
    } else {
        click(editor, qPrintable(command));
    }
}

// Whether the node's row on screen holds a pixel of that colour.
bool rowShows(QTreeView* tv, const QModelIndex& node, const QColor& colour)
{
    const QImage shot = tv->viewport()->grab().toImage();
    const QRect row = tv->visualRect(node);
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            if (shot.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestToolbarEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void controls_data();
    void controls();
    void windowTabOrderAndPlacement();
    void startWindowOpensTheEditor();
    void createLoadsStripAndToolbar_data();
    void createLoadsStripAndToolbar();
    void stripFailureStillLoadsTheToolbar_data();
    void stripFailureStillLoadsTheToolbar();
    void nodesShowTheirImages();
    void commands_data();
    void commands();
    void imageIndexThroughTheDialogs_data();
    void imageIndexThroughTheDialogs();
    void closingWithoutOkWritesNothing_data();
    void closingWithoutOkWritesNothing();
    void partlyReadFileIsReplacedOnlyOnYes_data();
    void partlyReadFileIsReplacedOnlyOnYes();
    void failedSaveKeepsTheEditorOpen_data();
    void failedSaveKeepsTheEditorOpen();
    void editImages_data();
    void editImages();
    void imagesFollowTheSettingOnlyAfterUpdate();
    void viewImagesOfAStripThatDoesNotLoad();
    void editingByKeysAndMenu();

private:
    QStringList m_opened; // by the desktop's program, which no test ever starts
    bool m_noProgram = false;
};

void TestToolbarEditorWindow::initTestCase()
{
    // As the start window sets them for the whole run.
    PlacementStore::setUseApplicationTitle(true);
    PlacementStore::setCompanyName(QStringLiteral("TarvelSoftware"));
    ExternalProgram::setHook([this](const QString& path) {
        if (m_noProgram)
            throw AppError(QStringLiteral("Cannot open \"%1\": no program").arg(path));
        m_opened.append(path);
    });
}

void TestToolbarEditorWindow::cleanupTestCase()
{
    ExternalProgram::setHook({});
}

void TestToolbarEditorWindow::init()
{
    m_opened.clear();
    m_noProgram = false;
}

void TestToolbarEditorWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("geometry");

    QTest::newRow("tree") << "tvItems"
                          << ""
                          << "8,8 297x257";
    QTest::newRow("new tag") << "btnNewTag"
                             << "New tag"
                             << "312,8 100x25";
    QTest::newRow("new category") << "btnNewCategory"
                                  << "New category"
                                  << "312,40 100x25";
    QTest::newRow("edit images") << "btnEditGlyps"
                                 << "Edit images"
                                 << "312,72 100x25";
    QTest::newRow("view images") << "btnViewGlyphs"
                                 << "View images"
                                 << "312,104 100x25";
    QTest::newRow("edit") << "btnEdit"
                          << "Edit"
                          << "312,136 100x25";
    QTest::newRow("remove") << "btnRemove"
                            << "Remove"
                            << "312,168 100x25";
    QTest::newRow("OK") << "btnOk"
                        << "OK"
                        << "312,208 100x25";
    QTest::newRow("cancel") << "btnCancel"
                            << "Cancel"
                            << "312,240 100x25";
}

void TestToolbarEditorWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, geometry);
    Host host(twoCategories);
    Editor editor(nullptr, host.options);
    QWidget* found = control(editor, name);
    QCOMPARE(geometryOf(*found), geometry);
    if (auto* button = qobject_cast<QPushButton*>(found)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(captionFits(*button));
    }
}

void TestToolbarEditorWindow::windowTabOrderAndPlacement()
{
    Host host(twoCategories);
    DialogAnswerer answerer;
    {
        QSettings ini(host.profile.folder() +
                          "/config/TarvelSoftware/Tarvel Halvex configuration.ini",
                      QSettings::IniFormat);
        ini.setValue(QStringLiteral("THTMLToolbarEditorWindow/Left"), 33);
        ini.setValue(QStringLiteral("THTMLToolbarEditorWindow/Top"), 44);
    }
    runEditor(host.options, answerer, [&](Editor& editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("Edit HTML toolbar"));
        QCOMPARE(editor.size(), QSize(417, 272));
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QCOMPARE(editor.geometry().topLeft(), QPoint(33, 44));
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QCOMPARE(QApplication::focusWidget(), tree(editor));
        QCOMPARE(tabOrder(tree(editor), 10),
                 (QStringList{"tvItems", "btnNewTag", "btnNewCategory", "btnEditGlyps", "btnEdit",
                              "btnRemove", "btnOk", "btnCancel", "btnViewGlyphs", "tvItems"}));
        QCOMPARE(tree(editor)->indentation(), 21);
        QCOMPARE(tree(editor)->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(control<QPushButton>(editor, QStringLiteral("btnOk"))->isDefault());
        editor.setGeometry(QRect(QPoint(120, 80), editor.size()));
        click(editor, "btnCancel");
    });
    QSettings ini(host.profile.folder() + "/config/TarvelSoftware/Tarvel Halvex configuration.ini",
                  QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("THTMLToolbarEditorWindow/Left")).toInt(), 120);
    QVERIFY(ini.contains(QStringLiteral("THTMLToolbarEditorWindow/State")));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::startWindowOpensTheEditor()
{
    TestProfile profile;
    const QString cfg = profile.hostPath(QStringLiteral("t.cfg"));
    const QString strip = profile.hostPath(QStringLiteral("t.bmp"));
    profile.setValues({{Opt_HTMLToolbarCFG, cfg}, {Opt_HTMLToolbarGlyphs, strip}});
    writeBytes(cfg, twoCategories);
    writeStrip(strip, 64, 16);
    StartWindow start;
    start.runCreateHandler();
    start.show();
    DialogAnswerer answerer;
    int categories = 0;
    int imageCount = 0;
    answerer.expect([&](QDialog& editor) {
        categories = childCount(*tree(editor));
        imageCount = images(editor).count();
        select(*tree(editor), QStringLiteral("1"));
        click(editor, "btnRemove");
        click(editor, "btnOk");
    });
    answerer.expectMessage(QMessageBox::Yes);
    click(start, "btnEditHTML");
    QCOMPARE(categories, 2);
    QCOMPARE(imageCount, 4);
    QCOMPARE(fileBytes(cfg), QByteArray("2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n"));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::createLoadsStripAndToolbar_data()
{
    QTest::addColumn<int>("stripWidth");
    QTest::addColumn<int>("count");

    QTest::newRow("192 pixels: 12 images") << 192 << 12;
    QTest::newRow("200 pixels: 12 images") << 200 << 12;
    QTest::newRow("320 pixels: 20 images") << 320 << 20;
}

void TestToolbarEditorWindow::createLoadsStripAndToolbar()
{
    QFETCH(int, stripWidth);
    QFETCH(int, count);
    Host host(twoCategories, stripWidth);
    Editor editor(nullptr, host.options);
    editor.runCreateHandler();
    QCOMPARE(images(editor).count(), count);
    QCOMPARE(images(editor).image(count - 1).toImage().pixelColor(8, 8), stripColour(count - 1));
    QCOMPARE(childCount(*tree(editor)), 2);
    QCOMPARE(textAt(*tree(editor), "0/0"), QStringLiteral("A1:a1"));
}

void TestToolbarEditorWindow::stripFailureStillLoadsTheToolbar_data()
{
    QTest::addColumn<QString>("stripSetting"); // "missing", "empty", or a size "15x16"
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("messages"); // %1: the strip, %2: the toolbar file
    QTest::addColumn<QByteArray>("written");

    const QString tooSmall = "The image strip \"%1\" is %3 pixels: it must be at least 16 pixels "
                             "wide and 16 pixels high to hold one image, so the editor shows no "
                             "images.";
    QTest::newRow("missing strip")
        << "missing" << twoCategories
        << QStringList{"Cannot load the image strip \"%1\": the file does not exist."}
        << twoCategories;
    QTest::newRow("no strip setting")
        << "empty" << twoCategories
        << QStringList{"Cannot load the image strip: no file name is set in the host's settings."}
        << twoCategories;
    QTest::newRow("strip too narrow")
        << "15x16" << twoCategories << QStringList{QString(tooSmall).replace("%3", "15 x 16")}
        << twoCategories;
    QTest::newRow("strip too low")
        << "192x15" << twoCategories << QStringList{QString(tooSmall).replace("%3", "192 x 15")}
        << twoCategories;
    QTest::newRow("both missing: two errors, strip first")
        << "missing" << noFile
        << QStringList{"Cannot load the image strip \"%1\": the file does not exist.",
                       "Cannot read \"%2\": No such file or directory."}
        << QByteArray();
}

void TestToolbarEditorWindow::stripFailureStillLoadsTheToolbar()
{
    QFETCH(QString, stripSetting);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, written);
    Host host(file, 0);
    if (stripSetting == QLatin1String("empty"))
        host.options.values[Opt_HTMLToolbarGlyphs].clear();
    const QStringList size = stripSetting.split(QLatin1Char('x'));
    if (size.size() == 2)
        writeStrip(host.strip, size[0].toInt(), size[1].toInt());
    DialogAnswerer answerer;
    for (int i = 0; i < messages.size(); ++i) {
        answerer.expectMessage();
        messages[i] = messages[i]
                          .replace("%1", QDir::toNativeSeparators(host.strip))
                          .replace("%2", QDir::toNativeSeparators(host.cfg));
    }
    int categories = -1;
    runEditor(host.options, answerer, [&](Editor& editor) {
        categories = childCount(*tree(editor));
        QCOMPARE(images(editor).count(), 0);
        click(editor, "btnOk");
    });
    QCOMPARE(answerer.messages(), messages);
    QCOMPARE(categories, file == noFile ? 0 : 2);
    QCOMPARE(fileBytes(host.cfg), written);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::nodesShowTheirImages()
{
    Host host("2:1:A\r\n1:2:T:t\r\n2:99:B\r\n2:-1:C\r\n");
    DialogAnswerer answerer;
    runEditor(host.options, answerer, [&](Editor& editor) {
        QTreeView* tv = tree(editor);
        tv->expandAll();
        QVERIFY(rowShows(tv, nodeAt(*tv, "0"), stripColour(1)));
        QVERIFY(rowShows(tv, nodeAt(*tv, "0/0"), stripColour(2)));
        QVERIFY(!rowShows(tv, nodeAt(*tv, "0"), stripColour(2)));
        for (int i = 0; i < 12; ++i) {
            QVERIFY(!rowShows(tv, nodeAt(*tv, "1"), stripColour(i)));
            QVERIFY(!rowShows(tv, nodeAt(*tv, "2"), stripColour(i)));
        }
        // Selected, the node shows the same image.
        select(*tv, QStringLiteral("0"));
        QVERIFY(rowShows(tv, nodeAt(*tv, "0"), stripColour(1)));
        writeStrip(host.strip, 192, 16, 1);
        answerer.expect([](QDialog& prompt) { click(prompt, "btnUpdate"); });
        click(editor, "btnEditGlyps");
        QVERIFY(rowShows(tv, nodeAt(*tv, "0/0"), stripColour(2, 1)));
        QVERIFY(!rowShows(tv, nodeAt(*tv, "0/0"), stripColour(2)));
        click(editor, "btnCancel");
    });
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::commands_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer"); // for the dialog or the question; "" when none opens
    QTest::addColumn<QByteArray>("written");

    const QByteArray aTail = "1:1:A2:a2\r\n1:2:A1:a1\r\n";
    QTest::newRow("new tag goes last under the selected category")
        << twoCategories << "0"
        << "btnNewTag"
        << "T|<t>%1|5|ok"
        << "2:0:A\r\n1:4:T:<t>%1\r\n" + aTail + "2:3:B\r\n";
    QTest::newRow("new tag with a tag selected goes last in its category")
        << twoCategories << "0/0"
        << "btnNewTag"
        << "T|t|5|ok"
        << "2:0:A\r\n1:4:T:t\r\n" + aTail + "2:3:B\r\n";
    QTest::newRow("new tag under an empty category") << twoCategories << "1"
                                                     << "btnNewTag"
                                                     << "||1|ok" << twoCategories + "1:0::\r\n";
    QTest::newRow("new tag cancelled") << twoCategories << "1"
                                       << "btnNewTag"
                                       << "T|t|5|cancel" << twoCategories;
    QTest::newRow("new tag without a selection does nothing") << twoCategories << ""
                                                              << "btnNewTag"
                                                              << "" << twoCategories;
    QTest::newRow("new tag in an empty tree does nothing") << QByteArray() << ""
                                                           << "btnNewTag"
                                                           << "" << QByteArray();
    QTest::newRow("new category goes last, a tag selected")
        << twoCategories << "0/1"
        << "btnNewCategory"
        << "C|2|ok" << twoCategories + "2:1:C\r\n";
    QTest::newRow("new category without a selection") << QByteArray() << ""
                                                      << "btnNewCategory"
                                                      << "C|12|ok" << QByteArray("2:11:C\r\n");
    QTest::newRow("new category cancelled") << twoCategories << ""
                                            << "btnNewCategory"
                                            << "C|2|cancel" << twoCategories;
    QTest::newRow("edit a category: it keeps its tags") << twoCategories << "0"
                                                        << "btnEdit"
                                                        << "Z|7|ok"
                                                        << "2:6:Z\r\n" + aTail + "2:3:B\r\n";
    QTest::newRow("edit a tag: caption, tag and image")
        << twoCategories << "0/1"
        << "btnEdit"
        << "X|x|1|ok" << QByteArray("2:0:A\r\n1:0:X:x\r\n1:2:A1:a1\r\n2:3:B\r\n");
    QTest::newRow("edit cancelled") << twoCategories << "0/0"
                                    << "btnEdit"
                                    << "X|x|9|cancel" << twoCategories;
    QTest::newRow("edit without a selection does nothing") << twoCategories << ""
                                                           << "btnEdit"
                                                           << "" << twoCategories;
    QTest::newRow("double-click edits") << twoCategories << "1"
                                        << "double-click"
                                        << "Y|1|ok"
                                        << "2:0:A\r\n" + aTail + "2:0:Y\r\n";
    QTest::newRow("remove a tag") << twoCategories << "0/0"
                                  << "btnRemove"
                                  << "yes" << QByteArray("2:0:A\r\n1:1:A2:a2\r\n2:3:B\r\n");
    QTest::newRow("remove a category with its tags") << twoCategories << "0"
                                                     << "btnRemove"
                                                     << "yes" << QByteArray("2:3:B\r\n");
    QTest::newRow("remove answered No") << twoCategories << "0"
                                        << "btnRemove"
                                        << "no" << twoCategories;
    QTest::newRow("Delete key removes after the question") << twoCategories << "1"
                                                           << "Delete key"
                                                           << "yes"
                                                           << "2:0:A\r\n" + aTail;
    QTest::newRow("remove without a selection asks nothing") << twoCategories << ""
                                                             << "btnRemove"
                                                             << "" << twoCategories;
}

void TestToolbarEditorWindow::commands()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, selected);
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QByteArray, written);
    Host host(file);
    DialogAnswerer answerer;
    const bool question = answer == QLatin1String("yes") || answer == QLatin1String("no");
    runEditor(host.options, answerer, [&](Editor& editor) {
        select(*tree(editor), selected);
        if (question)
            answerer.expectMessage(answer == QLatin1String("yes") ? QMessageBox::Yes
                                                                  : QMessageBox::No);
        else if (!answer.isEmpty())
            answerer.expect(fillIn(answer));
        const UndoStepCheck undoable(*tree(editor), [&editor] {
            const auto& model = dynamic_cast<const ToolbarModel&>(*tree(editor)->model());
            return writeToolbar(model.document(), QStringLiteral("t.cfg"));
        });
        runCommand(editor, command);
        undoable.verify();
        click(editor, "btnOk");
    });
    QCOMPARE(fileBytes(host.cfg), written);
    QCOMPARE(answerer.messages(), question ? QStringList{removeQuestion} : QStringList());
    QVERIFY(answerer.allAnswered());
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::imageIndexThroughTheDialogs_data()
{
    QTest::addColumn<int>("stripWidth"); // 0: no strip
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("spin"); // "value min..max", "-" when disabled
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("edit shows the index counted from 1")
        << 192 << QByteArray("2:4:C\r\n") << "btnEdit"
        << "5 1..12" << QByteArray("2:4:C\r\n");
    QTest::newRow("edit a tag") << 192 << QByteArray("2:4:C\r\n1:7:T:t\r\n") << "btnEdit"
                                << "8 1..12" << QByteArray("2:4:C\r\n1:7:T:t\r\n");
    QTest::newRow("the last image") << 192 << QByteArray("2:11:C\r\n") << "btnEdit"
                                    << "12 1..12" << QByteArray("2:11:C\r\n");
    QTest::newRow("beyond the strip: onto the last image")
        << 192 << QByteArray("2:99:C\r\n") << "btnEdit"
        << "12 1..12" << QByteArray("2:11:C\r\n");
    QTest::newRow("negative: onto the first image") << 192 << QByteArray("2:-3:C\r\n") << "btnEdit"
                                                    << "1 1..12" << QByteArray("2:0:C\r\n");
    QTest::newRow("320 strip: maximum 20") << 320 << QByteArray("2:5:C\r\n") << "btnEdit"
                                           << "6 1..20" << QByteArray("2:5:C\r\n");
    QTest::newRow("new tag starts at the first image")
        << 192 << QByteArray("2:4:C\r\n") << "btnNewTag"
        << "1 1..12" << QByteArray("2:4:C\r\n1:0::\r\n");
    QTest::newRow("new category starts at the first image")
        << 192 << QByteArray("2:4:C\r\n") << "btnNewCategory"
        << "1 1..12" << QByteArray("2:4:C\r\n2:0:\r\n");
    QTest::newRow("no images: edit keeps the index") << 0 << QByteArray("2:99:C\r\n") << "btnEdit"
                                                     << "-" << QByteArray("2:99:C\r\n");
    QTest::newRow("no images: edit keeps a negative index")
        << 0 << QByteArray("2:-3:C\r\n1:-1:T:t\r\n") << "btnEdit"
        << "-" << QByteArray("2:-3:C\r\n1:-1:T:t\r\n");
    QTest::newRow("no images: edit keeps the largest index")
        << 0 << QByteArray("2:2147483647:C\r\n") << "btnEdit"
        << "-" << QByteArray("2:2147483647:C\r\n");
    QTest::newRow("no images: new tag stores 0") << 0 << QByteArray("2:4:C\r\n") << "btnNewTag"
                                                 << "-" << QByteArray("2:4:C\r\n1:0::\r\n");
    QTest::newRow("no images: new category stores 0")
        << 0 << QByteArray("2:4:C\r\n") << "btnNewCategory"
        << "-" << QByteArray("2:4:C\r\n2:0:\r\n");
}

// Each dialog is confirmed without a change; a tag line in the file selects the tag.
void TestToolbarEditorWindow::imageIndexThroughTheDialogs()
{
    QFETCH(int, stripWidth);
    QFETCH(QByteArray, file);
    QFETCH(QString, command);
    QFETCH(QString, spin);
    QFETCH(QByteArray, written);
    Host host(file, stripWidth);
    DialogAnswerer answerer;
    if (stripWidth == 0)
        answerer.expectMessage();
    QString shown;
    runEditor(host.options, answerer, [&](Editor& editor) {
        select(*tree(editor), file.contains("\n1:") ? QStringLiteral("0/0") : QStringLiteral("0"));
        answerer.expect([&](QDialog& dialog) {
            auto* spinEdit = control<QSpinBox>(dialog, QStringLiteral("spnImageIndex"));
            shown = spinEdit->isEnabled() ? QStringLiteral("%1 %2..%3")
                                                .arg(spinEdit->value())
                                                .arg(spinEdit->minimum())
                                                .arg(spinEdit->maximum())
                                          : QStringLiteral("-");
            click(dialog, "btnOk");
        });
        click(editor, qPrintable(command));
        click(editor, "btnOk");
    });
    QCOMPARE(shown, spin);
    QCOMPARE(fileBytes(host.cfg), written);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::closingWithoutOkWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close box";
}

void TestToolbarEditorWindow::closingWithoutOkWritesNothing()
{
    QFETCH(QString, how);
    Host host(twoCategories);
    DialogAnswerer answerer;
    const int result = runEditor(host.options, answerer, [&](Editor& editor) {
        answerer.expect(fillIn(QStringLiteral("C|1|ok")));
        click(editor, "btnNewCategory");
        select(*tree(editor), QStringLiteral("0"));
        answerer.expectMessage(QMessageBox::Yes);
        click(editor, "btnRemove");
        if (how == QLatin1String("Cancel"))
            click(editor, "btnCancel");
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(&editor, Qt::Key_Escape);
        else
            editor.close();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(fileBytes(host.cfg), twoCategories);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::partlyReadFileIsReplacedOnlyOnYes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("loadErrors");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<QByteArray>("written");

    const QByteArray badIndex = "2:0:A\r\n2:x:B\r\n";
    const QByteArray nul("2:0:A\r\n2:1:B\0rest\r\n", 19);
    QTest::newRow("bad index, No: file untouched")
        << badIndex << 1 << int(QMessageBox::No) << badIndex;
    QTest::newRow("bad index, Yes: the part read")
        << badIndex << 1 << int(QMessageBox::Yes) << QByteArray("2:0:A\r\n");
    QTest::newRow("NUL byte, No: file untouched") << nul << 0 << int(QMessageBox::No) << nul;
    QTest::newRow("NUL byte, Yes: the lines before it")
        << nul << 0 << int(QMessageBox::Yes) << QByteArray("2:0:A\r\n2:1:B\r\n");
    QTest::newRow("no file: created without a question") << noFile << 1 << 0 << QByteArray();
    QTest::newRow("whole file: no question") << twoCategories << 0 << 0 << twoCategories;
}

void TestToolbarEditorWindow::partlyReadFileIsReplacedOnlyOnYes()
{
    QFETCH(QByteArray, file);
    QFETCH(int, loadErrors);
    QFETCH(int, answer);
    QFETCH(QByteArray, written);
    Host host(file);
    DialogAnswerer answerer;
    for (int i = 0; i < loadErrors; ++i)
        answerer.expectMessage();
    bool stayedOpen = false;
    runEditor(host.options, answerer, [&](Editor& editor) {
        if (answer)
            answerer.expectMessage(QMessageBox::StandardButton(answer));
        click(editor, "btnOk");
        stayedOpen = editor.isVisible();
        if (stayedOpen)
            click(editor, "btnCancel");
    });
    QCOMPARE(stayedOpen, answer == QMessageBox::No);
    QCOMPARE(fileBytes(host.cfg), written);
    QCOMPARE(answerer.messages().size(), loadErrors + (answer ? 1 : 0));
    if (answer)
        QVERIFY(answerer.messages().last().contains(QDir::toNativeSeparators(host.cfg)));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::failedSaveKeepsTheEditorOpen_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("caption");

    QTest::newRow("read-only file") << "read-only"
                                    << "New";
    QTest::newRow("missing folder") << "missing folder"
                                    << "New";
    QTest::newRow("character outside the code page") << "" << QString::fromUtf8("\u03a9 New");
}

void TestToolbarEditorWindow::failedSaveKeepsTheEditorOpen()
{
    QFETCH(QString, cause);
    QFETCH(QString, caption);
    Host host(twoCategories);
    const QString missingFolderFile = host.profile.hostPath(QStringLiteral("gone/t.cfg"));
    DialogAnswerer answerer;
    bool stayedOpen = false;
    int categoriesAfterError = 0;
    runEditor(host.options, answerer, [&](Editor& editor) {
        answerer.expect(fillIn(caption + QStringLiteral("|1|ok")));
        click(editor, "btnNewCategory");
        if (cause == QLatin1String("read-only"))
            QFile::setPermissions(host.cfg, QFile::ReadOwner | QFile::ReadGroup);
        if (cause == QLatin1String("missing folder"))
            host.options.values[Opt_HTMLToolbarCFG] = missingFolderFile;
        answerer.expectMessage();
        click(editor, "btnOk");
        stayedOpen = editor.isVisible();
        categoriesAfterError = childCount(*tree(editor));
        QFile::setPermissions(host.cfg, QFile::ReadOwner | QFile::WriteOwner);
        host.options.values[Opt_HTMLToolbarCFG] = host.cfg;
        click(editor, cause.isEmpty() ? "btnCancel" : "btnOk");
    });
    QVERIFY(stayedOpen);
    QCOMPARE(categoriesAfterError, 3);
    QCOMPARE(answerer.messages().size(), 1);
    QVERIFY(!QFile::exists(missingFolderFile));
    QCOMPARE(fileBytes(host.cfg), cause.isEmpty() ? twoCategories : twoCategories + "2:0:New\r\n");
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::editImages_data()
{
    QTest::addColumn<QString>("change"); // what happens to the strip while the prompt is open
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("variant"); // of the images shown afterwards
    QTest::addColumn<int>("messages");

    QTest::newRow("Update with a changed strip") << "changed"
                                                 << "btnUpdate" << 20 << 1 << 0;
    QTest::newRow("Update with an unchanged strip") << ""
                                                    << "btnUpdate" << 12 << 0 << 0;
    QTest::newRow("Update with a missing strip: error, old images") << "removed"
                                                                    << "btnUpdate" << 12 << 0 << 1;
    QTest::newRow("Cancel keeps the old images") << "changed"
                                                 << "btnCancel" << 12 << 0 << 0;
    // It once told the user to update after editing, though nothing had opened.
    QTest::newRow("No program for the strip: error, no prompt") << "no program"
                                                                << "" << 12 << 0 << 1;
}

void TestToolbarEditorWindow::editImages()
{
    QFETCH(QString, change);
    QFETCH(QString, press);
    QFETCH(int, count);
    QFETCH(int, variant);
    QFETCH(int, messages);
    Host host(twoCategories);
    DialogAnswerer answerer;
    QString prompt;
    m_noProgram = change == QLatin1String("no program");
    runEditor(host.options, answerer, [&](Editor& editor) {
        if (!m_noProgram)
            answerer.expect([&](QDialog& window) {
                prompt = window.objectName();
                if (change == QLatin1String("changed"))
                    writeStrip(host.strip, 320, 16, 1);
                if (change == QLatin1String("removed"))
                    QFile::remove(host.strip);
                click(window, qPrintable(press));
            });
        if (messages)
            answerer.expectMessage();
        click(editor, "btnEditGlyps");
        QCOMPARE(images(editor).count(), count);
        QCOMPARE(images(editor).image(0).toImage().pixelColor(8, 8), stripColour(0, variant));
        click(editor, "btnCancel");
    });
    QCOMPARE(m_opened, m_noProgram ? QStringList() : QStringList{host.strip});
    QCOMPARE(prompt, m_noProgram ? QString() : QStringLiteral("TUpdateGlyphsWindow"));
    QCOMPARE(answerer.messages().size(), messages);
    if (m_noProgram)
        QVERIFY(answerer.messages().first().contains(host.strip));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::imagesFollowTheSettingOnlyAfterUpdate()
{
    Host host(twoCategories, 192);
    const QString newStrip = host.profile.hostPath(QStringLiteral("new.png"));
    writeStrip(newStrip, 320, 16, 1, "PNG");
    DialogAnswerer answerer;
    QList<int> viewed;
    const auto view = [&](QDialog& viewer) {
        viewed.append(control<QLabel>(viewer, QStringLiteral("Image1"))->width());
        click(viewer, "btnOk");
    };
    runEditor(host.options, answerer, [&](Editor& editor) {
        host.options.values[Opt_HTMLToolbarGlyphs] = newStrip;
        answerer.expect(view);
        click(editor, "btnViewGlyphs");
        answerer.expect([](QDialog& prompt) { click(prompt, "btnCancel"); });
        click(editor, "btnEditGlyps");
        QCOMPARE(images(editor).count(), 12);
        answerer.expect([](QDialog& prompt) { click(prompt, "btnUpdate"); });
        click(editor, "btnEditGlyps");
        QCOMPARE(images(editor).count(), 20);
        answerer.expect(view);
        click(editor, "btnViewGlyphs");
        answerer.expect([](QDialog& prompt) { click(prompt, "btnCancel"); });
        click(editor, "btnEditGlyps");
        click(editor, "btnCancel");
    });
    QCOMPARE(viewed, (QList<int>{192, 320}));
    QCOMPARE(m_opened, (QStringList{host.strip, host.strip, newStrip}));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestToolbarEditorWindow::viewImagesOfAStripThatDoesNotLoad()
{
    Host host(twoCategories, 0);
    DialogAnswerer answerer;
    answerer.expectMessage();
    runEditor(host.options, answerer, [&](Editor& editor) {
        answerer.expectMessage();
        click(editor, "btnViewGlyphs");
        click(editor, "btnCancel");
    });
    const QString expected =
        QStringLiteral("Cannot load the picture \"%1\": the file does not exist.")
            .arg(QDir::toNativeSeparators(host.strip));
    QCOMPARE(answerer.messages().size(), 2);
    QCOMPARE(answerer.messages().last(), expected);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

// Moves, the clipboard and undo, by their keys and the context menu, end to end.
void TestToolbarEditorWindow::editingByKeysAndMenu()
{
    Host host(twoCategories);
    DialogAnswerer answerer;
    runEditor(host.options, answerer, [&](Editor& editor) {
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTreeView& tv = *tree(editor);
        tv.setFocus();
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(&tv, key, modifiers);
        };
        select(tv, QStringLiteral("0/0"));
        press(Qt::Key_Down, Qt::AltModifier); // A1 below A2
        press(Qt::Key_Down, Qt::AltModifier); // already last: nothing
        QCOMPARE(selectedText(tv), QStringLiteral("A1:a1"));
        press(Qt::Key_C, Qt::ControlModifier);
        select(tv, QStringLiteral("1"));
        press(Qt::Key_V, Qt::ControlModifier); // into B
        QCOMPARE(selectedText(tv), QStringLiteral("A1:a1"));
        answerer.expectMenu(QStringLiteral("Cut"));
        press(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(selectedText(tv), QStringLiteral("B"));
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(selectedText(tv), QStringLiteral("A1:a1"));
        select(tv, QStringLiteral("0"));
        press(Qt::Key_X, Qt::ControlModifier); // A with its tags
        press(Qt::Key_V, Qt::ControlModifier); // after B
        click(editor, "btnOk");
    });
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    const QStringList menu = answerer.menus().value(0);
    QVERIFY2(menu.contains(QStringLiteral("Cut (Ctrl+X)")), qPrintable(menu.join(", ")));
    QVERIFY2(menu.contains(QStringLiteral("-Move up (Alt+Up)")), qPrintable(menu.join(", ")));
    QCOMPARE(fileBytes(host.cfg),
             QByteArray("2:3:B\r\n1:2:A1:a1\r\n2:0:A\r\n1:2:A1:a1\r\n1:1:A2:a2\r\n"));
}

HALVEX_TEST_MAIN(TestToolbarEditorWindow)
#include "tst_ToolbarEditorWindow.moc"
