#include "app/Application.h"
#include "app/StartWindow.h"
#include "common/Glyphs.h"
#include "common/Modal.h"
#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeView>

#include <algorithm>
#include <memory>

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// A key as a person presses it: it goes to whatever has the focus.
bool press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    QTest::keyClick(focused, key, modifiers);
    return true;
}

bool type(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    QTest::keyClicks(focused, text);
    return true;
}

// Keys go to a window once the system has handed it the focus. A window manager hands it back
// to the window below when a dialog closes; the offscreen platform has none, so a test asks.
bool waitUntilActive(QWidget& window)
{
    if (QApplication::activeWindow() != &window)
        window.activateWindow();
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
}

// A control by its objectName; a button box's buttons, which have none, by their captions.
QString nameOf(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("<nothing>");
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (widget->objectName().isEmpty() && button)
        return button->text().remove(QLatin1Char('&'));
    return widget->objectName();
}

QString focusedName()
{
    return nameOf(QApplication::focusWidget());
}

// A node that every command of an editor can act on, so that none of its buttons is disabled:
// the first tag or procedure; the MIME list opens with its first row selected.
void selectFirstLeaf(QDialog& window)
{
    auto* tree = window.findChild<QTreeView*>(QStringLiteral("itemsView"));
    if (!tree)
        return;
    const QModelIndex first = tree->model()->index(0, 0);
    tree->setCurrentIndex(tree->model()->index(0, 0, first));
}

} // namespace

class TestKeyboardAndNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void designedSizeHoldsEveryCaption_data();
    void designedSizeHoldsEveryCaption();
    void tabWalksEveryControlInACycle_data();
    void tabWalksEveryControlInACycle();
    void everyFieldIsNamed_data();
    void everyFieldIsNamed();
    void okAndCancelShowTheirPictures_data();
    void okAndCancelShowTheirPictures();
    void aboutBoxShowsTheProgramIcon();
    void keysRunTheFocusedButton_data();
    void keysRunTheFocusedButton();
    void enterInAFieldPressesOk_data();
    void enterInAFieldPressesOk();
    void wholeEditByKeyboard();
};

// The sizes and captions below are the English ones, whatever the machine speaks.
void TestKeyboardAndNames::initTestCase()
{
    installTranslators(*QCoreApplication::instance(), QLocale(QLocale::English));
}

void TestKeyboardAndNames::designedSizeHoldsEveryCaption_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("font");   // the desktop's, in pixels
    QTest::addColumn<QSize>("size"); // the client area at 11 pixels

    const QMap<QString, QSize> sizes = {
        {"StartWindow", {219, 206}},       {"ToolbarEditor", {417, 272}},
        {"TagDialog", {297, 182}},         {"CategoryDialog", {310, 118}},
        {"UpdateImagesPrompt", {201, 126}}, {"ProceduresEditor", {439, 281}},
        {"ProcedureDialog", {315, 213}},   {"MimeTypesEditor", {394, 247}},
        {"MimeTypeDialog", {267, 120}},    {"AdditionalFunctionsDialog", {190, 246}},
        {"AboutDialog", {298, 213}},
        // The viewer fits its picture; the demo strip takes its smallest size.
        {"ImageViewer", {200, 200}},
        {"ImagePicker", {392, 241}},
        {"AddImagesDialog", {436, 400}},
    };
    for (const int font : {11, 14, 20}) {
        for (const QString& window : everyWindow)
            QTest::addRow("%s at %d pixels", qPrintable(window), font)
                << window << font << sizes.value(window);
    }
}

// Laid out by Qt's layouts, a window takes the size its controls ask for: at the 11-pixel font
// it was designed for, a control that asks for more, or a layout's margins, would change the
// designed size. The program once set that font for itself whatever the desktop's was: at the
// desktop's own font a window is as large as its texts need, and no caption or field is cut.
void TestKeyboardAndNames::designedSizeHoldsEveryCaption()
{
    QFETCH(QString, window);
    QFETCH(int, font);
    QFETCH(QSize, size);
    QFont desktopFont = QApplication::font();
    desktopFont.setPixelSize(font);
    QApplication::setFont(desktopFont);
    const auto designedFontAgain = qScopeGuard([] { useDesignedFont(); });
    DemoHost host;
    const std::unique_ptr<QDialog> shown = makeWindow(window, host);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    if (font == 11)
        QCOMPARE(shown->size(), size);
    const QSize screen = shown->screen()->availableGeometry().size();
    QVERIFY2(shown->width() >= size.width() && shown->height() >= size.height() &&
                 shown->width() <= screen.width() && shown->height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2").arg(shown->width()).arg(shown->height())));
    QStringList cut;
    for (const QWidget* widget : shown->findChildren<QWidget*>()) {
        if (widget->isVisible() && !cutCaption(*widget).isEmpty())
            cut.append(cutCaption(*widget));
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestKeyboardAndNames::tabWalksEveryControlInACycle_data()
{
    QTest::addColumn<QString>("window");
    for (const QString& window : everyWindow)
        QTest::newRow(qPrintable(window)) << window;
}

// Real Tab and Shift+Tab presses, so that a control that keeps the key for itself (a text box
// taking it as text, a list moving between its cells) breaks the walk: from the control that
// has the focus when the window opens, Tab visits every control that takes the focus once and
// comes back, and Shift+Tab walks the same way back.
void TestKeyboardAndNames::tabWalksEveryControlInACycle()
{
    QFETCH(QString, window);
    DemoHost host;
    const std::unique_ptr<QDialog> shown = makeWindow(window, host);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    selectFirstLeaf(*shown);
    QStringList takers;
    for (const QWidget* widget : shown->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
            (widget->focusPolicy() & Qt::TabFocus))
            takers.append(nameOf(widget));
    }
    QStringList forward{focusedName()};
    for (qsizetype i = 0; i < takers.size(); ++i) {
        QVERIFY(press(Qt::Key_Tab));
        forward.append(focusedName());
    }
    QCOMPARE(forward.last(), forward.first());
    QStringList visited = forward.mid(1);
    visited.sort();
    takers.sort();
    QCOMPARE(visited, takers);
    QStringList backward{focusedName()};
    for (qsizetype i = 0; i < takers.size(); ++i) {
        QVERIFY(press(Qt::Key_Backtab, Qt::ShiftModifier));
        backward.prepend(focusedName());
    }
    QCOMPARE(backward, forward);
}

void TestKeyboardAndNames::everyFieldIsNamed_data()
{
    addEveryWindowRows();
}

// Whatever a person types into, picks from, scrolls or looks at as a picture has a name that a
// screen reader can say.
void TestKeyboardAndNames::everyFieldIsNamed()
{
    QFETCH(QString, window);
    DemoHost host;
    const std::unique_ptr<QDialog> shown = makeWindow(window, host);
    QVERIFY(shown);
    QStringList unnamed;
    for (QWidget* field : shown->findChildren<QWidget*>()) {
        const auto* picture = qobject_cast<QLabel*>(field);
        const bool isField = qobject_cast<QLineEdit*>(field) ||
                             qobject_cast<QAbstractSpinBox*>(field) ||
                             qobject_cast<QAbstractScrollArea*>(field) ||
                             (picture && !picture->pixmap().isNull());
        // A spin edit's line edit and a list's header are spoken as part of their control.
        const bool isPart = qobject_cast<QAbstractSpinBox*>(field->parentWidget()) ||
                            qobject_cast<QHeaderView*>(field);
        if (isField && !isPart && accessibleName(field).isEmpty())
            unnamed.append(QString::fromLatin1(field->metaObject()->className()) +
                           QLatin1Char(' ') + field->objectName());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestKeyboardAndNames::okAndCancelShowTheirPictures_data()
{
    addEveryWindowRows();
}

// OK and Cancel look alike in every window, those of a button box too, which Qt would draw
// with the style's pictures or none; the about box's lone OK has no picture.
void TestKeyboardAndNames::okAndCancelShowTheirPictures()
{
    QFETCH(QString, window);
    DemoHost host;
    const std::unique_ptr<QDialog> shown = makeWindow(window, host);
    QVERIFY(shown);
    const QMap<QString, Glyph> glyphs = {{"OK", Glyph::Ok}, {"Cancel", Glyph::Cancel}};
    for (const QPushButton* button : shown->findChildren<QPushButton*>()) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        if (!glyphs.contains(caption))
            continue;
        if (window == QLatin1String("AboutDialog"))
            QVERIFY(button->icon().isNull());
        else
            QVERIFY2(button->icon().cacheKey() == glyphIcon(glyphs[caption]).cacheKey(),
                     qPrintable(caption));
    }
}

void TestKeyboardAndNames::aboutBoxShowsTheProgramIcon()
{
    DemoHost host;
    const std::unique_ptr<QDialog> about = makeWindow(QStringLiteral("AboutDialog"), host);
    QCOMPARE(control<QLabel>(*about, "programIcon")->pixmap().toImage(),
             programIcon().pixmap(32, 32).toImage());
}

void TestKeyboardAndNames::keysRunTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opened");

    QTest::newRow("Enter on MIME types opens its editor")
        << "StartWindow" << "mimeTypesButton" << int(Qt::Key_Return) << "MimeTypesEditor";
    QTest::newRow("Enter on New category, not OK")
        << "ToolbarEditor" << "newCategoryButton" << int(Qt::Key_Return) << "CategoryDialog";
    QTest::newRow("Space on View images")
        << "ToolbarEditor" << "viewImagesButton" << int(Qt::Key_Space) << "ImageViewer";
    QTest::newRow("Space on New type")
        << "MimeTypesEditor" << "newTypeButton" << int(Qt::Key_Space) << "MimeTypeDialog";
    QTest::newRow("Enter on About")
        << "AdditionalFunctionsDialog" << "aboutButton" << int(Qt::Key_Enter) << "AboutDialog";
}

void TestKeyboardAndNames::keysRunTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, opened);
    DemoHost host;
    const std::unique_ptr<QDialog> shown = makeWindow(window, host);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    control<QPushButton>(*shown, button)->setFocus(Qt::TabFocusReason);
    QString seen;
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& dialog) {
        seen = dialog.objectName();
        dialog.reject();
    });
    QVERIFY(press(Qt::Key(key)));
    QCOMPARE(seen, opened);
    QVERIFY(shown->isVisible());
}

void TestKeyboardAndNames::enterInAFieldPressesOk_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");

    QTest::newRow("toolbar tree") << "ToolbarEditor" << "itemsView";
    QTest::newRow("procedures tree") << "ProceduresEditor" << "itemsView";
    QTest::newRow("code preview") << "ProceduresEditor" << "codePreview";
    QTest::newRow("MIME list") << "MimeTypesEditor" << "itemsView";
    QTest::newRow("tag template") << "TagDialog" << "tagEdit";
    QTest::newRow("image spin edit") << "CategoryDialog" << "imageIndexSpin";
    QTest::newRow("procedure caption") << "ProcedureDialog" << "captionEdit";
    QTest::newRow("suffix") << "MimeTypeDialog" << "suffixEdit";
}

void TestKeyboardAndNames::enterInAFieldPressesOk()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    DemoHost host;
    const std::unique_ptr<QDialog> shown = makeWindow(window, host);
    QVERIFY(shown);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& dialog) {
        QVERIFY(waitUntilActive(dialog));
        control(dialog, field)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
    });
    QCOMPARE(Modal::exec(*shown), int(QDialog::Accepted));
}

// From the start window to Exit without a mouse: open the toolbar editor, add a tag with the
// Selected text button and the spin edit, remove a category with Delete, save with Enter.
void TestKeyboardAndNames::wholeEditByKeyboard()
{
    DemoHost host;
    const QString cfg = host.options.values[Opt_HTMLToolbarCFG];
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& editor) {
        QVERIFY(waitUntilActive(editor));
        QCOMPARE(focusedName(), QStringLiteral("itemsView"));
        press(Qt::Key_Home);  // "Standard"
        press(Qt::Key_Right); // opens it
        press(Qt::Key_Down);  // its first tag
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("newTagButton"));
        press(Qt::Key_Space);
        QVERIFY(waitUntilActive(editor));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedName(), QStringLiteral("itemsView"));
        press(Qt::Key_End); // "Lists", the last category
        press(Qt::Key_Delete);
        QVERIFY(waitUntilActive(editor));
        // "Graphics" is selected now, and every button can act on it.
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("okButton"));
        press(Qt::Key_Return);
    });
    answerer.expect([&](QDialog& tag) {
        QVERIFY(waitUntilActive(tag));
        type(QStringLiteral("Strong"));
        press(Qt::Key_Tab);
        type(QStringLiteral("<STRONG>"));
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("selectedTextButton"));
        press(Qt::Key_Space);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        press(Qt::Key_End); // Tab selected the whole tag
        type(QStringLiteral("</STRONG>"));
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("imageIndexSpin"));
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        press(Qt::Key_Return);
    });
    answerer.expect([&](QDialog& question) {
        QCOMPARE(describeWindow(question), QStringLiteral("Remove selected tag/category"));
        QVERIFY(waitUntilActive(question));
        press(Qt::Key_Return); // Yes, the default answer
    });

    StartWindow start;
    start.show();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    QCOMPARE(focusedName(), QStringLiteral("toolbarButton"));
    press(Qt::Key_Return);
    QVERIFY(waitUntilActive(start));
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("exitButton"));
    press(Qt::Key_Return);
    QVERIFY(!start.isVisible());

    QCOMPARE(fileBytes(cfg), QByteArray("2:0:Standard\r\n"
                                        "1:2:Strong:<STRONG>%1</STRONG>\r\n"
                                        "1:6:HR (<HR>):<HR>\r\n"
                                        "1:5:BR (<BR>):<BR>\r\n"
                                        "1:4:Center (<CENTER>):<CENTER>%1</CENTER>\r\n"
                                        "1:3:Underline (<U>):<U>%1</U>\r\n"
                                        "1:2:Italic (<I>):<I>%1</I>\r\n"
                                        "1:1:Bold (<B>):<B>%1</B>\r\n"
                                        "2:7:Graphics\r\n"
                                        "1:7:Image (<IMG>):<IMG SRC=\"\" ALT=\"%1\">\r\n"));
}

HALVEX_TEST_MAIN(TestKeyboardAndNames)
#include "tst_KeyboardAndNames.moc"
