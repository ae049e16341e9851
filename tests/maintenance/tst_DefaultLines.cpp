#include "common/LineFile.h"
#include "maintenance/DefaultLines.h"
#include "support/DocumentBytes.h"

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
    QTest::addColumn<HostFile>("file");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("byteCount");

    QTest::newRow("toolbar") << HostFile::Toolbar << 13 << 345;
    QTest::newRow("procedures") << HostFile::Procedures << 22 << 584;
    QTest::newRow("MIME types") << HostFile::MimeTypes << 4 << 36;
}

// The bytes a reset writes: a line more or less, or a blank at a line's end, and the host's
// panels differ from the ones it ships with.
void TestDefaultLines::linesAndBytes()
{
    QFETCH(HostFile, file);
    QFETCH(int, lineCount);
    QFETCH(int, byteCount);
    const QStringList lines = defaultLines(file);
    QCOMPARE(lines.size(), lineCount);
    const QByteArray written = lineFileBytes(QStringLiteral("x"), [file](LineSink& sink) {
        writeDefaultLines(sink, file);
    });
    QCOMPARE(written.size(), byteCount);
    QCOMPARE(written, joinLineFile(lines, QStringLiteral("x")));
    for (const QString& line : lines)
        QVERIFY2(line == line.trimmed(), qPrintable(line));
}

void TestDefaultLines::queryParserIsOneLine()
{
    const QString line = defaultLines(HostFile::Procedures).at(21);
    QCOMPARE(line.size(), 316);
    QCOMPARE(line.count(QStringLiteral("%2")), 9);
    QVERIFY(line.startsWith(QStringLiteral("#$buffer = $ENV{'QUERY_STRING'};%2@pairs")));
    QVERIFY(line.contains(QStringLiteral("%2   $value =~ s/<!--(.|\\n)*-->//g;%2")));
    QVERIFY(line.endsWith(QStringLiteral("$FORM{$name} = $value;%2}")));
}

QTEST_GUILESS_MAIN(TestDefaultLines)
#include "tst_DefaultLines.moc"
