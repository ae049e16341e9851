#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/CategoryDialog.h"
#include "toolbar/ImageList.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A category as the editor hands it over: with its tags, which the dialog must give back.
ToolbarCategory categoryWithTags(const QString& caption, int image)
{
    return ToolbarCategory(caption, image,
                           {ToolbarTag(QStringLiteral("T"), QStringLiteral("t"), 1)});
}

} // namespace

class TestCategoryDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void enterConfirmsAtOnce();
    void colonIsRefused_data();
    void colonIsRefused();

private:
    ImageList m_images; // 12 images
};

void TestCategoryDialog::initTestCase()
{
    const TestHost host;
    host.writeStrip(192);
    m_images.addStrip(QImage(host.path(HostFile::ImageStrip)));
}

// The focus starts on OK, so that Enter confirms the category as it was.
void TestCategoryDialog::enterConfirmsAtOnce()
{
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& dialog) {
        const QPixmap chosen = control<QLabel>(dialog, QStringLiteral("imageView"))->pixmap();
        QCOMPARE(chosen.toImage().pixelColor(4, 4), stripColour(8));
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(),
                 control<QDialogButtonBox>(dialog, QStringLiteral("buttonBox"))
                     ->button(QDialogButtonBox::Ok));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const std::optional<ToolbarCategory> edited =
        CategoryDialog::edit(nullptr, categoryWithTags(QStringLiteral("Lists"), 8), m_images);
    QVERIFY(edited);
    QCOMPARE(*edited, categoryWithTags(QStringLiteral("Lists"), 8));
}

void TestCategoryDialog::colonIsRefused_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("refused");

    QTest::newRow("colon refused") << "Std:Lists" << true;
    QTest::newRow("colon at the end refused") << "Lists:" << true;
    QTest::newRow("anything else accepted") << "% \" ; <B>" << false;
    QTest::newRow("empty accepted") << "" << false;
}

// The file cuts its fields at every ":", so OK refuses one and the dialog stays open with what
// was typed; Cancel then gives nothing.
void TestCategoryDialog::colonIsRefused()
{
    QFETCH(QString, caption);
    QFETCH(bool, refused);
    DialogAnswerer answerer;
    QString keptAfterRefusal;
    answerer.expect([&](QDialog& dialog) {
        if (refused)
            answerer.expectMessage();
        clickOk(dialog);
        if (!dialog.isVisible())
            return;
        keptAfterRefusal = control<QLineEdit>(dialog, QStringLiteral("captionEdit"))->text();
        clickCancel(dialog);
    });
    const std::optional<ToolbarCategory> edited =
        CategoryDialog::edit(nullptr, categoryWithTags(caption, 2), m_images);
    const QStringList refusals{"Invalid char \":\" in caption"};
    QCOMPARE(answerer.messages(), refused ? refusals : QStringList());
    QCOMPARE(keptAfterRefusal, refused ? caption : QString());
    QCOMPARE(edited.has_value(), !refused);
    if (edited)
        QCOMPARE(*edited, categoryWithTags(caption, 2));
}

HALVEX_TEST_MAIN(TestCategoryDialog)
#include "tst_CategoryDialog.moc"
