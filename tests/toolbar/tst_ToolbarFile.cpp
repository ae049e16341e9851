#include "common/HostOptions.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"
#include "toolbar/ToolbarFile.h"

#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

// "Caption#index(tag#index, tag#index); Next#index()": a tree in one line, for comparing.
QString describe(const ToolbarTree& tree)
{
    QStringList categories;
    for (const ToolbarNode& category : tree) {
        QStringList tags;
        for (const ToolbarNode& tag : category.children)
            tags.append(tag.text + QLatin1Char('#') + QString::number(tag.imageIndex));
        categories.append(category.text + QLatin1Char('#') + QString::number(category.imageIndex) +
                          QLatin1Char('(') + tags.join(QStringLiteral(", ")) + QLatin1Char(')'));
    }
    return categories.join(QStringLiteral("; "));
}

ToolbarParse parseBytes(const QByteArray& bytes)
{
    return parseToolbarLines(splitLineFile(bytes).lines, QStringLiteral("/cfg/toolbar.cfg"));
}

QByteArray savedBytes(const ToolbarTree& tree)
{
    return joinLineFile(toolbarLines(tree), QStringLiteral("x"));
}

const QByteArray workedExample = "2:0:Standard\r\n"
                                 "1:2:Italic (<I>):<I>%1</I>\r\n"
                                 "1:1:Bold (<B>):<B>%1</B>\r\n"
                                 "2:8:Lists\r\n"
                                 "1:10:List (<OL>):<OL>%2%1%2</OL>\r\n"
                                 "1:9:List (<UL>):<UL>%2%1%2</UL>\r\n";

} // namespace

class TestToolbarFile : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void badIndexStopsTheRead_data();
    void badIndexStopsTheRead();
    void imageIndexConversion_data();
    void imageIndexConversion();
    void loadAndSaveThroughTheTreeView();
    void loadTellsHowMuchWasRead_data();
    void loadTellsHowMuchWasRead();
    void saveReadsThePathAfresh();
    void tagAppendedLastIsWrittenFirst();
};

void TestToolbarFile::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("worked example, byte for byte")
        << workedExample
        << "Standard#0(Bold (<B>):<B>%1</B>#1, Italic (<I>):<I>%1</I>#2); "
           "Lists#8(List (<UL>):<UL>%2%1%2</UL>#9, List (<OL>):<OL>%2%1%2</OL>#10)"
        << workedExample;
    QTest::newRow("empty file, empty tree, zero bytes") << QByteArray() << "" << QByteArray();
    QTest::newRow("category without caption")
        << QByteArray("2:3") << "#3()" << QByteArray("2:3:\r\n");
    QTest::newRow("tag without template")
        << QByteArray("2:0:C\r\n1:1:T\r\n") << "C#0(T:#1)" << QByteArray("2:0:C\r\n1:1:T:\r\n");
    QTest::newRow("colon in template cuts it")
        << QByteArray("2:0:C\r\n1:1:T:a:b\r\n") << "C#0(T:a#1)"
        << QByteArray("2:0:C\r\n1:1:T:a\r\n");
    QTest::newRow("extra category field dropped")
        << QByteArray("2:0:C:x\r\n") << "C#0()" << QByteArray("2:0:C\r\n");
    QTest::newRow("kind 3 is a category")
        << QByteArray("3:4:C\r\n") << "C#4()" << QByteArray("2:4:C\r\n");
    QTest::newRow("empty kind is a category")
        << QByteArray(":5:C\r\n") << "C#5()" << QByteArray("2:5:C\r\n");
    QTest::newRow("kind with blank is a category")
        << QByteArray(" 1:5:C\r\n") << "C#5()" << QByteArray("2:5:C\r\n");
    QTest::newRow("kind 01 is a category")
        << QByteArray("01:5:C\r\n") << "C#5()" << QByteArray("2:5:C\r\n");
    QTest::newRow("leading blanks of index dropped")
        << QByteArray("2:  7:C\r\n") << "C#7()" << QByteArray("2:7:C\r\n");
    QTest::newRow("negative index kept") << QByteArray("2:-3:C\r\n1:-1:T:t\r\n") << "C#-3(T:t#-1)"
                                         << QByteArray("2:-3:C\r\n1:-1:T:t\r\n");
    QTest::newRow("index beyond the strip kept")
        << QByteArray("2:999:C\r\n") << "C#999()" << QByteArray("2:999:C\r\n");
    QTest::newRow("tags before the first category become categories")
        << QByteArray("1:1:A:a\r\n1:2:B:b\r\n2:0:C\r\n1:3:T:t\r\n")
        << "B:b#2(); A:a#1(); C#0(T:t#3)"
        << QByteArray("2:2:B:b\r\n2:1:A:a\r\n2:0:C\r\n1:3:T:t\r\n");
    QTest::newRow("three tags show reversed, write back in order")
        << QByteArray("2:0:C\r\n1:1:T1:1\r\n1:2:T2:2\r\n1:3:T3:3\r\n")
        << "C#0(T3:3#3, T2:2#2, T1:1#1)"
        << QByteArray("2:0:C\r\n1:1:T1:1\r\n1:2:T2:2\r\n1:3:T3:3\r\n");
    QTest::newRow("LF file without final break comes back CR LF")
        << QByteArray("2:0:A\n1:1:B:b") << "A#0(B:b#1)" << QByteArray("2:0:A\r\n1:1:B:b\r\n");
    QTest::newRow("blanks in captions and templates kept")
        << QByteArray("2:0: A \r\n1:1: B : b \r\n") << " A #0( B : b #1)"
        << QByteArray("2:0: A \r\n1:1: B : b \r\n");
}

void TestToolbarFile::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tree);
    QFETCH(QByteArray, written);
    const ToolbarParse parsed = parseBytes(file);
    QVERIFY(!parsed.stoppedBy);
    QCOMPARE(describe(parsed.tree), tree);
    QCOMPARE(savedBytes(parsed.tree), written);
    // A tag read before any category comes back as a category, whose caption then ends at
    // the first ":"; every other file reads back to the same tree.
    if (!QByteArray(QTest::currentDataTag()).startsWith("tags before"))
        QCOMPARE(parseBytes(written).tree, parsed.tree);
    else
        QCOMPARE(describe(parseBytes(written).tree), QStringLiteral("B#2(); A#1(); C#0(T:t#3)"));
}

void TestToolbarFile::badIndexStopsTheRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("treeBefore");
    QTest::addColumn<QString>("named");

    QTest::newRow("letters") << QByteArray("2:0:A\r\n2:x8:B\r\n2:1:C\r\n") << "A#0()"
                             << "Line 2 of \"/cfg/toolbar.cfg\": \"x8\"";
    QTest::newRow("trailing blank") << QByteArray("2:7 :A\r\n") << ""
                                    << "Line 1 of \"/cfg/toolbar.cfg\": \"7 \"";
    QTest::newRow("empty index") << QByteArray("2:0:A\r\n1:1:T:t\r\n2::B\r\n") << "A#0(T:t#1)"
                                 << "Line 3 of \"/cfg/toolbar.cfg\": \"\"";
    QTest::newRow("empty line in the middle") << QByteArray("2:0:A\r\n\r\n2:1:B\r\n") << "A#0()"
                                              << "Line 2 of";
    QTest::newRow("too large for 32 bits") << QByteArray("2:2147483648:A\r\n") << ""
                                           << "\"2147483648\"";
}

void TestToolbarFile::badIndexStopsTheRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, treeBefore);
    QFETCH(QString, named);
    const ToolbarParse parsed = parseBytes(file);
    QVERIFY(parsed.stoppedBy);
    QCOMPARE(describe(parsed.tree), treeBefore);
    QVERIFY2(parsed.stoppedBy->message().contains(named), qPrintable(parsed.stoppedBy->message()));
}

void TestToolbarFile::imageIndexConversion_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("plus sign") << "+4" << true << 4;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("blanks then sign") << "  -12" << true << -12;
    QTest::newRow("largest") << "2147483647" << true << INT_MAX;
    QTest::newRow("smallest") << "-2147483648" << true << INT_MIN;
    QTest::newRow("one past the smallest") << "-2147483649" << false << 0;
    QTest::newRow("huge") << "99999999999999999999" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("blank between sign and digits") << "- 1" << false << 0;
    QTest::newRow("tab is no blank") << "\t1" << false << 0;
    QTest::newRow("hex") << "$1F" << false << 0;
    QTest::newRow("decimal point") << "1.0" << false << 0;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("\u0661") << false << 0;
}

void TestToolbarFile::imageIndexConversion()
{
    QFETCH(QString, field);
    QFETCH(bool, converts);
    QFETCH(int, value);
    const std::optional<int> index = toImageIndex(field);
    QCOMPARE(index.has_value(), converts);
    if (converts)
        QCOMPARE(*index, value);
}

void TestToolbarFile::loadAndSaveThroughTheTreeView()
{
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_HTMLToolbarCFG] = dir.path() + QStringLiteral("/tool bar, ü.cfg");
    writeBytes(options.values[Opt_HTMLToolbarCFG], workedExample);
    QTreeWidget tree;
    ReadExtent extent = ReadExtent::NoFile;
    LoadToolbar(tree, options, extent);
    QCOMPARE(extent, ReadExtent::Whole);
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("Bold (<B>):<B>%1</B>"));
    QCOMPARE(tree.topLevelItem(1)->data(0, ImageIndexRole).toInt(), 8);
    writeBytes(options.values[Opt_HTMLToolbarCFG], "changed");
    SaveToolbar(tree, options);
    QCOMPARE(fileBytes(options.values[Opt_HTMLToolbarCFG]), workedExample);
}

void TestToolbarFile::loadTellsHowMuchWasRead_data()
{
    QTest::addColumn<QByteArray>("file"); // "-" for none
    QTest::addColumn<int>("extent");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<int>("categories");

    QTest::newRow("whole") << workedExample << int(ReadExtent::Whole) << false << 2;
    QTest::newRow("no file: empty tree") << QByteArray("-") << int(ReadExtent::NoFile) << true << 0;
    QTest::newRow("bad index: nodes before it")
        << QByteArray("2:0:A\r\n2:?:B\r\n") << int(ReadExtent::Partial) << true << 1;
    QTest::newRow("NUL byte: lines before it")
        << QByteArray("2:0:A\r\n2:1:B\0\r\n2:2:C", 20) << int(ReadExtent::Partial) << false << 2;
}

void TestToolbarFile::loadTellsHowMuchWasRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, extent);
    QFETCH(bool, throws);
    QFETCH(int, categories);
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_HTMLToolbarCFG] = dir.path() + QStringLiteral("/t.cfg");
    if (file != "-")
        writeBytes(options.values[Opt_HTMLToolbarCFG], file);
    QTreeWidget tree;
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"stale"}));
    ReadExtent read = ReadExtent::Whole;
    bool thrown = false;
    try {
        LoadToolbar(tree, options, read);
    } catch (const AppError&) {
        thrown = true;
    }
    QCOMPARE(thrown, throws);
    QCOMPARE(int(read), extent);
    QCOMPARE(tree.topLevelItemCount(), categories);
}

void TestToolbarFile::saveReadsThePathAfresh()
{
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_HTMLToolbarCFG] = dir.path() + QStringLiteral("/old.cfg");
    writeBytes(options.values[Opt_HTMLToolbarCFG], workedExample);
    QTreeWidget tree;
    ReadExtent extent;
    LoadToolbar(tree, options, extent);
    options.values[Opt_HTMLToolbarCFG] = dir.path() + QStringLiteral("/new.cfg");
    SaveToolbar(tree, options);
    QCOMPARE(fileBytes(dir.path() + QStringLiteral("/new.cfg")), workedExample);
}

void TestToolbarFile::tagAppendedLastIsWrittenFirst()
{
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_HTMLToolbarCFG] = dir.path() + QStringLiteral("/t.cfg");
    writeBytes(options.values[Opt_HTMLToolbarCFG], "2:0:C\r\n1:1:Old:o\r\n");
    QTreeWidget tree;
    ReadExtent extent;
    LoadToolbar(tree, options, extent);
    auto* tag = new QTreeWidgetItem(QStringList{"New:n"});
    tag->setData(0, ImageIndexRole, 4);
    tree.topLevelItem(0)->addChild(tag);
    SaveToolbar(tree, options);
    QCOMPARE(fileBytes(options.values[Opt_HTMLToolbarCFG]),
             QByteArray("2:0:C\r\n1:4:New:n\r\n1:1:Old:o\r\n"));
}

HALVEX_TEST_MAIN(TestToolbarFile)
#include "tst_ToolbarFile.moc"
