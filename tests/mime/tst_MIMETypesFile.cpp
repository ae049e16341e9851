#include "common/HostOptions.h"
#include "mime/MIMETypesFile.h"
#include "mime/MimeTypeTable.h"
#include "platform/AppError.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// "type|suffix; type|suffix": the rows in one line, for comparing.
QString describe(const MimeTypeList& types)
{
    QStringList rows;
    for (const MimeType& entry : types)
        rows.append(entry.type + QLatin1Char('|') + entry.suffix);
    return rows.join(QStringLiteral("; "));
}

MimeTypeList parseBytes(const QByteArray& bytes)
{
    return parseMimeTypeLines(splitLineFile(bytes).lines);
}

QByteArray savedBytes(const MimeTypeList& types)
{
    return joinLineFile(mimeTypeLines(types), QStringLiteral("x"));
}

} // namespace

class TestMIMETypesFile : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void upperCaseTouchesOnlyAToZ_data();
    void upperCaseTouchesOnlyAToZ();
    void anyFileReadsBackToItsRows();
    void loadAppendsAndTellsHowMuchWasRead_data();
    void loadAppendsAndTellsHowMuchWasRead();
};

void TestMIMETypesFile::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("built-in default, byte for byte")
        << QByteArray("TEXT/HTML\r\n.html\r\nTEXT/PLAIN\r\n.txt\r\n")
        << "TEXT/HTML|.html; TEXT/PLAIN|.txt"
        << QByteArray("TEXT/HTML\r\n.html\r\nTEXT/PLAIN\r\n.txt\r\n");
    QTest::newRow("empty file: no rows, zero bytes") << QByteArray() << "" << QByteArray();
    QTest::newRow("odd last line neither shown nor written")
        << QByteArray("A/B\r\n.b\r\nC/D\r\n") << "A/B|.b" << QByteArray("A/B\r\n.b\r\n");
    QTest::newRow("one line: nothing") << QByteArray("A/B\r\n") << "" << QByteArray();
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

void TestMIMETypesFile::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, rows);
    QFETCH(QByteArray, written);
    const MimeTypeList types = parseBytes(file);
    QCOMPARE(describe(types), rows);
    QCOMPARE(savedBytes(types), written);
}

void TestMIMETypesFile::upperCaseTouchesOnlyAToZ_data()
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

void TestMIMETypesFile::upperCaseTouchesOnlyAToZ()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QCOMPARE(upperCaseAscii(text), upper);
}

// Random files of the bytes that matter here (letters of both cases, line ends, blanks):
// writing the rows and reading them again gives the same rows, types in capitals.
void TestMIMETypesFile::anyFileReadsBackToItsRows()
{
    static const char alphabet[] = "aZz\r\n .\xe9\xff/";
    QRandomGenerator random(20261207);
    for (int round = 0; round < 2000; ++round) {
        QByteArray file;
        const int size = random.bounded(40);
        for (int i = 0; i < size; ++i)
            file += alphabet[random.bounded(int(sizeof alphabet) - 1)];
        const MimeTypeList types = parseBytes(file);
        QCOMPARE(types.size(), splitLineFile(file).lines.size() / 2);
        MimeTypeList expected = types;
        for (MimeType& entry : expected)
            entry.type = upperCaseAscii(entry.type);
        QCOMPARE(parseBytes(savedBytes(types)), expected);
    }
}

void TestMIMETypesFile::loadAppendsAndTellsHowMuchWasRead_data()
{
    QTest::addColumn<QByteArray>("file"); // "-": none; "dir": a folder at the path
    QTest::addColumn<int>("extent");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<QString>("rows");

    QTest::newRow("whole file after the rows there")
        << QByteArray("A/B\r\n.b\r\n") << int(ReadExtent::Whole) << false << "old|.o; A/B|.b";
    QTest::newRow("no file: error, rows kept")
        << QByteArray("-") << int(ReadExtent::NoFile) << true << "old|.o";
    QTest::newRow("NUL byte: pairs before it, read in part")
        << QByteArray("A/B\r\n.b\r\nC/D\0\r\n.d\r\n", 19) << int(ReadExtent::Partial) << false
        << "old|.o; A/B|.b";
    QTest::newRow("folder at the path: error, read in part")
        << QByteArray("dir") << int(ReadExtent::Partial) << true << "old|.o";
}

void TestMIMETypesFile::loadAppendsAndTellsHowMuchWasRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, extent);
    QFETCH(bool, throws);
    QFETCH(QString, rows);
    QTemporaryDir dir;
    FakeOptions options;
    const QString path = dir.path() + QStringLiteral("/mime types, ü.cfg");
    options.values[Opt_MIMEPraserCFG] = path;
    if (file == "dir")
        QDir(dir.path()).mkdir(QStringLiteral("mime types, ü.cfg"));
    else if (file != "-")
        writeBytes(path, file);
    MimeTypeTable table;
    table.append({MimeType{QStringLiteral("old"), QStringLiteral(".o")}});
    ReadExtent read = ReadExtent::Whole;
    bool thrown = false;
    try {
        LoadTypes(table, options, read);
    } catch (const AppError& error) {
        thrown = true;
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)),
                 qPrintable(error.message()));
    }
    QCOMPARE(thrown, throws);
    QCOMPARE(int(read), extent);
    QCOMPARE(describe(table.rows()), rows);
}

HALVEX_TEST_MAIN(TestMIMETypesFile)
#include "tst_MIMETypesFile.moc"
