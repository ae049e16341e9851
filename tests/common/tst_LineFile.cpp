#include "common/LineFile.h"
#include "platform/AppError.h"
#include "platform/WholeFile.h"
#include "support/TestProfile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

class TestLineFile : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void everyByteButNulRoundTrips();
    void joinPutsCrLfAfterEveryLine_data();
    void joinPutsCrLfAfterEveryLine();
    void joinRefusesWhatTheFileCannotHold_data();
    void joinRefusesWhatTheFileCannotHold();
    void refusedWriteLeavesFileUntouched();
    void fileReadInPieces();
    void fileWrittenInPieces();
};

void TestLineFile::split_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("whole");

    QTest::newRow("empty file has no lines") << QByteArray() << QStringList() << true;
    QTest::newRow("CR LF ends a line") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << true;
    QTest::newRow("lone LF ends a line") << QByteArray("a\nb\n") << QStringList{"a", "b"} << true;
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"} << true;
    QTest::newRow("mixed breaks") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"}
                                  << true;
    QTest::newRow("LF CR is two breaks")
        << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << true;
    QTest::newRow("no final break: last line kept")
        << QByteArray("a\r\nb") << QStringList{"a", "b"} << true;
    QTest::newRow("final break adds no empty line")
        << QByteArray("a\r\n") << QStringList{"a"} << true;
    QTest::newRow("empty lines kept")
        << QByteArray("\r\n\r\na\r\n\r\n") << QStringList{"", "", "a", ""} << true;
    QTest::newRow("lone break is one empty line") << QByteArray("\n") << QStringList{""} << true;
    QTest::newRow("blanks are not trimmed")
        << QByteArray(" a \t\r\n") << QStringList{" a \t"} << true;
    QTest::newRow("reading stops at NUL")
        << QByteArray("a\r\nb\0c\r\nd", 10) << QStringList{"a", "b"} << false;
    QTest::newRow("NUL first gives nothing") << QByteArray("\0a", 2) << QStringList() << false;
    QTest::newRow("Windows-1252 letters")
        << QByteArray("\x80 \xE9\xFC\x9F") << QStringList{QString::fromUtf8("€ éüŸ")} << true;
}

void TestLineFile::split()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(bool, whole);
    const SplitLines text = splitLines(bytes);
    QCOMPARE(text.lines, lines);
    QCOMPARE(text.whole, whole);
}

void TestLineFile::everyByteButNulRoundTrips()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes += char(b);
    }
    bytes += "\r\n";
    const SplitLines text = splitLines(bytes);
    QCOMPARE(text.lines.size(), 1);
    QCOMPARE(text.lines[0].size(), 253);
    QCOMPARE(joinLineFile(text.lines, QStringLiteral("x")), bytes);
}

void TestLineFile::joinPutsCrLfAfterEveryLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("no lines, no bytes") << QStringList() << QByteArray();
    QTest::newRow("one empty line") << QStringList{""} << QByteArray("\r\n");
    QTest::newRow("last line too")
        << QStringList{"2:0:A", "1:1:B:<B>"} << QByteArray("2:0:A\r\n1:1:B:<B>\r\n");
    QTest::newRow("macros are plain text") << QStringList{"%1%2"} << QByteArray("%1%2\r\n");
    QTest::newRow("Windows-1252 letters")
        << QStringList{QString::fromUtf8("€é")} << QByteArray("\x80\xE9\r\n");
    QTest::newRow("Windows-1252 letters after a word of eight")
        << QStringList{QString::fromUtf8("abcdefgh€é")} << QByteArray("abcdefgh\x80\xE9\r\n");
}

void TestLineFile::joinPutsCrLfAfterEveryLine()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QCOMPARE(joinLineFile(lines, QStringLiteral("x")), bytes);
}

void TestLineFile::joinRefusesWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("named");

    QTest::newRow("letter outside the code page") << QString::fromUtf8("a\u0100b") << "U+0100";
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F600") << "U+1F600";
    QTest::newRow("line feed would split the line") << "a\nb"
                                                    << "U+000A";
    QTest::newRow("carriage return would split the line") << "a\rb"
                                                          << "U+000D";
    QTest::newRow("NUL would end the file") << QString(QChar(0)) << "U+0000";
    // Pieces are checked eight bytes at a time: the same in every place of a word.
    QTest::newRow("line feed in the second word") << "abcdefghi\nj" << "U+000A";
    QTest::newRow("carriage return ending the first word") << "abcdefg\r" << "U+000D";
    QTest::newRow("NUL in the second word")
        << QStringLiteral("abcdefghij") + QChar(0) + QStringLiteral("klmnop") << "U+0000";
    QTest::newRow("letter outside the code page in the second word")
        << QString::fromUtf8("abcdefghijklmno\u0100") << "U+0100";
}

void TestLineFile::joinRefusesWhatTheFileCannotHold()
{
    QFETCH(QString, badLine);
    QFETCH(QString, named);
    QString message;
    try {
        joinLineFile({QStringLiteral("fine"), badLine}, QStringLiteral("/x/y.cfg"));
    } catch (const AppError& error) {
        message = error.message();
    }
    QVERIFY2(message.contains(named), qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("line 2")), qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("/x/y.cfg")), qPrintable(message));
}

void TestLineFile::refusedWriteLeavesFileUntouched()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/t.cfg");
    writeBytes(path, "old\r\n");
    QVERIFY_THROWS_EXCEPTION(
        AppError,
        WholeFile::write(path,
                         joinLineFile({QStringLiteral("a"), QString::fromUtf8("\u0100")}, path)));
    QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
}

// A file is read piece by piece: a CR LF split between two pieces is one break, not two, and a
// CR that ends a piece ends its line.
void TestLineFile::fileReadInPieces()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/big.cfg");
    const qsizetype piece = WholeFile::pieceSize;
    const QByteArray first(piece - 1, 'a');  // its CR ends the first piece, its LF starts the next
    const QByteArray second(piece - 2, 'b'); // its lone CR ends the second piece
    writeBytes(path, first + "\r\n" + second + "\rc\r\n");
    WholeFile::Reader file(path);
    FileLines lines(file);
    QList<QByteArray> read;
    QByteArrayView line;
    while (lines.next(line))
        read.append(line.toByteArray());
    QCOMPARE(read.size(), 3);
    QVERIFY(read[0] == first);
    QVERIFY(read[1] == second);
    QCOMPARE(read[2], QByteArray("c"));
}

// A file is written piece by piece from room made ahead: a line longer than that room, and the
// lines after a piece has gone to the file, must reach it whole and in order.
void TestLineFile::fileWrittenInPieces()
{
    QStringList lines{QStringLiteral("first"),
                      QString(WholeFile::pieceSize + 5000, QLatin1Char('a'))};
    for (int i = 0; i < 200000; ++i)
        lines << QStringLiteral("line %1").arg(i);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    FileLineWriter writer(QStringLiteral("big.cfg"), file);
    for (const QString& line : std::as_const(lines)) {
        writer.add(line.toUtf8());
        writer.endLine();
    }
    writer.finish();
    QVERIFY(file.data() ==
            (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

QTEST_GUILESS_MAIN(TestLineFile)
#include "tst_LineFile.moc"
