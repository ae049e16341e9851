#include "toolbar/ToolbarModel.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QTest>

#include <functional>

namespace {

// A(A1, A2), B(), C(C1), as the file holds them.
const QByteArray file = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n2:4:C\r\n1:5:C1:c1\r\n";

using Change = std::function<void(ToolbarModel&)>;

ToolbarTag tag(const char* caption, const char* text, int image)
{
    return {DocumentText(QString::fromLatin1(caption)), DocumentText(QString::fromLatin1(text)),
            image};
}

} // namespace

Q_DECLARE_METATYPE(Change)

// Every change goes through the model, checked by Qt's model tester; a view's persistent index
// on a tag of the last category (its selection, an open node) must still find that tag after
// categories before it come, go or move.
class TestToolbarModel : public QObject
{
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
    void dropsGoWhereTheFileCanHoldThem_data();
    void dropsGoWhereTheFileCanHoldThem();
};

void TestToolbarModel::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("category inserted first") << Change([](ToolbarModel& m) {
        m.insertCategory(0, {DocumentText(u"N"), 7, {}});
    }) << "2:7:N\r\n" + file;
    QTest::newRow("tag appended last is written first") << Change([](ToolbarModel& m) {
        m.insertTag({0, 2}, tag("T", "t", 4));
    }) << QByteArray(file).replace("2:0:A\r\n", "2:0:A\r\n1:4:T:t\r\n");
    QTest::newRow("first category removed with its tags")
        << Change([](ToolbarModel& m) { m.takeCategory(0); }) << file.mid(file.indexOf("2:3:B"));
    QTest::newRow("tag removed") << Change([](ToolbarModel& m) {
        m.takeTag({0, 1});
    }) << QByteArray(file).replace("1:1:A2:a2\r\n", "");
    QTest::newRow("category moved down, tags along") << Change([](ToolbarModel& m) {
        m.moveNode({0, -1}, {2, -1});
    }) << QByteArray("2:3:B\r\n2:4:C\r\n1:5:C1:c1\r\n2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n");
    QTest::newRow("category moved up") << Change([](ToolbarModel& m) {
        m.moveNode({2, -1}, {0, -1});
    }) << QByteArray("2:4:C\r\n1:5:C1:c1\r\n2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n");
    QTest::newRow("tag moved within its category") << Change([](ToolbarModel& m) {
        m.moveNode({0, 0}, {0, 1});
    }) << QByteArray(file).replace("1:1:A2:a2\r\n1:2:A1:a1", "1:2:A1:a1\r\n1:1:A2:a2");
    QTest::newRow("tag moved into another category") << Change([](ToolbarModel& m) {
        m.moveNode({0, 0}, {2, 1});
    }) << QByteArray("2:0:A\r\n1:1:A2:a2\r\n2:3:B\r\n2:4:C\r\n1:2:A1:a1\r\n1:5:C1:c1\r\n");
    QTest::newRow("category edited, keeps its tags")
        << Change([](ToolbarModel& m) { m.setCategory(0, DocumentText(u"Z"), 9); })
        << QByteArray(file).replace("2:0:A", "2:9:Z");
}

void TestToolbarModel::changes()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, written);
    ToolbarModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDocument(readToolbar(file, QStringLiteral("t.cfg")).document);
    const QPersistentModelIndex lastTag = model.index(0, 0, model.index(2, 0));
    QCOMPARE(lastTag.data().toString(), QStringLiteral("C1:c1"));
    change(model);
    QCOMPARE(writeToolbar(model.document(), QStringLiteral("t.cfg")), written);
    QCOMPARE(lastTag.data().toString(), QStringLiteral("C1:c1"));
    QCOMPARE(lastTag.parent().data().toString(), QStringLiteral("C"));
}

void TestToolbarModel::dropsGoWhereTheFileCanHoldThem_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("onto"); // the parent under the drop: "" for the top level
    QTest::addColumn<int>("row");      // -1: on the parent itself
    QTest::addColumn<QString>("to");   // where it goes, counted after the move; "" when refused

    QTest::newRow("category between categories, down") << "0"
                                                       << "" << 2 << "1";
    QTest::newRow("category between categories, up") << "2"
                                                     << "" << 0 << "0";
    QTest::newRow("category past the last") << "0"
                                            << "" << -1 << "2";
    QTest::newRow("category onto a category: refused") << "0"
                                                       << "1" << -1 << "";
    QTest::newRow("category among tags: refused") << "2"
                                                  << "0" << 1 << "";
    QTest::newRow("tag onto another category: last there") << "0/0"
                                                           << "2" << -1 << "2/1";
    QTest::newRow("tag between tags of another category") << "0/1"
                                                          << "2" << 0 << "2/0";
    QTest::newRow("tag down in its category") << "0/0"
                                              << "0" << 2 << "0/1";
    QTest::newRow("tag onto its own category: last") << "0/0"
                                                     << "0" << -1 << "0/1";
    QTest::newRow("tag between categories: refused") << "0/0"
                                                     << "" << 1 << "";
    QTest::newRow("tag onto a tag: refused") << "0/0"
                                             << "2/0" << -1 << "";
}

void TestToolbarModel::dropsGoWhereTheFileCanHoldThem()
{
    QFETCH(QString, from);
    QFETCH(QString, onto);
    QFETCH(int, row);
    QFETCH(QString, to);
    const auto position = [](const QString& path) {
        const QStringList steps = path.split(QLatin1Char('/'));
        return TreePosition{steps[0].toInt(), steps.size() > 1 ? steps[1].toInt() : -1};
    };
    ToolbarModel model;
    model.setDocument(readToolbar(file, QStringLiteral("t.cfg")).document);
    const QModelIndex parent = onto.isEmpty() ? QModelIndex() : model.indexOf(position(onto));
    const std::optional<TreePosition> target = model.dropTarget(position(from), row, parent);
    QCOMPARE(target.has_value(), !to.isEmpty());
    if (target)
        QCOMPARE(*target, position(to));
    // A drag from another model is never a move here.
    ToolbarModel other;
    other.setDocument(model.document());
    std::unique_ptr<QMimeData> foreign(other.mimeData({other.indexOf(position(from))}));
    QVERIFY(!model.canDropMimeData(foreign.get(), Qt::MoveAction, row, 0, parent));
}

QTEST_APPLESS_MAIN(TestToolbarModel)
#include "tst_ToolbarModel.moc"
