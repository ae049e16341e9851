#include "common/Modal.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "toolbar/UpdateImagesWindowUnit.h"
#include "ToolbarTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

class TestUpdateImagesWindow : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void answers_data();
    void answers();
};

void TestUpdateImagesWindow::window()
{
    UpdateImagesWindow prompt;
    prompt.runCreateHandler();
    DialogAnswerer answerer;
    answerer.expect([&](QDialog&) {
        QVERIFY(QTest::qWaitForWindowActive(&prompt));
        QWidget* update = control(prompt, QStringLiteral("btnUpdate"));
        QCOMPARE(QApplication::focusWidget(), update);
        QCOMPARE(tabOrder(update, 3), (QStringList{"btnUpdate", "btnCancel", "btnUpdate"}));
        prompt.reject();
    });
    Modal::exec(prompt);
    QCOMPARE(prompt.windowTitle(), QStringLiteral("Update images"));
    QCOMPARE(prompt.size(), QSize(201, 126));
    QCOMPARE(prompt.minimumSize(), prompt.maximumSize());
    const Qt::WindowFlags flags = prompt.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));

    auto* label = control<QLabel>(prompt, QStringLiteral("Label1"));
    QCOMPARE(label->text(), QStringLiteral("Press Update button to update images in editor"));
    QCOMPARE(geometryOf(*label), QStringLiteral("0,0 193x41"));
    QCOMPARE(label->font().pixelSize(), 16);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    auto* update = control<QPushButton>(prompt, QStringLiteral("btnUpdate"));
    auto* cancel = control<QPushButton>(prompt, QStringLiteral("btnCancel"));
    QCOMPARE(geometryOf(*update), QStringLiteral("56,56 100x25"));
    QCOMPARE(geometryOf(*cancel), QStringLiteral("56,88 100x25"));
    QCOMPARE(update->text(), QStringLiteral("Update"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QVERIFY(captionFits(*update) && captionFits(*cancel));
    QVERIFY(update->isDefault());
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

void TestUpdateImagesWindow::answers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("update");

    QTest::newRow("Update") << "btnUpdate" << true;
    QTest::newRow("Enter: Update") << "Enter" << true;
    QTest::newRow("Cancel") << "btnCancel" << false;
    QTest::newRow("Esc: Cancel") << "Esc" << false;
}

void TestUpdateImagesWindow::answers()
{
    QFETCH(QString, action);
    QFETCH(bool, update);
    DialogAnswerer answerer;
    answerer.expect([action](QDialog& prompt) {
        if (action == QLatin1String("Enter"))
            QTest::keyClick(&prompt, Qt::Key_Return);
        else if (action == QLatin1String("Esc"))
            QTest::keyClick(&prompt, Qt::Key_Escape);
        else
            control<QPushButton>(prompt, action)->click();
    });
    QCOMPARE(showDialog<UpdateImagesWindow>(nullptr), update);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
}

HALVEX_TEST_MAIN(TestUpdateImagesWindow)
#include "tst_UpdateImagesWindow.moc"
