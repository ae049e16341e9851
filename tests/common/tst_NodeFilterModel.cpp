#include "common/NodeFilterModel.h"
#include "support/TreeDriver.h"
#include "toolbar/ToolbarModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <functional>
#include <tuple>

namespace {

// A(A1, A2), B(), C(C1), as the file holds them.
const QByteArray file = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n2:4:C\r\n1:5:C1:c1\r\n";

using Change = std::function<void(ToolbarModel&)>;

QList<ToolbarNode> nodes(const ToolbarNode& node)
{
    return {node};
}

} // namespace

Q_DECLARE_METATYPE(Change)

// The find bar's proxy works out what shows in a pass of its own: it must follow every change of
// the model beneath it, or the view shows rows that are gone or hides what was just added.
class TestNodeFilterModel : public QObject
{
    Q_OBJECT

private slots:
    void followsTheModelBeneathIt_data();
    void followsTheModelBeneathIt();
};

void TestNodeFilterModel::followsTheModelBeneathIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("shown"); // while "1" is looked for
    QTest::addColumn<int>("matches");
    QTest::addColumn<QString>("c1Then"); // what a view's index of C1 shows after the change

    const QList<std::tuple<const char*, Change, QString, int, QString>> changes = {
        {"nothing changed", [](ToolbarModel&) {}, "A|A1:a1|C|C1:c1", 2, "C1:c1"},
        {"a category inserted first, not matching, stays shown",
         [](ToolbarModel& m) {
             auto added = nodes(ToolbarCategory(QStringLiteral("Z"), 0));
             m.insertNodes({0, -1}, added);
         },
         "Z|A|A1:a1|C|C1:c1", 2, "C1:c1"},
        {"a tag added to a category shown for nothing",
         [](ToolbarModel& m) {
             auto added = nodes(ToolbarTag(QStringLiteral("T"), QStringLiteral("t"), 0));
             m.insertNodes({1, 0}, added);
         },
         "A|A1:a1|B|T:t|C|C1:c1", 2, "C1:c1"},
        {"a category removed with its match",
         [](ToolbarModel& m) {
             m.takeNodes({0, -1}, 1);
         },
         "C|C1:c1", 1, "C1:c1"},
        {"a tag changed to match",
         [](ToolbarModel& m) {
             m.setNode({0, 1}, ToolbarTag(QStringLiteral("X1"), QStringLiteral("x"), 0));
         },
         "A|A1:a1|X1:x|C|C1:c1", 3, "C1:c1"},
        {"a tag changed to match no more, its category with it",
         [](ToolbarModel& m) {
             m.setNode({2, 0}, ToolbarTag(QStringLiteral("Q"), QStringLiteral("q"), 0));
         },
         "A|A1:a1", 1, "Q:q"},
        {"a category moved first",
         [](ToolbarModel& m) {
             m.moveNode({2, -1}, {0, -1});
         },
         "C|C1:c1|A|A1:a1", 2, "C1:c1"},
        {"a tag moved into an empty category",
         [](ToolbarModel& m) {
             m.moveNode({0, 0}, {1, 0});
         },
         "B|A1:a1|C|C1:c1", 2, "C1:c1"},
        {"another document",
         [](ToolbarModel& m) { m.setDocument({{ToolbarCategory(QStringLiteral("K1"), 0)}}); }, "K1",
         1, ""},
    };
    for (const auto& [name, change, shown, matches, c1Then] : changes) {
        QTest::addRow("looking for 1: %s", name) << "1" << change << shown << matches << "";
        // Nothing looked for: every change passed through, the views' indexes kept.
        QTest::addRow("passing: %s", name) << "" << change << QString() << 0 << c1Then;
    }
}

void TestNodeFilterModel::followsTheModelBeneathIt()
{
    QFETCH(QString, text);
    QFETCH(Change, change);
    QFETCH(QString, shown);
    QFETCH(int, matches);
    QFETCH(QString, c1Then);
    ToolbarModel model;
    model.setDocument(readToolbar(file, QStringLiteral("toolbar.cfg")).document);
    NodeFilterModel filter(model, nullptr);
    const QAbstractItemModelTester tester(&filter,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    filter.setText(text);
    const QPersistentModelIndex c1 = filter.index(0, 0, filter.index(text.isEmpty() ? 2 : 1, 0));
    QCOMPARE(c1.data().toString(), QStringLiteral("C1:c1"));
    QCOMPARE(filter.nodeCount(), text.isEmpty() ? 0 : 6);
    change(model);
    if (text.isEmpty()) {
        QCOMPARE(outline(filter), outline(model));
        QCOMPARE(c1.data().toString(), c1Then);
        return;
    }
    QCOMPARE(outline(filter), shown);
    QCOMPARE(filter.matchCount(), matches);
}

QTEST_GUILESS_MAIN(TestNodeFilterModel)
#include "tst_NodeFilterModel.moc"
