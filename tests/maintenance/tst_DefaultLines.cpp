#include "common/LineFile.h"
#include "maintenance/DefaultLines.h"

#include <QTest>

class TestDefaultLines : public QObject
{
    Q_OBJECT

private slots:
    void linesAndBytes_data();
    void linesAndBytes();
    void queryParserIsOneLine();
};

void TestDefaultLines::linesAndBytes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("byteCount");

    QTest::newRow("toolbar") << defaultHTMLToolbarLines() << 13 << 345;
    QTest::newRow("procedures") << defaultCstProcsLines() << 22 << 584;
    QTest::newRow("MIME types") << defaultMIMETypesLines() << 4 << 36;
}

void TestDefaultLines::linesAndBytes()
{
    QFETCH(QStringList, lines);
    QFETCH(int, lineCount);
    QFETCH(int, byteCount);
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(joinLineFile(lines, QStringLiteral("x")).size(), byteCount);
    for (const QString& line : lines)
        QVERIFY2(line == line.trimmed(), qPrintable(line));
}

void TestDefaultLines::queryParserIsOneLine()
{
    const QString line = defaultCstProcsLines().at(21);
    QCOMPARE(line.size(), 316);
    QCOMPARE(line.count(QStringLiteral("%2")), 9);
    QVERIFY(line.startsWith(QStringLiteral("#$buffer = $ENV{'QUERY_STRING'};%2@pairs")));
    QVERIFY(line.contains(QStringLiteral("%2   $value =~ s/<!--(.|\\n)*-->//g;%2")));
    QVERIFY(line.endsWith(QStringLiteral("$FORM{$name} = $value;%2}")));
}

QTEST_GUILESS_MAIN(TestDefaultLines)
#include "tst_DefaultLines.moc"
