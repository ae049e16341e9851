#include "app/StartWindowUnit.h"
#include "common/Glyphs.h"
#include "common/Modal.h"
#include "support/DialogAnswerer.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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

QString focusedName()
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("<nothing>");
}

} // namespace

class TestKeyboardAndNames : public QObject
{
    Q_OBJECT

private slots:
    void tabVisitsTheControlsInOrder_data();
    void tabVisitsTheControlsInOrder();
    void everyFieldIsNamed_data();
    void everyFieldIsNamed();
    void fieldNames_data();
    void fieldNames();
    void buttonPictures_data();
    void buttonPictures();
    void aboutBoxShowsTheProgramIcon();
    void keysRunTheFocusedButton_data();
    void keysRunTheFocusedButton();
    void enterInAFieldPressesOk_data();
    void enterInAFieldPressesOk();
    void wholeEditByKeyboard();
};

void TestKeyboardAndNames::tabVisitsTheControlsInOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("start window") << "TStartWindow"
                                  << QStringList{"btnEditHTML", "btnStdProcsEditor", "btnMIMETypes",
                                                 "btnMore", "btnExit"};
    QTest::newRow("toolbar editor: View images last")
        << "THTMLToolbarEditorWindow"
        << QStringList{"tvItems",   "btnNewTag", "btnNewCategory", "btnEditGlyps", "btnEdit",
                       "btnRemove", "btnOk",     "btnCancel",      "btnViewGlyphs"};
    QTest::newRow("tag dialog: Selected text before New line")
        << "TTagPropertiesWindow"
        << QStringList{"txtCaption",    "txtTag", "btnSelTextMacro", "btnNewLineMacro",
                       "spnImageIndex", "btnOk",  "btnCancel"};
    QTest::newRow("category dialog: OK first")
        << "TCategoryProperiesWindow"
        << QStringList{"btnOk", "btnCancel", "txtCaption", "spnImageIndex"};
    QTest::newRow("update prompt")
        << "TUpdateGlyphsWindow" << QStringList{"btnUpdate", "btnCancel"};
    QTest::newRow("viewer: OK, then the picture")
        << "TViewImageWindow" << QStringList{"btnOk", "scrollArea"};
    QTest::newRow("procedures editor: Tab leaves the preview")
        << "TStdProcsPanelEditorWindow"
        << QStringList{"tvItems", "btnNewCode", "btnEdit", "btnRemove",
                       "btnOk",   "btnCancel",  "txtCode"};
    QTest::newRow("procedure dialog: Tab leaves the code")
        << "TCstProcProprtiesWindow"
        << QStringList{"txtCaption", "txtCode", "btnOk", "btnCancel", "btnSelectedTextMacro"};
    QTest::newRow("MIME editor: Tab leaves the list")
        << "TMIMETypesEditor"
        << QStringList{"btnOk", "btnCancel", "btnNewType", "btnEdit", "btnRemove", "lvItems"};
    QTest::newRow("MIME type dialog: OK first")
        << "TMIMETypePropertiesWindow"
        << QStringList{"btnOk", "btnCancel", "txtMIMEType", "txtSuffix"};
    QTest::newRow("Additional: through both group boxes")
        << "TAdditionalFunctionsWindow"
        << QStringList{"btnResetHTMLToolbar", "btnResetStdProcs", "btnResetMIME", "btnAbout",
                       "btnExit"};
    QTest::newRow("about box: OK alone") << "TAboutWindow" << QStringList{"OKButton"};
}

// Real Tab and Shift+Tab presses, so that a control that keeps the key for itself (a memo
// taking it as text, a list moving between its cells) breaks the walk.
void TestKeyboardAndNames::tabVisitsTheControlsInOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    DemoHost host;
    std::unique_ptr<Form> shown = makeWindow(window, host);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    QStringList forward{focusedName()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QVERIFY(press(Qt::Key_Tab));
        forward.append(focusedName());
    }
    QCOMPARE(forward, order + QStringList{order.first()});
    QStringList backward{focusedName()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QVERIFY(press(Qt::Key_Backtab, Qt::ShiftModifier));
        backward.prepend(focusedName());
    }
    QCOMPARE(backward, order + QStringList{order.first()});
}

void TestKeyboardAndNames::everyFieldIsNamed_data()
{
    addEveryWindowRows();
}

// Whatever a person types into or picks from has a name that a screen reader can say.
void TestKeyboardAndNames::everyFieldIsNamed()
{
    QFETCH(QString, window);
    DemoHost host;
    std::unique_ptr<Form> shown = makeWindow(window, host);
    QVERIFY(shown);
    QStringList unnamed;
    for (QWidget* field : shown->findChildren<QWidget*>()) {
        const bool isField =
            qobject_cast<QLineEdit*>(field) || qobject_cast<QPlainTextEdit*>(field) ||
            qobject_cast<QAbstractSpinBox*>(field) || qobject_cast<QAbstractItemView*>(field);
        // A spin edit's line edit and a list's header are spoken as part of their control.
        const bool isPart = qobject_cast<QAbstractSpinBox*>(field->parentWidget()) ||
                            qobject_cast<QHeaderView*>(field);
        if (isField && !isPart && accessibleName(field).isEmpty())
            unnamed.append(QString::fromLatin1(field->metaObject()->className()) +
                           QLatin1Char(' ') + field->objectName());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestKeyboardAndNames::fieldNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");

    QTest::newRow("toolbar tree") << "THTMLToolbarEditorWindow"
                                  << "tvItems"
                                  << "Toolbar items";
    QTest::newRow("tag caption, from its label") << "TTagPropertiesWindow"
                                                 << "txtCaption"
                                                 << "Caption";
    QTest::newRow("tag template") << "TTagPropertiesWindow"
                                  << "txtTag"
                                  << "Tag";
    QTest::newRow("tag image") << "TTagPropertiesWindow"
                               << "spnImageIndex"
                               << "Image index";
    QTest::newRow("category caption") << "TCategoryProperiesWindow"
                                      << "txtCaption"
                                      << "Caption";
    QTest::newRow("category image") << "TCategoryProperiesWindow"
                                    << "spnImageIndex"
                                    << "Image index";
    QTest::newRow("procedures tree") << "TStdProcsPanelEditorWindow"
                                     << "tvItems"
                                     << "Procedures";
    QTest::newRow("code preview, which has no label") << "TStdProcsPanelEditorWindow"
                                                      << "txtCode"
                                                      << "Code preview";
    QTest::newRow("procedure caption") << "TCstProcProprtiesWindow"
                                       << "txtCaption"
                                       << "Caption";
    QTest::newRow("procedure code") << "TCstProcProprtiesWindow"
                                    << "txtCode"
                                    << "Code";
    QTest::newRow("MIME list") << "TMIMETypesEditor"
                               << "lvItems"
                               << "MIME types";
    QTest::newRow("MIME type") << "TMIMETypePropertiesWindow"
                               << "txtMIMEType"
                               << "MIME type";
    QTest::newRow("suffix") << "TMIMETypePropertiesWindow"
                            << "txtSuffix"
                            << "File name suffix";
    QTest::newRow("viewer picture") << "TViewImageWindow"
                                    << "Image1"
                                    << "Picture";
    QTest::newRow("about icon") << "TAboutWindow"
                                << "ProgramIcon"
                                << "Program icon";
}

void TestKeyboardAndNames::fieldNames()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, name);
    DemoHost host;
    std::unique_ptr<Form> shown = makeWindow(window, host);
    QVERIFY(shown);
    QWidget* found = shown->findChild<QWidget*>(field);
    QVERIFY(found);
    QCOMPARE(accessibleName(found), name);
}

void TestKeyboardAndNames::buttonPictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("glyph"); // -1: a button without a picture

    const auto row = [](const char* window, const char* button, int glyph) {
        QTest::addRow("%s %s", window, button) << window << button << glyph;
    };
    row("TStartWindow", "btnEditHTML", int(Glyph::HtmlToolbar));
    row("TStartWindow", "btnStdProcsEditor", int(Glyph::Procedures));
    row("TStartWindow", "btnMIMETypes", int(Glyph::MimeTypes));
    row("TStartWindow", "btnMore", int(Glyph::Additional));
    row("TStartWindow", "btnExit", int(Glyph::Exit));
    row("THTMLToolbarEditorWindow", "btnNewTag", int(Glyph::NewTag));
    row("THTMLToolbarEditorWindow", "btnNewCategory", int(Glyph::NewCategory));
    row("THTMLToolbarEditorWindow", "btnEditGlyps", int(Glyph::EditImages));
    row("THTMLToolbarEditorWindow", "btnViewGlyphs", int(Glyph::ViewImages));
    row("THTMLToolbarEditorWindow", "btnEdit", int(Glyph::Edit));
    row("THTMLToolbarEditorWindow", "btnRemove", int(Glyph::Remove));
    row("THTMLToolbarEditorWindow", "btnOk", int(Glyph::Ok));
    row("THTMLToolbarEditorWindow", "btnCancel", int(Glyph::Cancel));
    row("TTagPropertiesWindow", "btnSelTextMacro", int(Glyph::SelectedTextMacro));
    row("TTagPropertiesWindow", "btnNewLineMacro", int(Glyph::NewLineMacro));
    row("TTagPropertiesWindow", "btnOk", int(Glyph::Ok));
    row("TTagPropertiesWindow", "btnCancel", int(Glyph::Cancel));
    row("TCategoryProperiesWindow", "btnOk", int(Glyph::Ok));
    row("TCategoryProperiesWindow", "btnCancel", int(Glyph::Cancel));
    row("TUpdateGlyphsWindow", "btnUpdate", int(Glyph::Update));
    row("TUpdateGlyphsWindow", "btnCancel", int(Glyph::Cancel));
    row("TViewImageWindow", "btnOk", int(Glyph::Ok));
    row("TStdProcsPanelEditorWindow", "btnNewCode", int(Glyph::NewCode));
    row("TStdProcsPanelEditorWindow", "btnEdit", int(Glyph::Edit));
    row("TStdProcsPanelEditorWindow", "btnRemove", int(Glyph::Remove));
    row("TStdProcsPanelEditorWindow", "btnOk", int(Glyph::Ok));
    row("TStdProcsPanelEditorWindow", "btnCancel", int(Glyph::Cancel));
    row("TCstProcProprtiesWindow", "btnSelectedTextMacro", int(Glyph::SelectedTextMacro));
    row("TCstProcProprtiesWindow", "btnOk", int(Glyph::Ok));
    row("TCstProcProprtiesWindow", "btnCancel", int(Glyph::Cancel));
    row("TMIMETypesEditor", "btnNewType", int(Glyph::NewType));
    row("TMIMETypesEditor", "btnEdit", int(Glyph::Edit));
    row("TMIMETypesEditor", "btnRemove", int(Glyph::Remove));
    row("TMIMETypesEditor", "btnOk", int(Glyph::Ok));
    row("TMIMETypesEditor", "btnCancel", int(Glyph::Cancel));
    row("TMIMETypePropertiesWindow", "btnOk", int(Glyph::Ok));
    row("TMIMETypePropertiesWindow", "btnCancel", int(Glyph::Cancel));
    row("TAdditionalFunctionsWindow", "btnResetHTMLToolbar", -1);
    row("TAdditionalFunctionsWindow", "btnResetStdProcs", -1);
    row("TAdditionalFunctionsWindow", "btnResetMIME", -1);
    row("TAdditionalFunctionsWindow", "btnAbout", -1);
    row("TAdditionalFunctionsWindow", "btnExit", int(Glyph::Close));
    row("TAboutWindow", "OKButton", -1);
}

void TestKeyboardAndNames::buttonPictures()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, glyph);
    DemoHost host;
    std::unique_ptr<Form> shown = makeWindow(window, host);
    QVERIFY(shown);
    auto* found = shown->findChild<QPushButton*>(button);
    QVERIFY(found);
    if (glyph < 0)
        QVERIFY(found->icon().isNull());
    else
        QCOMPARE(found->icon().cacheKey(), glyphIcon(Glyph(glyph)).cacheKey());
}

void TestKeyboardAndNames::aboutBoxShowsTheProgramIcon()
{
    DemoHost host;
    std::unique_ptr<Form> about = makeWindow(QStringLiteral("TAboutWindow"), host);
    auto* icon = about->findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    QVERIFY(icon);
    QCOMPARE(icon->pixmap().toImage(), programIcon().pixmap(32, 32).toImage());
}

void TestKeyboardAndNames::keysRunTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opened");

    QTest::newRow("Enter on MIME types opens its editor")
        << "TStartWindow"
        << "btnMIMETypes" << int(Qt::Key_Return) << "TMIMETypesEditor";
    QTest::newRow("Enter on New category, not OK")
        << "THTMLToolbarEditorWindow"
        << "btnNewCategory" << int(Qt::Key_Return) << "TCategoryProperiesWindow";
    QTest::newRow("Space on View images")
        << "THTMLToolbarEditorWindow"
        << "btnViewGlyphs" << int(Qt::Key_Space) << "TViewImageWindow";
    QTest::newRow("Space on New type")
        << "TMIMETypesEditor"
        << "btnNewType" << int(Qt::Key_Space) << "TMIMETypePropertiesWindow";
    QTest::newRow("Enter on About") << "TAdditionalFunctionsWindow"
                                    << "btnAbout" << int(Qt::Key_Enter) << "TAboutWindow";
}

void TestKeyboardAndNames::keysRunTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, opened);
    DemoHost host;
    std::unique_ptr<Form> shown = makeWindow(window, host);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    auto* found = shown->findChild<QPushButton*>(button);
    QVERIFY(found);
    found->setFocus(Qt::TabFocusReason);
    QString seen;
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& dialog) {
        seen = dialog.objectName();
        dialog.reject();
    });
    QVERIFY(press(Qt::Key(key)));
    QCOMPARE(seen, opened);
    QVERIFY(shown->isVisible());
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestKeyboardAndNames::enterInAFieldPressesOk_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");

    QTest::newRow("toolbar tree") << "THTMLToolbarEditorWindow"
                                  << "tvItems";
    QTest::newRow("procedures tree") << "TStdProcsPanelEditorWindow"
                                     << "tvItems";
    QTest::newRow("code preview") << "TStdProcsPanelEditorWindow"
                                  << "txtCode";
    QTest::newRow("MIME list") << "TMIMETypesEditor"
                               << "lvItems";
    QTest::newRow("tag template") << "TTagPropertiesWindow"
                                  << "txtTag";
    QTest::newRow("image spin edit") << "TCategoryProperiesWindow"
                                     << "spnImageIndex";
    QTest::newRow("procedure caption") << "TCstProcProprtiesWindow"
                                       << "txtCaption";
    QTest::newRow("suffix") << "TMIMETypePropertiesWindow"
                            << "txtSuffix";
}

void TestKeyboardAndNames::enterInAFieldPressesOk()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    DemoHost host;
    std::unique_ptr<Form> shown = makeWindow(window, host);
    QVERIFY(shown);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& dialog) {
        QVERIFY(waitUntilActive(dialog));
        auto* found = dialog.findChild<QWidget*>(field);
        QVERIFY(found);
        found->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
    });
    QCOMPARE(Modal::exec(*shown), int(QDialog::Accepted));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
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
        QCOMPARE(focusedName(), QStringLiteral("tvItems"));
        press(Qt::Key_Home);  // "Standard"
        press(Qt::Key_Right); // opens it
        press(Qt::Key_Down);  // its first tag
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("btnNewTag"));
        press(Qt::Key_Space);
        QVERIFY(waitUntilActive(editor));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedName(), QStringLiteral("tvItems"));
        press(Qt::Key_End); // "Lists", the last category
        press(Qt::Key_Delete);
        QVERIFY(waitUntilActive(editor));
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("btnOk"));
        press(Qt::Key_Return);
    });
    answerer.expect([&](QDialog& tag) {
        QVERIFY(waitUntilActive(tag));
        type(QStringLiteral("Strong"));
        press(Qt::Key_Tab);
        type(QStringLiteral("<STRONG>"));
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("btnSelTextMacro"));
        press(Qt::Key_Space);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        press(Qt::Key_End); // Tab selected the whole tag
        type(QStringLiteral("</STRONG>"));
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("spnImageIndex"));
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
    start.runCreateHandler();
    start.show();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    QCOMPARE(focusedName(), QStringLiteral("btnEditHTML"));
    press(Qt::Key_Return);
    QVERIFY(waitUntilActive(start));
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("btnExit"));
    press(Qt::Key_Return);
    QVERIFY(!start.isVisible());

    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
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
