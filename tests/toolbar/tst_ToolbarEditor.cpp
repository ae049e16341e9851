#include "app/StartWindow.h"
#include "common/HostOptions.h"
#include "common/Modal.h"
#include "platform/AppError.h"
#include "platform/BitmapFile.h"
#include "platform/ExternalProgram.h"
#include "platform/PlacementStore.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/DocumentBytes.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "support/TreeDriver.h"
#include "support/UndoStepCheck.h"
#include "toolbar/ImageList.h"
#include "toolbar/ToolbarEditor.h"
#include "toolbar/ToolbarModel.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeView>

#include <functional>
#include <memory>

// What is the toolbar editor's own: the image strip, New tag and New category and their
// dialogs, where a paste goes, what the tree shows and the bytes written. What every editor does
// is checked in tst_EditorWindow.
namespace {

const QByteArray noFile = "<no file>"; // what TestHost::bytes gives for a missing file
// A(A1:a1, A2:a2), B()
const QByteArray twoCategories = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n";
const QByteArray aTags = "1:1:A2:a2\r\n1:2:A1:a1\r\n";

// The toolbar file, unless noFile, and a strip of that width, unless 0.
void prepare(const TestHost& host, const QByteArray& file, int stripWidth = 192)
{
    if (file != noFile)
        host.write(HostFile::Toolbar, file);
    if (stripWidth > 0)
        host.writeStrip(stripWidth);
}

QString nativePath(const TestHost& host, HostFile file)
{
    return QDir::toNativeSeparators(host.path(file));
}

// Opens the editor as the start window does; `use` is the person in front of it: it queues
// the answers to what it opens, presses buttons, and closes the editor.
int runEditor(const HostOptions& options, DialogAnswerer& answerer,
              const std::function<void(ToolbarEditor&)>& use)
{
    ToolbarEditor editor(nullptr, options);
    answerer.expect([&](QDialog&) { use(editor); });
    return Modal::exec(editor);
}

QTreeView& tree(const QWidget& editor)
{
    return *control<QTreeView>(editor, QStringLiteral("itemsView"));
}

// The model beneath the find bar's proxy.
const ToolbarModel& toolbarModel(const QWidget& editor)
{
    return static_cast<const ToolbarModel&>(
        *static_cast<QAbstractProxyModel*>(tree(editor).model())->sourceModel());
}

const ImageList& images(const QWidget& editor)
{
    return *control<ImageList>(editor, QStringLiteral("imageList"));
}

// A property dialog filled in and closed: "caption|tag|number|ok" for a tag,
// "caption|number|cancel" for a category.
DialogAnswerer::Answer fillIn(const QString& answer)
{
    return [answer](QDialog& dialog) {
        const QStringList parts = answer.split(QLatin1Char('|'));
        control<QLineEdit>(dialog, QStringLiteral("captionEdit"))->setText(parts[0]);
        if (parts.size() == 4)
            control<QLineEdit>(dialog, QStringLiteral("tagEdit"))->setText(parts[1]);
        control<QSpinBox>(dialog, QStringLiteral("imageIndexSpin"))
            ->setValue(parts[parts.size() - 2].toInt());
        if (parts.last() == QLatin1String("ok"))
            clickOk(dialog);
        else
            clickCancel(dialog);
    };
}

void runCommand(ToolbarEditor& editor, const QString& command)
{
    QTreeView& view = tree(editor);
    if (command == QLatin1String("double-click")) {
        const QPoint centre = view.visualRect(view.currentIndex()).center();
        // What a person's double-click sends.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre);
    } else if (command == QLatin1String("Delete key")) {
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Delete);
    } else {
        click(editor, qPrintable(command));
    }
}

// Whether the node's row on screen holds a pixel of that colour.
bool rowShows(QTreeView& view, const QString& path, const QColor& colour)
{
    const QImage shot = view.viewport()->grab().toImage();
    const QRect row = view.visualRect(nodeAt(view, path));
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            if (shot.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestToolbarEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void startWindowOpensTheEditor();
    void stripAndToolbarLoad_data();
    void stripAndToolbarLoad();
    void nodesShowTheirImages();
    void commands_data();
    void commands();
    void imageIndexThroughTheDialogs_data();
    void imageIndexThroughTheDialogs();
    void pastePlacement_data();
    void pastePlacement();
    void tagLinesBeforeTheFirstCategoryStayThere();
    void imagesFromAFileAndTheThemeGoIntoTheStrip_data();
    void imagesFromAFileAndTheThemeGoIntoTheStrip();
    void editImages_data();
    void editImages();
    void imagesFollowTheSettingOnlyAfterUpdate();

private:
    QStringList m_opened; // by the desktop's program, which no test ever starts
    bool m_noProgram = false;
};

void TestToolbarEditor::initTestCase()
{
    ExternalProgram::setHook([this](const QString& path) {
        if (m_noProgram)
            throw AppError(QStringLiteral("Cannot open \"%1\": no program").arg(path));
        m_opened.append(path);
    });
}

void TestToolbarEditor::cleanupTestCase()
{
    ExternalProgram::setHook({});
}

void TestToolbarEditor::init()
{
    m_opened.clear();
    m_noProgram = false;
    QGuiApplication::clipboard()->clear();
}

void TestToolbarEditor::startWindowOpensTheEditor()
{
    TestHost host;
    prepare(host, twoCategories, 64);
    host.profile.setValues({{Opt_HTMLToolbarCFG, host.path(HostFile::Toolbar)},
                            {Opt_HTMLToolbarGlyphs, host.path(HostFile::ImageStrip)}});
    StartWindow start;
    start.show();
    DialogAnswerer answerer;
    QString placementKey;
    int categories = 0;
    int imageCount = 0;
    answerer.expect([&](QDialog& editor) {
        placementKey = savedPlacementKeys(editor).join(QLatin1Char(','));
        categories = childCount(tree(editor));
        imageCount = images(editor).count();
        select(tree(editor), QStringLiteral("1"));
        click(editor, "removeButton");
        click(editor, "okButton");
    });
    answerer.expectMessage(QMessageBox::Yes);
    click(start, "toolbarButton");
    // Users' stored placements are found by the key of the window they were saved for.
    QVERIFY2(placementKey.split(QLatin1Char(',')).contains(u"THTMLToolbarEditorWindow"),
             qPrintable(placementKey));
    QCOMPARE(categories, 2);
    QCOMPARE(imageCount, 4);
    QCOMPARE(answerer.messages(), QStringList{"Remove selected tag/category"});
    QCOMPARE(host.bytes(HostFile::Toolbar), QByteArray("2:0:A\r\n") + aTags);
}

void TestToolbarEditor::stripAndToolbarLoad_data()
{
    QTest::addColumn<QString>("strip"); // "missing", or the size of the strip written: "15x16"
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("errors"); // at load; %1: the strip, %2: the toolbar file
    QTest::addColumn<int>("imageCount");
    QTest::addColumn<int>("categories");
    QTest::addColumn<QByteArray>("written"); // on OK, the file read in part replaced on Yes

    const QString missing = "Cannot load the image strip \"%1\": the file does not exist.";
    const QString tooSmall = "The image strip \"%1\" is %3 pixels: it must be at least 16 pixels "
                             "wide and 16 pixels high to hold one image, so the editor shows no "
                             "images.";
    QTest::newRow("320 x 16 strip: 20 images")
        << "320x16" << twoCategories << QStringList() << 20 << 2 << twoCategories;
    QTest::newRow("missing strip: the toolbar read all the same")
        << "missing" << twoCategories << QStringList{missing} << 0 << 2 << twoCategories;
    QTest::newRow("strip too narrow")
        << "15x16" << twoCategories << QStringList{QString(tooSmall).replace("%3", "15 x 16")}
        << 0 << 2 << twoCategories;
    QTest::newRow("strip too low")
        << "192x15" << twoCategories << QStringList{QString(tooSmall).replace("%3", "192 x 15")}
        << 0 << 2 << twoCategories;
    QTest::newRow("both missing: two errors, strip first")
        << "missing" << noFile
        << QStringList{missing, "Cannot read \"%2\": No such file or directory."} << 0 << 0
        << QByteArray();
    QTest::newRow("a bad image index: the lines before it")
        << "192x16" << QByteArray("2:0:A\r\n2:x:B\r\n2:1:C\r\n")
        << QStringList{"Line 2 of \"%2\": \"x\" is not a valid image index (a whole number from "
                       "-2147483648 to 2147483647). Reading stopped at this line."}
        << 12 << 1 << QByteArray("2:0:A\r\n");
}

// The strip is loaded first and the toolbar read even when the strip fails, so that OK never
// writes a tree that was not filled from the file.
void TestToolbarEditor::stripAndToolbarLoad()
{
    QFETCH(QString, strip);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, errors);
    QFETCH(int, imageCount);
    QFETCH(int, categories);
    QFETCH(QByteArray, written);
    const TestHost host;
    prepare(host, file, 0);
    const QStringList size = strip.split(QLatin1Char('x'));
    if (size.size() == 2)
        host.writeStrip(size[0].toInt(), size[1].toInt());
    DialogAnswerer answerer;
    for (QString& error : errors) {
        answerer.expectMessage();
        error.replace("%1", nativePath(host, HostFile::ImageStrip))
            .replace("%2", nativePath(host, HostFile::Toolbar));
    }
    const bool readInPart = file.contains("2:x:");
    int shownCategories = -1;
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        shownCategories = childCount(tree(editor));
        QCOMPARE(images(editor).count(), imageCount);
        if (imageCount > 0)
            QCOMPARE(images(editor).image(imageCount - 1).toImage().pixelColor(8, 8),
                     stripColour(imageCount - 1));
        if (readInPart)
            answerer.expectMessage(QMessageBox::Yes);
        click(editor, "okButton");
    });
    QCOMPARE(answerer.messages().mid(0, errors.size()), errors);
    QCOMPARE(shownCategories, categories);
    QCOMPARE(host.bytes(HostFile::Toolbar), written);
}

void TestToolbarEditor::nodesShowTheirImages()
{
    const TestHost host;
    prepare(host, "2:1:A\r\n1:2:T:t\r\n2:99:B\r\n2:-1:C\r\n");
    DialogAnswerer answerer;
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        QTreeView& view = tree(editor);
        view.expandAll();
        QVERIFY(rowShows(view, "0", stripColour(1)));
        QVERIFY(rowShows(view, "0/0", stripColour(2)));
        QVERIFY(!rowShows(view, "0", stripColour(2)));
        for (int i = 0; i < 12; ++i) {
            QVERIFY(!rowShows(view, "1", stripColour(i)));
            QVERIFY(!rowShows(view, "2", stripColour(i)));
        }
        // Selected, the node shows the same image.
        select(view, QStringLiteral("0"));
        QVERIFY(rowShows(view, "0", stripColour(1)));
        host.writeStrip(192, 16, 1);
        answerer.expect([](QDialog& prompt) { click(prompt, "updateButton"); });
        click(editor, "editImagesButton");
        QVERIFY(rowShows(view, "0/0", stripColour(2, 1)));
        QVERIFY(!rowShows(view, "0/0", stripColour(2)));
        click(editor, "cancelButton");
    });
}

void TestToolbarEditor::commands_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer"); // for the dialog or the question; "" when none opens
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("new tag goes last under the selected category")
        << twoCategories << "0" << "newTagButton" << "T|<t>%1|5|ok"
        << "2:0:A\r\n1:4:T:<t>%1\r\n" + aTags + "2:3:B\r\n";
    QTest::newRow("new tag with a tag selected goes last in its category")
        << twoCategories << "0/0" << "newTagButton" << "T|t|5|ok"
        << "2:0:A\r\n1:4:T:t\r\n" + aTags + "2:3:B\r\n";
    QTest::newRow("new tag cancelled")
        << twoCategories << "1" << "newTagButton" << "T|t|5|cancel" << twoCategories;
    QTest::newRow("new category goes last, a tag selected")
        << twoCategories << "0/1" << "newCategoryButton" << "C|2|ok"
        << twoCategories + "2:1:C\r\n";
    QTest::newRow("new category in an empty file")
        << QByteArray() << "" << "newCategoryButton" << "C|12|ok" << QByteArray("2:11:C\r\n");
    QTest::newRow("new category cancelled")
        << twoCategories << "" << "newCategoryButton" << "C|2|cancel" << twoCategories;
    QTest::newRow("edit a category: it keeps its tags")
        << twoCategories << "0" << "editButton" << "Z|7|ok" << "2:6:Z\r\n" + aTags + "2:3:B\r\n";
    QTest::newRow("edit a tag: caption, tag and image")
        << twoCategories << "0/1" << "editButton" << "X|x|1|ok"
        << QByteArray("2:0:A\r\n1:0:X:x\r\n1:2:A1:a1\r\n2:3:B\r\n");
    QTest::newRow("edit cancelled")
        << twoCategories << "0/0" << "editButton" << "X|x|9|cancel" << twoCategories;
    QTest::newRow("double-click edits")
        << twoCategories << "1" << "double-click" << "Y|1|ok" << "2:0:A\r\n" + aTags + "2:0:Y\r\n";
    QTest::newRow("remove a category with its tags")
        << twoCategories << "0" << "removeButton" << "yes" << QByteArray("2:3:B\r\n");
    QTest::newRow("remove answered No")
        << twoCategories << "0" << "removeButton" << "no" << twoCategories;
    QTest::newRow("Delete key removes after the question")
        << twoCategories << "1" << "Delete key" << "yes" << "2:0:A\r\n" + aTags;
}

// Each change is one step that undo takes back.
void TestToolbarEditor::commands()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, selected);
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QByteArray, written);
    const TestHost host;
    prepare(host, file);
    DialogAnswerer answerer;
    const bool question = answer == QLatin1String("yes") || answer == QLatin1String("no");
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        select(tree(editor), selected);
        if (question)
            answerer.expectMessage(answer == QLatin1String("yes") ? QMessageBox::Yes
                                                                  : QMessageBox::No);
        else
            answerer.expect(fillIn(answer));
        const UndoStepCheck undoable(tree(editor), [&editor] {
            const auto& model = toolbarModel(editor);
            return writeToolbar(model.document(), QStringLiteral("t.cfg"));
        });
        runCommand(editor, command);
        undoable.verify();
        click(editor, "okButton");
    });
    QCOMPARE(host.bytes(HostFile::Toolbar), written);
    QCOMPARE(answerer.messages(),
             question ? QStringList{"Remove selected tag/category"} : QStringList());
}

void TestToolbarEditor::imageIndexThroughTheDialogs_data()
{
    QTest::addColumn<int>("stripWidth"); // 0: no strip
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("spin"); // "value min..max", "-" when disabled
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("edit shows the index counted from 1")
        << 192 << QByteArray("2:4:C\r\n") << "editButton" << "5 1..12" << QByteArray("2:4:C\r\n");
    QTest::newRow("edit a tag") << 192 << QByteArray("2:4:C\r\n1:7:T:t\r\n") << "editButton"
                                << "8 1..12" << QByteArray("2:4:C\r\n1:7:T:t\r\n");
    // The index once became the nearest image when only the caption was edited.
    QTest::newRow("beyond the strip: kept while the number is not changed")
        << 192 << QByteArray("2:99:C\r\n") << "editButton" << "12 1..12"
        << QByteArray("2:99:C\r\n");
    QTest::newRow("negative: kept while the number is not changed")
        << 192 << QByteArray("2:-3:C\r\n") << "editButton" << "1 1..12"
        << QByteArray("2:-3:C\r\n");
    QTest::newRow("320 strip: maximum 20")
        << 320 << QByteArray("2:5:C\r\n") << "editButton" << "6 1..20" << QByteArray("2:5:C\r\n");
    QTest::newRow("new tag starts at the first image")
        << 192 << QByteArray("2:4:C\r\n") << "newTagButton" << "1 1..12"
        << QByteArray("2:4:C\r\n1:0::\r\n");
    QTest::newRow("new category starts at the first image")
        << 192 << QByteArray("2:4:C\r\n") << "newCategoryButton" << "1 1..12"
        << QByteArray("2:4:C\r\n2:0:\r\n");
    QTest::newRow("no images: edit keeps the index")
        << 0 << QByteArray("2:99:C\r\n") << "editButton" << "-" << QByteArray("2:99:C\r\n");
    QTest::newRow("no images: edit keeps a negative index")
        << 0 << QByteArray("2:-3:C\r\n1:-1:T:t\r\n") << "editButton" << "-"
        << QByteArray("2:-3:C\r\n1:-1:T:t\r\n");
    QTest::newRow("no images: edit keeps the largest index")
        << 0 << QByteArray("2:2147483647:C\r\n") << "editButton" << "-"
        << QByteArray("2:2147483647:C\r\n");
    QTest::newRow("no images: new tag stores 0")
        << 0 << QByteArray("2:4:C\r\n") << "newTagButton" << "-"
        << QByteArray("2:4:C\r\n1:0::\r\n");
}

// Each dialog is confirmed without a change; a tag line in the file selects the tag.
void TestToolbarEditor::imageIndexThroughTheDialogs()
{
    QFETCH(int, stripWidth);
    QFETCH(QByteArray, file);
    QFETCH(QString, command);
    QFETCH(QString, spin);
    QFETCH(QByteArray, written);
    const TestHost host;
    prepare(host, file, stripWidth);
    DialogAnswerer answerer;
    if (stripWidth == 0)
        answerer.expectMessage();
    QString shown;
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        select(tree(editor), file.contains("\n1:") ? QStringLiteral("0/0") : QStringLiteral("0"));
        answerer.expect([&](QDialog& dialog) {
            auto* spinEdit = control<QSpinBox>(dialog, QStringLiteral("imageIndexSpin"));
            shown = spinEdit->isEnabled() ? QStringLiteral("%1 %2..%3")
                                                .arg(spinEdit->value())
                                                .arg(spinEdit->minimum())
                                                .arg(spinEdit->maximum())
                                          : QStringLiteral("-");
            clickOk(dialog);
        });
        click(editor, qPrintable(command));
        click(editor, "okButton");
    });
    QCOMPARE(shown, spin);
    QCOMPARE(host.bytes(HostFile::Toolbar), written);
}

void TestToolbarEditor::pastePlacement_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QByteArray>("written");

    const QString category = "2:5:C\n1:6:C1:c1\n";
    const QByteArray pastedCategory = "2:5:C\r\n1:6:C1:c1\r\n";
    QTest::newRow("a tag after the selected tag")
        << "1:0:X:x" << "0/0"
        << QByteArray("2:0:A\r\n1:1:A2:a2\r\n1:0:X:x\r\n1:2:A1:a1\r\n2:3:B\r\n");
    QTest::newRow("a tag last in the selected category")
        << "1:0:X:x" << "0" << "2:0:A\r\n1:0:X:x\r\n" + aTags + "2:3:B\r\n";
    QTest::newRow("a category after the selected category")
        << category << "0" << "2:0:A\r\n" + aTags + pastedCategory + "2:3:B\r\n";
    QTest::newRow("a category after the category of the selected tag")
        << category << "0/1" << "2:0:A\r\n" + aTags + pastedCategory + "2:3:B\r\n";
    QTest::newRow("a category last when nothing is selected")
        << category << "" << twoCategories + pastedCategory;
}

void TestToolbarEditor::pastePlacement()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, selected);
    QFETCH(QByteArray, written);
    const TestHost host;
    prepare(host, twoCategories);
    DialogAnswerer answerer;
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        QGuiApplication::clipboard()->setText(clipboard);
        select(tree(editor), selected);
        command(editor, QStringLiteral("Paste"))->trigger();
        click(editor, "okButton");
    });
    QCOMPARE(host.bytes(HostFile::Toolbar), written);
}

// Such a node, moved below a category with the editor's own Move, was still written before every
// category, and the order the editor showed was lost at the next load. Given a tag, it was
// written as a category whose caption the file cut at its ":".
void TestToolbarEditor::tagLinesBeforeTheFirstCategoryStayThere()
{
    const QByteArray file = "1:1:L2:l2\r\n1:2:L1:l1\r\n2:0:C\r\n1:3:T:t\r\n"; // L1, L2, C(T)
    const TestHost host;
    prepare(host, file);
    DialogAnswerer answerer;
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        const auto enabled = [&](const char* text) {
            return command(editor, QString::fromLatin1(text))->isEnabled();
        };
        const auto& model = toolbarModel(editor);
        select(tree(editor), QStringLiteral("1"));
        QVERIFY(!enabled("Move down") && !enabled("New tag..."));
        QVERIFY(command(editor, QStringLiteral("Move down"))->toolTip().contains(u"stays above"));
        const std::unique_ptr<QMimeData> dragged(
            model.mimeData({nodeAt(tree(editor), QStringLiteral("1"))}));
        QVERIFY(!model.canDropMimeData(dragged.get(), Qt::MoveAction, -1, 0, {}));
        QGuiApplication::clipboard()->setText(QStringLiteral("1:9:X:x"));
        QVERIFY(!enabled("Paste"));
        select(tree(editor), QStringLiteral("2"));
        QVERIFY(!enabled("Move up"));
        select(tree(editor), QStringLiteral("0"));
        QVERIFY(enabled("Move down"));
        command(editor, QStringLiteral("Move down"))->trigger(); // L2, L1, C(T)
        QGuiApplication::clipboard()->setText(QStringLiteral("2:5:P"));
        command(editor, QStringLiteral("Paste"))->trigger(); // below L1
        click(editor, "okButton");
    });
    QCOMPARE(host.bytes(HostFile::Toolbar),
             QByteArray("1:2:L1:l1\r\n1:1:L2:l2\r\n2:5:P\r\n2:0:C\r\n1:3:T:t\r\n"));
}

void TestToolbarEditor::imagesFromAFileAndTheThemeGoIntoTheStrip_data()
{
    QTest::addColumn<QString>("then"); // what happens after the tag was added, before OK

    QTest::newRow("OK: the strip 32 pixels wider, the new tag naming the first new image") << "";
    QTest::newRow("both steps undone: the strip not written") << "undo";
    QTest::newRow("a toolbar file that cannot be written: the strip written first, and said")
        << "no toolbar folder";
}

// A user once had to widen the strip in a paint program and count along it to find the number
// of a new image.
void TestToolbarEditor::imagesFromAFileAndTheThemeGoIntoTheStrip()
{
    QFETCH(QString, then);
    TestHost host;
    prepare(host, twoCategories, 192);
    const QByteArray stripBefore = fileBytes(host.path(HostFile::ImageStrip));
    QTemporaryDir pictures;
    const QString png = pictures.filePath(QStringLiteral("star.png"));
    QImage star(16, 16, QImage::Format_ARGB32);
    star.fill(QColor(0, 0, 255));
    star.setPixel(0, 0, qRgba(0, 0, 0, 0));
    star.save(png);
    QVERIFY(QDir().mkpath(pictures.filePath(QStringLiteral("theme/test/16x16/apps"))));
    writeBytes(pictures.filePath(QStringLiteral("theme/test/index.theme")),
               "[Icon Theme]\nDirectories=16x16/apps\n[16x16/apps]\nSize=16\nType=Fixed\n");
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(QColor(0, 160, 0));
    green.save(pictures.filePath(QStringLiteral("theme/test/16x16/apps/test-leaf.png")));
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    QIcon::setThemeSearchPaths({pictures.filePath(QStringLiteral("theme"))});
    QIcon::setThemeName(QStringLiteral("test"));
    const auto themeAgain = qScopeGuard([&] {
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);
    });

    DialogAnswerer answerer;
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        select(tree(editor), QStringLiteral("0"));
        answerer.expect([&](QDialog& tag) {
            control<QLineEdit>(tag, QStringLiteral("captionEdit"))->setText(QStringLiteral("T"));
            control<QLineEdit>(tag, QStringLiteral("tagEdit"))->setText(QStringLiteral("t"));
            answerer.expect([&](QDialog& picker) {
                answerer.expect([&](QDialog& add) {
                    answerer.expect([&](QDialog& files) {
                        static_cast<QFileDialog&>(files).selectFile(png);
                        files.accept();
                    });
                    click(add, "chooseFilesButton");
                    control<QLineEdit>(add, QStringLiteral("themeSearchEdit"))
                        ->setText(QStringLiteral("test-leaf"));
                    auto* icons = control<QAbstractItemView>(add, QStringLiteral("themeIconsView"));
                    icons->selectionModel()->select(icons->model()->index(0, 0),
                                                    QItemSelectionModel::Select);
                    clickOk(add);
                });
                click(picker, "addImagesButton");
                QTest::keyClick(control<QWidget>(picker, QStringLiteral("imageGrid")),
                                Qt::Key_Return);
            });
            QTest::keyClick(control<QWidget>(tag, QStringLiteral("imageIndexSpin")), Qt::Key_F4);
            clickOk(tag);
        });
        click(editor, "newTagButton");
        QCOMPARE(images(editor).count(), 14);
        if (then == QLatin1String("undo")) {
            editor.undoStack()->undo();
            editor.undoStack()->undo();
        }
        if (then == QLatin1String("no toolbar folder")) {
            answerer.expectMessage();
            host.options.values[Opt_HTMLToolbarCFG] =
                host.profile.hostPath(QStringLiteral("gone/t.cfg"));
        }
        click(editor, "okButton");
        if (editor.isVisible())
            click(editor, "cancelButton");
    });
    const QByteArray stripAfter = fileBytes(host.path(HostFile::ImageStrip));
    if (then == QLatin1String("undo")) {
        QCOMPARE(stripAfter, stripBefore);
        QCOMPARE(host.bytes(HostFile::Toolbar), twoCategories);
        return;
    }
    const QImage strip(host.path(HostFile::ImageStrip));
    QCOMPARE(strip.width(), 192 + 32);
    const BitmapLayout before = *bitmapLayout(stripBefore);
    const BitmapLayout after = *bitmapLayout(stripAfter);
    for (int row = 0; row < 16; ++row) // the old images' bytes, as they were
        QCOMPARE(stripAfter.mid(after.pixelsAt + row * after.rowBytes, 192 * 3),
                 stripBefore.mid(before.pixelsAt + row * before.rowBytes, 192 * 3));
    QCOMPARE(strip.pixelColor(192 + 8, 8), QColor(0, 0, 255));
    QCOMPARE(strip.pixelColor(208 + 8, 8), QColor(0, 160, 0));
    if (then.isEmpty())
        QCOMPARE(host.bytes(HostFile::Toolbar), "2:0:A\r\n1:12:T:t\r\n" + aTags + "2:3:B\r\n");
    else
        QVERIFY2(answerer.messages().value(0).contains(u"holds the new images"),
                 qPrintable(answerer.messages().value(0)));
}

void TestToolbarEditor::editImages_data()
{
    QTest::addColumn<QString>("change"); // what happens to the strip while the prompt is open
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("variant"); // of the images shown afterwards
    QTest::addColumn<int>("messages");

    QTest::newRow("Update with a changed strip") << "changed" << "updateButton" << 20 << 1 << 0;
    QTest::newRow("Update with an unchanged strip") << "" << "updateButton" << 12 << 0 << 0;
    QTest::newRow("Update with a missing strip: error, old images")
        << "removed" << "updateButton" << 12 << 0 << 1;
    QTest::newRow("Cancel keeps the old images") << "changed" << "cancelButton" << 12 << 0 << 0;
    // It once told the user to update after editing, though nothing had opened.
    QTest::newRow("No program for the strip: error, no prompt") << "no program"
                                                                << "" << 12 << 0 << 1;
    // Images added here and not yet written would go without a word.
    QTest::newRow("Update with an image added here, kept: asked first")
        << "added, kept"
        << "updateButton" << 13 << 0 << 1;
    QTest::newRow("Update with an image added here, dropped: asked first")
        << "added, dropped"
        << "updateButton" << 20 << 1 << 1;
}

void TestToolbarEditor::editImages()
{
    QFETCH(QString, change);
    QFETCH(QString, press);
    QFETCH(int, count);
    QFETCH(int, variant);
    QFETCH(int, messages);
    const TestHost host;
    prepare(host, twoCategories);
    const QString strip = host.path(HostFile::ImageStrip);
    DialogAnswerer answerer;
    QString prompt;
    m_noProgram = change == QLatin1String("no program");
    const bool added = change.startsWith(QLatin1String("added"));
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        if (added)
            const_cast<ImageList&>(images(editor))
                .addImages({QImage(16, 16, QImage::Format_RGB32)});
        if (!m_noProgram)
            answerer.expect([&](QDialog& window) {
                prompt = window.objectName();
                if (change == QLatin1String("changed") || added)
                    host.writeStrip(320, 16, 1);
                if (change == QLatin1String("removed"))
                    QFile::remove(strip);
                click(window, qPrintable(press));
            });
        if (messages)
            answerer.expectMessage(change == QLatin1String("added, dropped") ? QMessageBox::Yes
                                   : added                                   ? QMessageBox::No
                                                                             : QMessageBox::Ok);
        click(editor, "editImagesButton");
        QCOMPARE(images(editor).count(), count);
        QCOMPARE(images(editor).image(0).toImage().pixelColor(8, 8), stripColour(0, variant));
        click(editor, "cancelButton");
    });
    QCOMPARE(m_opened, m_noProgram ? QStringList() : QStringList{strip});
    QCOMPARE(prompt, m_noProgram ? QString() : QStringLiteral("UpdateImagesPrompt"));
    QCOMPARE(answerer.messages().size(), messages);
    if (m_noProgram)
        QVERIFY(answerer.messages().first().contains(strip));
}

void TestToolbarEditor::imagesFollowTheSettingOnlyAfterUpdate()
{
    TestHost host;
    prepare(host, twoCategories, 192);
    const QString oldStrip = host.path(HostFile::ImageStrip);
    const QString newStrip = host.profile.hostPath(QStringLiteral("new.png"));
    writeStrip(newStrip, 320, 16, 1, "PNG");
    DialogAnswerer answerer;
    QList<int> viewed;
    const auto view = [&](QDialog& viewer) {
        viewed.append(control<QLabel>(viewer, QStringLiteral("pictureLabel"))->width());
        click(viewer, "okButton");
    };
    runEditor(host.options, answerer, [&](ToolbarEditor& editor) {
        host.options.values[Opt_HTMLToolbarGlyphs] = newStrip;
        answerer.expect(view);
        click(editor, "viewImagesButton");
        answerer.expect([](QDialog& prompt) { click(prompt, "cancelButton"); });
        click(editor, "editImagesButton");
        QCOMPARE(images(editor).count(), 12);
        answerer.expect([](QDialog& prompt) { click(prompt, "updateButton"); });
        click(editor, "editImagesButton");
        QCOMPARE(images(editor).count(), 20);
        answerer.expect(view);
        click(editor, "viewImagesButton");
        answerer.expect([](QDialog& prompt) { click(prompt, "cancelButton"); });
        click(editor, "editImagesButton");
        // The viewer shows the strip the editor holds, whatever became of its file.
        QFile::remove(newStrip);
        answerer.expect(view);
        click(editor, "viewImagesButton");
        click(editor, "cancelButton");
    });
    QCOMPARE(viewed, (QList<int>{192, 320, 320}));
    QCOMPARE(m_opened, (QStringList{oldStrip, oldStrip, newStrip}));
    QVERIFY(answerer.messages().isEmpty());
}

HALVEX_TEST_MAIN(TestToolbarEditor)
#include "tst_ToolbarEditor.moc"
