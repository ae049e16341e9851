#include "common/LineFile.h"
#include "support/DocumentBytes.h"
#include "toolbar/ToolbarDocument.h"

#include <QTest>

namespace {

// "Caption#index(tag#index, tag#index); Next#index()": a tree in one line, for comparing.
QString describe(const ToolbarDocument& document)
{
    QStringList categories;
    for (const ToolbarCategory& category : document.categories) {
        QStringList tags;
        for (const ToolbarTag& tag : category.tags())
            tags.append(tag.text() + QLatin1Char('#') + QString::number(tag.image()));
        categories.append(category.caption() + QLatin1Char('#') +
                          QString::number(category.image()) + QLatin1Char('(') +
                          tags.join(QStringLiteral(", ")) + QLatin1Char(')'));
    }
    return categories.join(QStringLiteral("; "));
}

ToolbarRead parseBytes(const QByteArray& bytes)
{
    return readToolbar(bytes, QStringLiteral("/cfg/toolbar.cfg"));
}

QByteArray savedBytes(const ToolbarDocument& document)
{
    return writeToolbar(document, QStringLiteral("x"));
}

const QByteArray workedExample = "2:0:Standard\r\n"
                                 "1:2:Italic (<I>):<I>%1</I>\r\n"
                                 "1:1:Bold (<B>):<B>%1</B>\r\n"
                                 "2:8:Lists\r\n"
                                 "1:10:List (<OL>):<OL>%2%1%2</OL>\r\n"
                                 "1:9:List (<UL>):<UL>%2%1%2</UL>\r\n";

} // namespace

class TestToolbarDocument : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void badIndexStopsTheRead_data();
    void badIndexStopsTheRead();
    void imageIndexConversion_data();
    void imageIndexConversion();
    void nulEndsTheReadAsNotWhole();
};

void TestToolbarDocument::readAndWriteBack_data()
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
    // Fields are counted across empty ones: the template stays the fourth field.
    QTest::newRow("empty caption of a tag")
        << QByteArray("2:0:C\r\n1:1::t\r\n") << "C#0(:t#1)" << QByteArray("2:0:C\r\n1:1::t\r\n");
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
    // They were once written back as categories, and their templates lost at the next read.
    QTest::newRow("tags before the first category: shown first, written back as they were")
        << QByteArray("1:1:A:a\r\n1:2:B:b\r\n2:0:C\r\n1:3:T:t\r\n")
        << "B:b#2(); A:a#1(); C#0(T:t#3)"
        << QByteArray("1:1:A:a\r\n1:2:B:b\r\n2:0:C\r\n1:3:T:t\r\n");
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

void TestToolbarDocument::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tree);
    QFETCH(QByteArray, written);
    const ToolbarRead parsed = parseBytes(file);
    QVERIFY(!parsed.stoppedBy);
    QVERIFY(parsed.whole);
    QCOMPARE(describe(parsed.document), tree);
    QCOMPARE(savedBytes(parsed.document), written);
    // Every file reads back to the same tree, tags before the first category included.
    QCOMPARE(parseBytes(written).document, parsed.document);
}

void TestToolbarDocument::badIndexStopsTheRead_data()
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
    // Quoted whole, a 2 MB field froze the window for 21 s before its error box.
    QTest::newRow("a field of 2 MB, cut in the message")
        << "2:" + QByteArray(2 << 20, 'x') + ":A\r\n" << ""
        << "\"" + QString(60, QLatin1Char('x')) + QString::fromUtf8("\u2026\" is not");
}

void TestToolbarDocument::badIndexStopsTheRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, treeBefore);
    QFETCH(QString, named);
    const ToolbarRead parsed = parseBytes(file);
    QVERIFY(parsed.stoppedBy);
    QVERIFY(!parsed.whole);
    QCOMPARE(describe(parsed.document), treeBefore);
    QVERIFY2(parsed.stoppedBy->message().contains(named), qPrintable(parsed.stoppedBy->message()));
    QVERIFY(parsed.stoppedBy->message().size() < 400);
}

void TestToolbarDocument::imageIndexConversion_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("plus sign") << QByteArray("+4") << true << 4;
    QTest::newRow("leading zeros") << QByteArray("007") << true << 7;
    QTest::newRow("blanks then sign") << QByteArray("  -12") << true << -12;
    QTest::newRow("largest") << QByteArray("2147483647") << true << INT_MAX;
    QTest::newRow("smallest") << QByteArray("-2147483648") << true << INT_MIN;
    QTest::newRow("one past the smallest") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("huge") << QByteArray("99999999999999999999") << false << 0;
    QTest::newRow("sign alone") << QByteArray("-") << false << 0;
    QTest::newRow("blank between sign and digits") << QByteArray("- 1") << false << 0;
    QTest::newRow("tab is no blank") << QByteArray("\t1") << false << 0;
    QTest::newRow("hex") << QByteArray("$1F") << false << 0;
    QTest::newRow("decimal point") << QByteArray("1.0") << false << 0;
    QTest::newRow("Arabic-Indic digit") << QByteArray("\xd9\xa1") << false << 0;
}

void TestToolbarDocument::imageIndexConversion()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, converts);
    QFETCH(int, value);
    const std::optional<int> index = toImageIndex(field);
    QCOMPARE(index.has_value(), converts);
    if (converts)
        QCOMPARE(*index, value);
}

void TestToolbarDocument::nulEndsTheReadAsNotWhole()
{
    const ToolbarRead read =
        readToolbar(QByteArray("2:0:A\r\n2:1:B\0\r\n2:2:C", 20), QStringLiteral("t.cfg"));
    QVERIFY(!read.whole);
    QVERIFY(!read.stoppedBy);
    QCOMPARE(describe(read.document), QStringLiteral("A#0(); B#1()"));
}

QTEST_APPLESS_MAIN(TestToolbarDocument)
#include "tst_ToolbarDocument.moc"
