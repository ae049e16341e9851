#include "common/SaveGuard.h"
#include "support/DialogAnswerer.h"
#include "support/TestMain.h"

class TestSaveGuard : public QObject
{
    Q_OBJECT

private slots:
    void asksOnlyWhenPartOfTheFileWasNotRead_data();
    void asksOnlyWhenPartOfTheFileWasNotRead();
};

void TestSaveGuard::asksOnlyWhenPartOfTheFileWasNotRead_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<bool>("mayReplace");

    QTest::newRow("no file: created without asking") << int(ReadExtent::NoFile) << 0 << true;
    QTest::newRow("read whole: saved without asking") << int(ReadExtent::Whole) << 0 << true;
    QTest::newRow("partial, Yes: replaced")
        << int(ReadExtent::Partial) << int(QMessageBox::Yes) << true;
    QTest::newRow("partial, No: kept") << int(ReadExtent::Partial) << int(QMessageBox::No) << false;
}

void TestSaveGuard::asksOnlyWhenPartOfTheFileWasNotRead()
{
    QFETCH(int, extent);
    QFETCH(int, answer);
    QFETCH(bool, mayReplace);
    DialogAnswerer answerer;
    if (answer)
        answerer.expectMessage(QMessageBox::StandardButton(answer));
    const QString path = QStringLiteral("/home/ann/My files/toolbar.cfg");
    QCOMPARE(mayReplaceFile(nullptr, ReadExtent(extent), path), mayReplace);
    QVERIFY2(answerer.surprises().isEmpty(), qPrintable(answerer.surprises().join('\n')));
    QVERIFY(answerer.allAnswered());
    if (answer)
        QVERIFY(answerer.messages().value(0).contains(path));
}

HALVEX_TEST_MAIN(TestSaveGuard)
#include "tst_SaveGuard.moc"
