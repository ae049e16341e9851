#include "toolbar/ToolbarModel.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// A(A1, A2), B(), C(C1), as the file holds them.
const QByteArray file = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n2:4:C\r\n1:5:C1:c1\r\n";

using Change = std::function<void(ToolbarModel&)>;

ToolbarNode category(const char* caption)
{
    return ToolbarCategory(QString::fromLatin1(caption), 7);
}

TreePosition position(const QString& path)
{
    const QStringList steps = path.split(QLatin1Char('/'));
    return {steps[0].toInt(), steps.size() > 1 ? steps[1].toInt() : -1};
}

} // namespace

Q_DECLARE_METATYPE(Change)

// The steps themselves are checked in tst_NodeCommands. Here: a child's index carries its
// parent's row, so a view's persistent index on a tag of the last category (its selection, an
// open node) must be moved along when categories before it come, go or move.
class TestToolbarModel : public QObject
{
    Q_OBJECT

private slots:
    void tagIndexFollowsItsCategory_data();
    void tagIndexFollowsItsCategory();
    void dropsGoWhereTheFileCanHoldThem_data();
    void dropsGoWhereTheFileCanHoldThem();
};

void TestToolbarModel::tagIndexFollowsItsCategory_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("row"); // of C afterwards

    QTest::newRow("two categories inserted first") << Change([](ToolbarModel& m) {
        QList<ToolbarNode> nodes{category("N"), category("O")};
        m.insertNodes({0, -1}, nodes);
    }) << 4;
    QTest::newRow("first category removed with its tags")
        << Change([](ToolbarModel& m) { m.takeNodes({0, -1}, 1); }) << 1;
    QTest::newRow("first category moved past it")
        << Change([](ToolbarModel& m) { m.moveNode({0, -1}, {2, -1}); }) << 1;
    QTest::newRow("its category moved first")
        << Change([](ToolbarModel& m) { m.moveNode({2, -1}, {0, -1}); }) << 0;
    QTest::newRow("first category edited")
        << Change([](ToolbarModel& m) { m.setNode({0, -1}, category("Z")); }) << 2;
}

void TestToolbarModel::tagIndexFollowsItsCategory()
{
    QFETCH(Change, change);
    QFETCH(int, row);
    ToolbarModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDocument(readToolbar(file, QStringLiteral("t.cfg")).document);
    const QPersistentModelIndex lastTag = model.index(0, 0, model.index(2, 0));
    QCOMPARE(lastTag.data().toString(), QStringLiteral("C1:c1"));
    change(model);
    QCOMPARE(lastTag.data().toString(), QStringLiteral("C1:c1"));
    QCOMPARE(lastTag.parent().data().toString(), QStringLiteral("C"));
    QCOMPARE(lastTag.parent().row(), row);
    QCOMPARE(lastTag.data(ToolbarModel::ImageIndexRole).toInt(), 5);
}

void TestToolbarModel::dropsGoWhereTheFileCanHoldThem_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("onto"); // the parent under the drop: "" for the top level
    QTest::addColumn<int>("row");      // -1: on the parent itself
    QTest::addColumn<QString>("to");   // where it goes, counted after the move; "" when refused

    QTest::newRow("category between categories, down") << "0" << "" << 2 << "1";
    QTest::newRow("category between categories, up") << "2" << "" << 0 << "0";
    QTest::newRow("category past the last") << "0" << "" << -1 << "2";
    QTest::newRow("category onto a category: refused") << "0" << "1" << -1 << "";
    QTest::newRow("category among tags: refused") << "2" << "0" << 1 << "";
    QTest::newRow("tag onto another category: last there") << "0/0" << "2" << -1 << "2/1";
    QTest::newRow("tag between tags of another category") << "0/1" << "2" << 0 << "2/0";
    QTest::newRow("tag down in its category") << "0/0" << "0" << 2 << "0/1";
    QTest::newRow("tag onto its own category: last") << "0/0" << "0" << -1 << "0/1";
    QTest::newRow("tag between categories: refused") << "0/0" << "" << 1 << "";
    QTest::newRow("tag onto a tag: refused") << "0/0" << "2/0" << -1 << "";
}

void TestToolbarModel::dropsGoWhereTheFileCanHoldThem()
{
    QFETCH(QString, from);
    QFETCH(QString, onto);
    QFETCH(int, row);
    QFETCH(QString, to);
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
