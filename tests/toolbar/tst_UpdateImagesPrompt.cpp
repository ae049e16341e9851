#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"
#include "toolbar/UpdateImagesPrompt.h"

#include <QLabel>

class TestUpdateImagesPrompt : public QObject
{
    Q_OBJECT

private slots:
    void onlyItsButtonsCloseIt();
    void answers_data();
    void answers();
};

// The editor waits on the prompt while another program has the strip: a close box would leave
// it unclear whether to read the strip again.
void TestUpdateImagesPrompt::onlyItsButtonsCloseIt()
{
    const UpdateImagesPrompt prompt;
    const Qt::WindowFlags flags = prompt.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));
}

void TestUpdateImagesPrompt::answers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("update");

    QTest::newRow("Update") << "updateButton" << true;
    QTest::newRow("Enter: Update") << "Enter" << true;
    QTest::newRow("Cancel") << "cancelButton" << false;
}

void TestUpdateImagesPrompt::answers()
{
    QFETCH(QString, action);
    QFETCH(bool, update);
    DialogAnswerer answerer;
    answerer.expect([action](QDialog& prompt) {
        if (action == QLatin1String("Enter"))
            QTest::keyClick(&prompt, Qt::Key_Return);
        else
            click(prompt, qPrintable(action));
    });
    QCOMPARE(UpdateImagesPrompt::ask(nullptr), update);
}

HALVEX_TEST_MAIN(TestUpdateImagesPrompt)
#include "tst_UpdateImagesPrompt.moc"
