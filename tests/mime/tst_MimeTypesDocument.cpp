#include "common/LineFile.h"
#include "mime/MimeTypesDocument.h"
#include "support/DocumentBytes.h"
#include "support/TestProfile.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// "type|suffix; type|suffix": the rows in one line, for comparing.
QString describe(const MimeTypesDocument& types)
{
    QStringList rows;
    for (const MimeType& entry : types.rows)
        rows.append(entry.type() + QLatin1Char('|') + entry.suffix());
    return rows.join(QStringLiteral("; "));
}

MimeTypesDocument parseBytes(const QByteArray& bytes)
{
    return readMimeTypes(bytes).document;
}

QByteArray savedBytes(const MimeTypesDocument& types)
{
    return writeMimeTypes(types, QStringLiteral("x"));
}

} // namespace

class TestMimeTypesDocument : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void upperCaseTouchesOnlyAToZ_data();
    void upperCaseTouchesOnlyAToZ();
    void anyFileReadsBackToItsRows();
    void nulEndsTheReadAsNotWhole();
};

void TestMimeTypesDocument::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("built-in default, byte for byte")
        << QByteArray("TEXT/HTML\r\n.html\r\nTEXT/PLAIN\r\n.txt\r\n")
        << "TEXT/HTML|.html; TEXT/PLAIN|.txt"
        << QByteArray("TEXT/HTML\r\n.html\r\nTEXT/PLAIN\r\n.txt\r\n");
    QTest::newRow("empty file: no rows, zero bytes") << QByteArray() << "" << QByteArray();
    // The odd line once went unnoticed: --check said ok, and OK wrote the file without it.
    QTest::newRow("odd last line: read in part, named")
        << QByteArray("A/B\r\n.b\r\nC/D\r\n") << "A/B|.b" << QByteArray("A/B\r\n.b\r\n");
    QTest::newRow("one line: read in part, named") << QByteArray("A/B\r\n") << "" << QByteArray();
    QTest::newRow("blank line shifts the pairs")
        << QByteArray("TEXT/HTML\r\n.html\r\n\r\nTEXT/PLAIN\r\n.txt\r\n")
        << "TEXT/HTML|.html; |TEXT/PLAIN" << QByteArray("TEXT/HTML\r\n.html\r\n\r\nTEXT/PLAIN\r\n");
    QTest::newRow("last line without a break still counts")
        << QByteArray("A/B\r\n.b") << "A/B|.b" << QByteArray("A/B\r\n.b\r\n");
    QTest::newRow("LF and lone CR end lines too")
        << QByteArray("a/b\n.b\rc/d\r\n.d") << "a/b|.b; c/d|.d"
        << QByteArray("A/B\r\n.b\r\nC/D\r\n.d\r\n");
    QTest::newRow("type shown as read, written in capitals; suffix keeps its case")
        << QByteArray("text/Html\r\n.HTM\r\n") << "text/Html|.HTM"
        << QByteArray("TEXT/HTML\r\n.HTM\r\n");
    QTest::newRow("letters outside a-z written unchanged")
        << QByteArray("\xe9t\xe0/\xdf\xff\r\n.\xe9\r\n") << QString::fromUtf8("étà/ßÿ|.é")
        << QByteArray("\xe9T\xe0/\xdf\xff\r\n.\xe9\r\n");
    QTest::newRow("duplicates kept in list order")
        << QByteArray("A/B\r\n.x\r\nC/D\r\n.x\r\na/b\r\n.y\r\n") << "A/B|.x; C/D|.x; a/b|.y"
        << QByteArray("A/B\r\n.x\r\nC/D\r\n.x\r\nA/B\r\n.y\r\n");
    QTest::newRow("leading and trailing blanks kept")
        << QByteArray(" a/b\t\r\n .b \r\n") << " a/b\t| .b " << QByteArray(" A/B\t\r\n .b \r\n");
    QTest::newRow("empty type and suffix: two empty lines")
        << QByteArray("\r\n\r\n") << "|" << QByteArray("\r\n\r\n");
}

void TestMimeTypesDocument::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, rows);
    QFETCH(QByteArray, written);
    const MimeTypesRead read = readMimeTypes(file);
    QCOMPARE(describe(read.document), rows);
    QCOMPARE(savedBytes(read.document), written);
    const bool odd = splitLines(file).lines.size() % 2;
    QCOMPARE(read.whole, !odd);
    QCOMPARE(read.stoppedBy.has_value(), odd);
    if (odd)
        QVERIFY(read.stoppedBy->message().contains(
            QStringLiteral("is a MIME type without the line of its suffix")));
}

void TestMimeTypesDocument::upperCaseTouchesOnlyAToZ_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");

    QTest::newRow("a and z themselves") << "az-AZ"
                                        << "AZ-AZ";
    QTest::newRow("neighbours of a-z stay") << "`{@["
                                            << "`{@[";
    QTest::newRow("digits, signs, blanks stay") << " x-1.0+y "
                                                << " X-1.0+Y ";
    QTest::newRow("Latin-1 letters stay") << QString::fromUtf8("éßÿµ") << QString::fromUtf8("éßÿµ");
    QTest::newRow("dotless i and long s stay")
        << QString::fromUtf8("ıſ") << QString::fromUtf8("ıſ");
    QTest::newRow("full-width letters stay") << QString::fromUtf8("ａ") << QString::fromUtf8("ａ");
}

void TestMimeTypesDocument::upperCaseTouchesOnlyAToZ()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QCOMPARE(QString::fromUtf8(upperCaseAscii(text.toUtf8())), upper);
}

// Random files of the bytes that matter here (letters of both cases, line ends, blanks):
// writing the rows and reading them again gives the same rows, types in capitals.
void TestMimeTypesDocument::anyFileReadsBackToItsRows()
{
    static const char alphabet[] = "aZz\r\n .\xe9\xff/";
    QRandomGenerator random(20261207);
    for (int round = 0; round < 2000; ++round) {
        QByteArray file;
        const int size = random.bounded(40);
        for (int i = 0; i < size; ++i)
            file += alphabet[random.bounded(int(sizeof alphabet) - 1)];
        const MimeTypesDocument types = parseBytes(file);
        QCOMPARE(types.rows.size(), splitLines(file).lines.size() / 2);
        MimeTypesDocument expected = types;
        for (MimeType& entry : expected.rows)
            entry =
                MimeType(QString::fromUtf8(upperCaseAscii(entry.type().toUtf8())), entry.suffix());
        QCOMPARE(parseBytes(savedBytes(types)), expected);
    }
}

void TestMimeTypesDocument::nulEndsTheReadAsNotWhole()
{
    const MimeTypesRead read = readMimeTypes(QByteArray("A/B\r\n.b\r\nC/D\0\r\n.d\r\n", 19));
    QVERIFY(!read.whole);
    QCOMPARE(describe(read.document), QStringLiteral("A/B|.b"));
}

QTEST_APPLESS_MAIN(TestMimeTypesDocument)
#include "tst_MimeTypesDocument.moc"
