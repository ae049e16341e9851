#include "common/Modal.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "toolbar/ImageList.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "ToolbarTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

const QString refusal = QStringLiteral("Invalid char \":\" in tag or caption");

QLineEdit* edit(const QWidget& dialog, const char* name)
{
    return control<QLineEdit>(dialog, QString::fromLatin1(name));
}

QColor pixelOf(const QLabel* label, int x, int y)
{
    return label->pixmap().toImage().pixelColor(x, y);
}

} // namespace

class TestTagPropertiesWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controls_data();
    void controls();
    void windowTabOrderAndFocus();
    void macrosGoIntoTheTagAtItsCaret_data();
    void macrosGoIntoTheTagAtItsCaret();
    void colonIsRefused_data();
    void colonIsRefused();
    void chosenImageFollowsTheSpinEdit();

private:
    ImageList m_images;
};

void TestTagPropertiesWindow::initTestCase()
{
    m_images.addStrip(testStrip(192, 16));
}

void TestTagPropertiesWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("geometry");

    QTest::newRow("caption label") << "Label1"
                                   << "Caption"
                                   << "8,8 46x21";
    QTest::newRow("caption") << "txtCaption"
                             << ""
                             << "56,8 233x21";
    QTest::newRow("tag label") << "Label2"
                               << "Tag"
                               << "8,40 46x21";
    QTest::newRow("tag") << "txtTag"
                         << ""
                         << "56,40 233x21";
    QTest::newRow("new line") << "btnNewLineMacro"
                              << "New line"
                              << "88,72 100x25";
    QTest::newRow("selected text") << "btnSelTextMacro"
                                   << "Selected text"
                                   << "192,72 100x25";
    QTest::newRow("image label") << "Label3"
                                 << "Image index"
                                 << "8,104 70x21";
    QTest::newRow("image") << "spnImageIndex"
                           << ""
                           << "80,104 49x21";
    QTest::newRow("OK") << "btnOk"
                        << "OK"
                        << "136,152 75x25";
    QTest::newRow("cancel") << "btnCancel"
                            << "Cancel"
                            << "216,152 75x25";
}

void TestTagPropertiesWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, geometry);
    TagPropertiesWindow dialog(nullptr, m_images);
    QWidget* found = control(dialog, name);
    QCOMPARE(geometryOf(*found), geometry);
    if (auto* button = qobject_cast<QPushButton*>(found)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(captionFits(*button));
    }
    if (auto* label = qobject_cast<QLabel*>(found)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->fontMetrics().horizontalAdvance(caption) <= label->width());
    }
    // The chosen image is shown out of the way of every control.
    for (const char* image : {"imgChosen", "imgChosenEnlarged"}) {
        const QRect shown = control(dialog, QString::fromLatin1(image))->geometry();
        QVERIFY(!shown.intersects(found->geometry()));
        QVERIFY(dialog.rect().contains(shown));
    }
}

void TestTagPropertiesWindow::windowTabOrderAndFocus()
{
    TagPropertiesWindow dialog(nullptr, m_images);
    dialog.runCreateHandler();
    dialog.setFields({});
    DialogAnswerer answerer;
    answerer.expect([&](QDialog&) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), edit(dialog, "txtCaption"));
        QCOMPARE(tabOrder(edit(dialog, "txtCaption"), 8),
                 (QStringList{"txtCaption", "txtTag", "btnSelTextMacro", "btnNewLineMacro",
                              "spnImageIndex", "btnOk", "btnCancel", "txtCaption"}));
        QVERIFY(control<QPushButton>(dialog, QStringLiteral("btnOk"))->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(Modal::exec(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tag properties"));
    QCOMPARE(dialog.size(), QSize(297, 182));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestTagPropertiesWindow::macrosGoIntoTheTagAtItsCaret_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("from"); // selection from..to; equal: the caret, nothing selected
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("captionFocusedLast");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");

    QTest::newRow("selected text at the caret") << "<B></B>" << 3 << 3 << false << "btnSelTextMacro"
                                                << "<B>%1</B>" << 5;
    QTest::newRow("new line at the caret") << "<P>" << 0 << 0 << false << "btnNewLineMacro"
                                           << "%2<P>" << 2;
    QTest::newRow("into an empty tag") << "" << 0 << 0 << false << "btnSelTextMacro"
                                       << "%1" << 2;
    QTest::newRow("over a selection") << "<B>xx</B>" << 3 << 5 << false << "btnSelTextMacro"
                                      << "<B>%1</B>" << 5;
    QTest::newRow("over a selection made backwards")
        << "<B>xx</B>" << 5 << 3 << false << "btnNewLineMacro"
        << "<B>%2</B>" << 5;
    QTest::newRow("caption had the focus: caret in the tag")
        << "<B></B>" << 3 << 3 << true << "btnSelTextMacro"
        << "<B>%1</B>" << 5;
    QTest::newRow("caption had the focus: selection in the tag")
        << "<B>xx</B>" << 3 << 5 << true << "btnNewLineMacro"
        << "<B>%2</B>" << 5;
}

void TestTagPropertiesWindow::macrosGoIntoTheTagAtItsCaret()
{
    QFETCH(QString, tag);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, captionFocusedLast);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(int, caret);
    TagPropertiesWindow dialog(nullptr, m_images);
    dialog.runCreateHandler();
    dialog.setFields({QStringLiteral("Cap"), tag, 0});
    DialogAnswerer answerer;
    answerer.expect([&](QDialog&) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* txtTag = edit(dialog, "txtTag");
        txtTag->setFocus();
        if (from == to)
            txtTag->setCursorPosition(from);
        else
            txtTag->setSelection(from, to - from);
        if (captionFocusedLast)
            QTest::mouseClick(edit(dialog, "txtCaption"), Qt::LeftButton);
        QTest::mouseClick(control(dialog, button), Qt::LeftButton);
        QCOMPARE(txtTag->text(), result);
        QCOMPARE(txtTag->cursorPosition(), caret);
        QCOMPARE(edit(dialog, "txtCaption")->text(), QStringLiteral("Cap"));
        control<QPushButton>(dialog, QStringLiteral("btnOk"))->click();
    });
    QCOMPARE(Modal::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.fields().tag, result);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestTagPropertiesWindow::colonIsRefused_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("corrected"); // the tag typed after a refusal
    QTest::addColumn<int>("refusals");

    QTest::newRow("colon in the tag") << "Bold"
                                      << "<B>:</B>"
                                      << "<B></B>" << 1;
    QTest::newRow("colon in the caption") << "Bo:ld"
                                          << "<B>"
                                          << "" << 1;
    QTest::newRow("both: one message") << "Bo:ld"
                                       << "<B>:</B>"
                                       << "" << 1;
    QTest::newRow("both, the tag mended: refused again") << "Bo:ld"
                                                         << "<B>:</B>"
                                                         << "<B></B>" << 2;
    QTest::newRow("any other text is accepted") << "% \" ; <>"
                                                << "%1%2 & ="
                                                << "" << 0;
    QTest::newRow("empty caption and tag are accepted") << ""
                                                        << ""
                                                        << "" << 0;
}

void TestTagPropertiesWindow::colonIsRefused()
{
    QFETCH(QString, caption);
    QFETCH(QString, tag);
    QFETCH(QString, corrected);
    QFETCH(int, refusals);
    TagPropertiesWindow dialog(nullptr, m_images);
    dialog.runCreateHandler();
    dialog.setFields({caption, tag, 4});
    DialogAnswerer answerer;
    QStringList keptAfterRefusal;
    answerer.expect([&](QDialog&) {
        for (int i = 0; i < refusals; ++i)
            answerer.expectMessage();
        QPushButton* ok = control<QPushButton>(dialog, QStringLiteral("btnOk"));
        ok->click();
        if (!dialog.isVisible())
            return;
        keptAfterRefusal = {edit(dialog, "txtCaption")->text(), edit(dialog, "txtTag")->text()};
        if (!corrected.isEmpty()) {
            edit(dialog, "txtTag")->setText(corrected);
            ok->click();
            if (!dialog.isVisible())
                return;
        }
        edit(dialog, "txtCaption")->setText(QStringLiteral("Bold"));
        edit(dialog, "txtTag")->setText(QStringLiteral("<B>"));
        ok->click();
    });
    QCOMPARE(Modal::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(answerer.messages(), QStringList(refusals, refusal));
    if (refusals)
        QCOMPARE(keptAfterRefusal, (QStringList{caption, tag}));
    else
        QCOMPARE(dialog.fields().caption, caption);
    QCOMPARE(dialog.fields().imageIndex, 4);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestTagPropertiesWindow::chosenImageFollowsTheSpinEdit()
{
    TagPropertiesWindow dialog(nullptr, m_images);
    dialog.setFields({QString(), QString(), 3});
    auto* spin = control<QSpinBox>(dialog, QStringLiteral("spnImageIndex"));
    auto* image = control<QLabel>(dialog, QStringLiteral("imgChosen"));
    auto* enlarged = control<QLabel>(dialog, QStringLiteral("imgChosenEnlarged"));
    QCOMPARE(pixelOf(image, 8, 8), stripColour(3));
    QCOMPARE(image->pixmap().size(), QSize(16, 16));
    QCOMPARE(enlarged->pixmap().size(), QSize(32, 32));
    QCOMPARE(pixelOf(enlarged, 31, 31), stripColour(3));
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 5);
    QCOMPARE(pixelOf(image, 8, 8), stripColour(4));
    QCOMPARE(pixelOf(enlarged, 0, 0), stripColour(4));
    QCOMPARE(dialog.fields().imageIndex, 4);

    ImageList none;
    TagPropertiesWindow empty(nullptr, none);
    empty.setFields({QString(), QString(), 7});
    QVERIFY(!control(empty, QStringLiteral("spnImageIndex"))->isEnabled());
    QVERIFY(control<QLabel>(empty, QStringLiteral("imgChosen"))->pixmap().isNull());
    QCOMPARE(empty.fields().imageIndex, 7);
}

HALVEX_TEST_MAIN(TestTagPropertiesWindow)
#include "tst_TagPropertiesWindow.moc"
