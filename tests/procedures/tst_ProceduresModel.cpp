#include "procedures/ProceduresModel.h"
#include "ProcsSamples.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(ProceduresModel&)>;

Procedure procedure(const char* caption, const char* code)
{
    return {DocumentText(QString::fromLatin1(caption)), DocumentText(QString::fromLatin1(code))};
}

} // namespace

Q_DECLARE_METATYPE(Change)

// Every change goes through the model, checked by Qt's model tester; a node's code stays with
// its node wherever the node goes.
class TestProceduresModel : public QObject
{
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
};

void TestProceduresModel::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("written");

    const QByteArray misc = "SECTION_0\r\n%1++\r\n#%1++\r\n%1--\r\n#%1--\r\n";
    const QByteArray output = "SECTION_1\r\nprint;\r\n#print;\r\nprint <<EOF;\r\n#print "
                              "<<EOF;%2%1%2EOF\r\n";
    QTest::newRow("procedure appended to a section")
        << Change([](ProceduresModel& m) { m.insertProcedure({0, 2}, procedure("n", "c")); })
        << misc + "n\r\n#c\r\n" + output;
    QTest::newRow("procedure edited")
        << Change([](ProceduresModel& m) { m.setProcedure({1, 0}, procedure("say", "print")); })
        << misc + QByteArray(output).replace("print;\r\n#print;", "say\r\n#print");
    QTest::newRow("procedure removed")
        << Change([](ProceduresModel& m) { m.takeProcedure({0, 0}); })
        << QByteArray(misc).replace("%1++\r\n#%1++\r\n", "") + output;
    QTest::newRow("procedure moved within its section")
        << Change([](ProceduresModel& m) { m.moveProcedure({1, 1}, {1, 0}); })
        << misc + "SECTION_1\r\nprint <<EOF;\r\n#print <<EOF;%2%1%2EOF\r\nprint;\r\n#print;\r\n";
    QTest::newRow("procedure moved into another section, code along")
        << Change([](ProceduresModel& m) { m.moveProcedure({1, 1}, {0, 0}); })
        << QByteArray("SECTION_0\r\nprint <<EOF;\r\n#print <<EOF;%2%1%2EOF\r\n%1++\r\n#%1++\r\n%1--\r\n#%1--"
                  "\r\nSECTION_1\r\nprint;\r\n#print;\r\n");
}

void TestProceduresModel::changes()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, written);
    ProceduresModel model;
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDocument(readProcedures(workedExample, QStringLiteral("CstProcs.dat")).document);
    change(model);
    QCOMPARE(writeProcedures(model.document(), QStringLiteral("CstProcs.dat")), written);
}

QTEST_APPLESS_MAIN(TestProceduresModel)
#include "tst_ProceduresModel.moc"
