#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/ImageList.h"
#include "toolbar/TagDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

QLineEdit* edit(const QWidget& dialog, const char* name)
{
    return control<QLineEdit>(dialog, QString::fromLatin1(name));
}

QColor pixelOf(const QWidget& dialog, const char* label, int x, int y)
{
    return control<QLabel>(dialog, QString::fromLatin1(label))->pixmap().toImage().pixelColor(x, y);
}

} // namespace

class TestTagDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void colonIsRefused_data();
    void colonIsRefused();
    void macrosReplaceWhatTheTagFieldSelected_data();
    void macrosReplaceWhatTheTagFieldSelected();
    void chosenImageFollowsTheSpinEdit();

private:
    ImageList m_images; // 12 images
};

void TestTagDialog::initTestCase()
{
    const TestHost host;
    host.writeStrip(192);
    m_images.addStrip(QImage(host.path(HostFile::ImageStrip)));
}

void TestTagDialog::colonIsRefused_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("refused");

    QTest::newRow("colon in the tag") << "Bold" << "<B>:</B>" << true;
    QTest::newRow("colon in the caption") << "Bo:ld" << "<B>" << true;
    QTest::newRow("both: one message") << "Bo:ld" << "<B>:</B>" << true;
    QTest::newRow("any other text is accepted") << "% \" ; <>" << "%1%2 & =" << false;
    QTest::newRow("empty caption and tag are accepted") << "" << "" << false;
}

// The file cuts its fields at every ":", so OK refuses one and the dialog stays open with what
// was typed; Cancel then gives nothing.
void TestTagDialog::colonIsRefused()
{
    QFETCH(QString, caption);
    QFETCH(QString, tag);
    QFETCH(bool, refused);
    DialogAnswerer answerer;
    QStringList keptAfterRefusal;
    answerer.expect([&](QDialog& dialog) {
        if (refused)
            answerer.expectMessage();
        clickOk(dialog);
        if (!dialog.isVisible())
            return;
        keptAfterRefusal = QStringList{edit(dialog, "captionEdit")->text(),
                                       edit(dialog, "tagEdit")->text()};
        clickCancel(dialog);
    });
    const std::optional<ToolbarTag> edited =
        TagDialog::edit(nullptr, ToolbarTag(caption, tag, 4), m_images);
    const QStringList refusals{"Invalid char \":\" in tag or caption"};
    QCOMPARE(answerer.messages(), refused ? refusals : QStringList());
    QCOMPARE(keptAfterRefusal, (refused ? QStringList{caption, tag} : QStringList()));
    QCOMPARE(edited.has_value(), !refused);
    if (edited)
        QCOMPARE(*edited, ToolbarTag(caption, tag, 4));
}

void TestTagDialog::macrosReplaceWhatTheTagFieldSelected_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("from"); // selection from..to; equal: the caret, nothing selected
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("captionFocusedLast");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");

    QTest::newRow("selected text at the caret")
        << "<B></B>" << 3 << 3 << false << "selectedTextButton" << "<B>%1</B>" << 5;
    QTest::newRow("new line at the caret")
        << "<P>" << 0 << 0 << false << "newLineButton" << "%2<P>" << 2;
    QTest::newRow("over a selection")
        << "<B>xx</B>" << 3 << 5 << false << "selectedTextButton" << "<B>%1</B>" << 5;
    QTest::newRow("over a selection made backwards")
        << "<B>xx</B>" << 5 << 3 << false << "newLineButton" << "<B>%2</B>" << 5;
    QTest::newRow("caption had the focus: the selection in the tag still")
        << "<B>xx</B>" << 3 << 5 << true << "newLineButton" << "<B>%2</B>" << 5;
}

// Clicking a macro button takes the focus from the tag field, which must keep its selection for
// the button to replace.
void TestTagDialog::macrosReplaceWhatTheTagFieldSelected()
{
    QFETCH(QString, tag);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, captionFocusedLast);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(int, caret);
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* tagEdit = edit(dialog, "tagEdit");
        tagEdit->setFocus();
        if (from == to)
            tagEdit->setCursorPosition(from);
        else
            tagEdit->setSelection(from, to - from);
        if (captionFocusedLast)
            QTest::mouseClick(edit(dialog, "captionEdit"), Qt::LeftButton);
        QTest::mouseClick(control(dialog, button), Qt::LeftButton);
        QCOMPARE(tagEdit->cursorPosition(), caret);
        clickOk(dialog);
    });
    const std::optional<ToolbarTag> edited =
        TagDialog::edit(nullptr, ToolbarTag(QStringLiteral("Cap"), tag, 0), m_images);
    QVERIFY(edited);
    QCOMPARE(*edited, ToolbarTag(QStringLiteral("Cap"), result, 0));
}

// The spin edit counts from 1, within the strip, and shows its image beside it, also enlarged.
// Without images it cannot be changed and the tag keeps the index it had.
void TestTagDialog::chosenImageFollowsTheSpinEdit()
{
    TagDialog dialog(nullptr, ToolbarTag(QString(), QString(), 3), m_images);
    auto* spin = control<QSpinBox>(dialog, QStringLiteral("imageIndexSpin"));
    QCOMPARE(spin->value(), 4);
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 12);
    QCOMPARE(pixelOf(dialog, "imageView", 8, 8), stripColour(3));
    QCOMPARE(control<QLabel>(dialog, QStringLiteral("enlargedImageView"))->pixmap().size(),
             QSize(32, 32));
    QCOMPARE(pixelOf(dialog, "enlargedImageView", 31, 31), stripColour(3));
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 5);
    QCOMPARE(pixelOf(dialog, "imageView", 8, 8), stripColour(4));
    QCOMPARE(pixelOf(dialog, "enlargedImageView", 0, 0), stripColour(4));
    QCOMPARE(dialog.tag().image(), 4);

    ImageList none;
    TagDialog empty(nullptr, ToolbarTag(QString(), QString(), 7), none);
    QVERIFY(!control(empty, QStringLiteral("imageIndexSpin"))->isEnabled());
    QCOMPARE(control<QSpinBox>(empty, QStringLiteral("imageIndexSpin"))->value(), 8);
    QVERIFY(control<QLabel>(empty, QStringLiteral("imageView"))->pixmap().isNull());
    QVERIFY(control<QLabel>(empty, QStringLiteral("enlargedImageView"))->pixmap().isNull());
    QCOMPARE(empty.tag().image(), 7);
}

HALVEX_TEST_MAIN(TestTagDialog)
#include "tst_TagDialog.moc"
