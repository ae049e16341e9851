#include "common/NodeFilterModel.h"
#include "common/TextMatch.h"
#include "support/TreeDriver.h"
#include "toolbar/ToolbarModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <functional>

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
    void textIsFoundWhateverItsCase_data();
    void textIsFoundWhateverItsCase();
    void aLongDocumentIsLookedThroughInRuns();
};

void TestNodeFilterModel::followsTheModelBeneathIt_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("shown"); // while "1" is looked for
    QTest::addColumn<int>("matches");

    QTest::newRow("nothing changed") << Change([](ToolbarModel&) {}) << "A|A1:a1|C|C1:c1" << 2;
    QTest::newRow("a category inserted first, not matching, stays shown")
        << Change([](ToolbarModel& m) {
               auto added = nodes(ToolbarCategory(QStringLiteral("Z"), 0));
               m.insertNodes({0, -1}, added);
           })
        << "Z|A|A1:a1|C|C1:c1" << 2;
    QTest::newRow("a tag added to a category shown for nothing") << Change([](ToolbarModel& m) {
        auto added = nodes(ToolbarTag(QStringLiteral("T"), QStringLiteral("t"), 0));
        m.insertNodes({1, 0}, added);
    }) << "A|A1:a1|B|T:t|C|C1:c1" << 2;
    QTest::newRow("a category removed with its match") << Change([](ToolbarModel& m) {
        m.takeNodes({0, -1}, 1);
    }) << "C|C1:c1" << 1;
    QTest::newRow("a tag changed to match") << Change([](ToolbarModel& m) {
        m.setNode({0, 1}, ToolbarTag(QStringLiteral("X1"), QStringLiteral("x"), 0));
    }) << "A|A1:a1|X1:x|C|C1:c1" << 3;
    QTest::newRow("a tag changed to match no more, its category with it")
        << Change([](ToolbarModel& m) {
               m.setNode({2, 0}, ToolbarTag(QStringLiteral("Q"), QStringLiteral("q"), 0));
           })
        << "A|A1:a1" << 1;
    QTest::newRow("a category moved first") << Change([](ToolbarModel& m) {
        m.moveNode({2, -1}, {0, -1});
    }) << "C|C1:c1|A|A1:a1" << 2;
    QTest::newRow("a tag moved into an empty category") << Change([](ToolbarModel& m) {
        m.moveNode({0, 0}, {1, 0});
    }) << "B|A1:a1|C|C1:c1" << 2;
    QTest::newRow("another document") << Change([](ToolbarModel& m) {
        m.setDocument({{ToolbarCategory(QStringLiteral("K1"), 0)}});
    }) << "K1" << 1;
}

void TestNodeFilterModel::followsTheModelBeneathIt()
{
    QFETCH(Change, change);
    QFETCH(QString, shown);
    QFETCH(int, matches);
    ToolbarModel model;
    model.setDocument(readToolbar(file, QStringLiteral("toolbar.cfg")).document);
    NodeFilterModel filter(model, nullptr);
    const QAbstractItemModelTester tester(&filter,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    filter.setText(QStringLiteral("1"));
    QCOMPARE(filter.nodeCount(), 6);
    change(model);
    QCOMPARE(outline(filter), shown);
    QCOMPARE(filter.matchCount(), matches);
}

void TestNodeFilterModel::textIsFoundWhateverItsCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("in");
    QTest::addColumn<bool>("found");

    QTest::newRow("either case") << "TaG" << "a tag here" << true;
    QTest::newRow("after a partial match") << "aab" << "aaab" << true;
    QTest::newRow("longer than the text") << "ab" << "a" << false;
    // The case bit of a letter is no case bit of "@" or "[".
    QTest::newRow("punctuation does not fold") << "@[" << "`{" << false;
    QTest::newRow("an ASCII letter is no byte of another character") << "c" << "\u00E3" << false;
    QTest::newRow("beyond ASCII, either case") << "\u00E9t\u00E9" << "\u00C9T\u00C9" << true;
}

// The find bar looks for an ASCII text in a document's UTF-8 bytes itself: it must find exactly
// what a text search finds.
void TestNodeFilterModel::textIsFoundWhateverItsCase()
{
    QFETCH(QString, text);
    QFETCH(QString, in);
    QFETCH(bool, found);
    const TextMatch match(text);
    QCOMPARE(match.in(QByteArrayView(in.toUtf8())), found);
    QCOMPARE(match.in(QStringView(in)), found);
}

// A long document is looked through in runs side by side: what each run found must land on its
// own nodes, at the runs' edges too.
void TestNodeFilterModel::aLongDocumentIsLookedThroughInRuns()
{
    constexpr int categories = 150001;
    const auto matches = [](int top) { return top % 25000 == 0 || top % 25000 == 24999; };
    ToolbarDocument document;
    for (int top = 0; top < categories; ++top) {
        const QString second = matches(top) ? QStringLiteral("x") : QStringLiteral("b");
        document.categories.append(ToolbarCategory(
            QStringLiteral("C"), 0,
            {ToolbarTag(QStringLiteral("a"), QStringLiteral("a"), 0), ToolbarTag(second, second, 0)}));
    }
    ToolbarModel model;
    model.setDocument(document);
    NodeFilterModel filter(model, nullptr);
    filter.setText(QStringLiteral("x"));
    QCOMPARE(filter.nodeCount(), 3 * categories);
    QCOMPARE(filter.rowCount(), 13);
    QCOMPARE(filter.matchCount(), 13);
    for (int row = 0; row < filter.rowCount(); ++row) {
        const QModelIndex shown = filter.index(row, 0);
        QVERIFY(matches(filter.mapToSource(shown).row()));
        QCOMPARE(filter.rowCount(shown), 1);
        QCOMPARE(filter.mapToSource(filter.index(0, 0, shown)).row(), 1);
    }
}

QTEST_GUILESS_MAIN(TestNodeFilterModel)
#include "tst_NodeFilterModel.moc"
