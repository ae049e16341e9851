#include "common/Modal.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "toolbar/CategoryPropertiesWindowUnit.h"
#include "toolbar/ImageList.h"
#include "ToolbarTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

class TestCategoryPropertiesWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controls_data();
    void controls();
    void enterConfirmsAtOnce();
    void colonIsRefused_data();
    void colonIsRefused();

private:
    ImageList m_images;
};

void TestCategoryPropertiesWindow::initTestCase()
{
    m_images.addStrip(testStrip(192, 16));
}

void TestCategoryPropertiesWindow::controls_data()
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
    QTest::newRow("image label") << "Label3"
                                 << "Image index"
                                 << "8,40 70x21";
    QTest::newRow("image") << "spnImageIndex"
                           << ""
                           << "80,40 49x21";
    QTest::newRow("OK") << "btnOk"
                        << "OK"
                        << "136,88 75x25";
    QTest::newRow("cancel") << "btnCancel"
                            << "Cancel"
                            << "216,88 75x25";
}

void TestCategoryPropertiesWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, geometry);
    CategoryPropertiesWindow dialog(nullptr, m_images);
    QWidget* found = control(dialog, name);
    QCOMPARE(geometryOf(*found), geometry);
    if (auto* button = qobject_cast<QPushButton*>(found)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(captionFits(*button));
    }
    if (auto* label = qobject_cast<QLabel*>(found))
        QCOMPARE(label->text(), caption);
    for (const char* image : {"imgChosen", "imgChosenEnlarged"}) {
        const QRect shown = control(dialog, QString::fromLatin1(image))->geometry();
        QVERIFY(!shown.intersects(found->geometry()));
        QVERIFY(dialog.rect().contains(shown));
    }
}

void TestCategoryPropertiesWindow::enterConfirmsAtOnce()
{
    CategoryPropertiesWindow dialog(nullptr, m_images);
    dialog.runCreateHandler();
    dialog.setFields({QStringLiteral("Lists"), 8});
    DialogAnswerer answerer;
    answerer.expect([&](QDialog&) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* ok = control(dialog, QStringLiteral("btnOk"));
        QCOMPARE(QApplication::focusWidget(), ok);
        QCOMPARE(tabOrder(ok, 5),
                 (QStringList{"btnOk", "btnCancel", "txtCaption", "spnImageIndex", "btnOk"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(Modal::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Category properies"));
    QCOMPARE(dialog.size(), QSize(310, 118));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.fields().caption, QStringLiteral("Lists"));
    QCOMPARE(dialog.fields().imageIndex, 8);
    QCOMPARE(
        control<QLabel>(dialog, QStringLiteral("imgChosen"))->pixmap().toImage().pixelColor(4, 4),
        stripColour(8));
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestCategoryPropertiesWindow::colonIsRefused_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("refused");

    QTest::newRow("colon refused") << "Std:Lists" << true;
    QTest::newRow("colon at the end refused") << "Lists:" << true;
    QTest::newRow("anything else accepted") << "% \" ; <B>" << false;
    QTest::newRow("empty accepted") << "" << false;
}

void TestCategoryPropertiesWindow::colonIsRefused()
{
    QFETCH(QString, caption);
    QFETCH(bool, refused);
    CategoryPropertiesWindow dialog(nullptr, m_images);
    dialog.runCreateHandler();
    dialog.setFields({caption, 0});
    DialogAnswerer answerer;
    QString kept;
    answerer.expect([&](QDialog&) {
        if (refused)
            answerer.expectMessage();
        control<QPushButton>(dialog, QStringLiteral("btnOk"))->click();
        if (!dialog.isVisible())
            return;
        kept = control<QLineEdit>(dialog, QStringLiteral("txtCaption"))->text();
        control<QPushButton>(dialog, QStringLiteral("btnCancel"))->click();
    });
    QCOMPARE(Modal::exec(dialog), int(refused ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(answerer.messages(),
             refused ? QStringList{"Invalid char \":\" in caption"} : QStringList());
    QCOMPARE(kept, refused ? caption : QString());
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

HALVEX_TEST_MAIN(TestCategoryPropertiesWindow)
#include "tst_CategoryPropertiesWindow.moc"
