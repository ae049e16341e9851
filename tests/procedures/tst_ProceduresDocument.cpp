#include "procedures/ProceduresDocument.h"
#include "ProcsSamples.h"
#include "support/DocumentBytes.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// "Caption[number](caption=code, ...); ..."
QString describe(const ProceduresDocument& document)
{
    QStringList sections;
    for (const ProcedureSection& section : document.sections) {
        QStringList procedures;
        for (const Procedure& procedure : section.procedures)
            procedures.append(procedure.caption() + QLatin1Char('=') + procedure.code());
        sections.append(sectionCaption(section.number) + QLatin1Char('[') +
                        QString::number(section.number) + QStringLiteral("](") +
                        procedures.join(QStringLiteral(", ")) + QLatin1Char(')'));
    }
    return sections.join(QStringLiteral("; "));
}

const QString fileName = QStringLiteral("/procs/CstProcs.dat");

ProceduresRead parseBytes(const QByteArray& bytes)
{
    return readProcedures(bytes, fileName);
}

QByteArray savedBytes(const ProceduresDocument& document)
{
    return writeProcedures(document, fileName);
}

// Texts from characters that mean something in the format, so that random models meet the
// grammar's edges: "#", "%2", blanks, parts of "SECTION_", code page letters.
QString randomText(QRandomGenerator& random, int maxLength)
{
    static const QStringList pieces = {"a",
                                       "Z",
                                       " ",
                                       "#",
                                       "%",
                                       "1",
                                       "2",
                                       "%2",
                                       "%1",
                                       "SECTION_",
                                       "S",
                                       "_",
                                       "\t",
                                       QString::fromUtf8("é"),
                                       QString::fromUtf8("€"),
                                       QString(QChar(0x81)),
                                       QString(QChar(0xA0))};
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += pieces[random.bounded(int(pieces.size()))];
    return text;
}

// A caption the editor accepts or a file may hold; never a section header.
QString randomCaption(QRandomGenerator& random)
{
    QString caption = randomText(random, 6);
    while (caption.startsWith(sectionHeaderStart))
        caption.remove(0, 1);
    return caption;
}

ProceduresDocument randomDocument(QRandomGenerator& random)
{
    ProceduresDocument document;
    const int sections = random.bounded(6);
    for (int s = 0; s < sections; ++s) {
        ProcedureSection section{random.bounded(10), {}};
        const int procedures = random.bounded(6);
        for (int p = 0; p < procedures; ++p)
            section.procedures.append(Procedure(randomCaption(random), randomText(random, 8)));
        document.sections.append(section);
    }
    return document;
}

} // namespace

class TestProceduresDocument : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void badLineStopsTheRead_data();
    void badLineStopsTheRead();
    void newLineMacro_data();
    void newLineMacro();
    void saveThenLoadGivesTheSameModel();
    void nulEndsTheReadAsNotWhole();
};

void TestProceduresDocument::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("worked example: code lines added after the two without")
        << workedExample
        << "Misc[0](%1++=%1++, %1--=%1--); Output[1](print;=print;, print <<EOF;=print "
           "<<EOF;%2%1%2EOF)"
        << workedExampleWritten;
    QTest::newRow("worked example as written reads back unchanged")
        << workedExampleWritten
        << "Misc[0](%1++=%1++, %1--=%1--); Output[1](print;=print;, print <<EOF;=print "
           "<<EOF;%2%1%2EOF)"
        << workedExampleWritten;
    QTest::newRow("empty file, empty tree, zero bytes") << QByteArray() << "" << QByteArray();
    QTest::newRow("only the ninth character is the number")
        << QByteArray("SECTION_12\r\n") << "Output[1]()" << QByteArray("SECTION_1\r\n");
    QTest::newRow("rest of a header dropped")
        << QByteArray("SECTION_2 Input, x\r\n") << "Input[2]()" << QByteArray("SECTION_2\r\n");
    QTest::newRow("section 7: empty caption, its digit kept")
        << QByteArray("SECTION_7\r\nA\r\n#a\r\n") << "[7](A=a)"
        << QByteArray("SECTION_7\r\nA\r\n#a\r\n");
    QTest::newRow("same number twice: two sections, headers alone")
        << QByteArray("SECTION_1\r\nSECTION_1\r\n") << "Output[1](); Output[1]()"
        << QByteArray("SECTION_1\r\nSECTION_1\r\n");
    QTest::newRow("sections keep file order")
        << QByteArray("SECTION_9\r\nSECTION_0\r\n") << "[9](); Misc[0]()"
        << QByteArray("SECTION_9\r\nSECTION_0\r\n");
    QTest::newRow("lower-case header is a procedure")
        << QByteArray("SECTION_0\r\nsection_1\r\n") << "Misc[0](section_1=section_1)"
        << QByteArray("SECTION_0\r\nsection_1\r\n#section_1\r\n");
    QTest::newRow("header after a blank is a procedure")
        << QByteArray("SECTION_0\r\n SECTION_1\r\n") << "Misc[0]( SECTION_1= SECTION_1)"
        << QByteArray("SECTION_0\r\n SECTION_1\r\n# SECTION_1\r\n");
    QTest::newRow("last line: its caption is its code")
        << QByteArray("SECTION_0\r\nA") << "Misc[0](A=A)" << QByteArray("SECTION_0\r\nA\r\n#A\r\n");
    QTest::newRow("procedure before a procedure: caption is code")
        << QByteArray("SECTION_0\r\nA\r\nB\r\n#b\r\n") << "Misc[0](A=A, B=b)"
        << QByteArray("SECTION_0\r\nA\r\n#A\r\nB\r\n#b\r\n");
    QTest::newRow("empty line after a procedure is an empty procedure")
        << QByteArray("SECTION_0\r\nA\r\n\r\nSECTION_1\r\n") << "Misc[0](A=A, =); Output[1]()"
        << QByteArray("SECTION_0\r\nA\r\n#A\r\n\r\n#\r\nSECTION_1\r\n");
    QTest::newRow("empty caption with a code line")
        << QByteArray("SECTION_0\r\n\r\n#c\r\n") << "Misc[0](=c)"
        << QByteArray("SECTION_0\r\n\r\n#c\r\n");
    QTest::newRow("# alone: empty code") << QByteArray("SECTION_0\r\nA\r\n#\r\n") << "Misc[0](A=)"
                                         << QByteArray("SECTION_0\r\nA\r\n#\r\n");
    QTest::newRow("only the first # removed")
        << QByteArray("SECTION_0\r\nA\r\n##a\r\n") << "Misc[0](A=#a)"
        << QByteArray("SECTION_0\r\nA\r\n##a\r\n");
    QTest::newRow("# line after a header is a procedure")
        << QByteArray("SECTION_0\r\n#x\r\n") << "Misc[0](#x=#x)"
        << QByteArray("SECTION_0\r\n#x\r\n##x\r\n");
    QTest::newRow("# line after a code line is a procedure")
        << QByteArray("SECTION_0\r\nA\r\n#a\r\n#B\r\n") << "Misc[0](A=a, #B=#B)"
        << QByteArray("SECTION_0\r\nA\r\n#a\r\n#B\r\n##B\r\n");
    QTest::newRow("code line is kept in file form")
        << QByteArray("SECTION_0\r\nA\r\n#a%2b\r\n") << "Misc[0](A=a%2b)"
        << QByteArray("SECTION_0\r\nA\r\n#a%2b\r\n");
    QTest::newRow("LF and CR line ends, no final break")
        << QByteArray("SECTION_0\nA\r#a") << "Misc[0](A=a)"
        << QByteArray("SECTION_0\r\nA\r\n#a\r\n");
    QTest::newRow("blanks, tabs and code page letters kept")
        << QByteArray("SECTION_0\r\n caf\xe9 \x80 \r\n# %1\t\xa0 \r\n")
        << QString::fromUtf8("Misc[0]( café € = %1\t\u00a0 )")
        << QByteArray("SECTION_0\r\n caf\xe9 \x80 \r\n# %1\t\xa0 \r\n");
}

void TestProceduresDocument::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, model);
    QFETCH(QByteArray, written);
    const ProceduresRead parsed = parseBytes(file);
    QVERIFY2(!parsed.stoppedBy, qPrintable(parsed.stoppedBy ? parsed.stoppedBy->message() : ""));
    QVERIFY(parsed.whole);
    QCOMPARE(describe(parsed.document), model);
    QCOMPARE(savedBytes(parsed.document), written);
    QCOMPARE(parseBytes(written).document, parsed.document);
}

void TestProceduresDocument::badLineStopsTheRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("modelBefore");
    QTest::addColumn<QString>("named");

    QTest::newRow("header of eight characters")
        << QByteArray("SECTION_0\r\nA\r\n#a\r\nSECTION_\r\nSECTION_1\r\n") << "Misc[0](A=a)"
        << "Line 4 of \"/procs/CstProcs.dat\": \"SECTION_\" is not a valid section header";
    QTest::newRow("letter for the number") << QByteArray("SECTION_x\r\nSECTION_1\r\n") << ""
                                           << "Line 1 of \"/procs/CstProcs.dat\"";
    QTest::newRow("blank for the number")
        << QByteArray("SECTION_1\r\nSECTION_ 2\r\n") << "Output[1]()"
        << "Line 2 of";
    QTest::newRow("sign for the number") << QByteArray("SECTION_-1\r\n") << ""
                                         << "Line 1 of";
    QTest::newRow("superscript two is no digit") << QByteArray("SECTION_\xb2\r\n") << ""
                                                 << "Line 1 of";
    QTest::newRow("procedure before the first header")
        << QByteArray("A\r\nSECTION_0\r\nB\r\n") << ""
        << "Line 1 of \"/procs/CstProcs.dat\": \"A\" is a procedure before the first section "
           "header. Reading stopped at this line.";
    QTest::newRow("empty line before the first header")
        << QByteArray("\r\nSECTION_0\r\n") << ""
        << "Line 1 of \"/procs/CstProcs.dat\": \"\" is a";
    QTest::newRow("# line before the first header") << QByteArray("#x\r\nSECTION_0\r\n") << ""
                                                    << "\"#x\" is a procedure";
    QTest::newRow("long line cut in the message")
        << QByteArray("SECTION_0\r\nSECTION_?" + QByteArray(200, 'z') + "\r\n") << "Misc[0]()"
        << "Line 2 of \"/procs/CstProcs.dat\": \"SECTION_?" + QString(51, QLatin1Char('z')) +
               "\u2026\" is not";
}

void TestProceduresDocument::badLineStopsTheRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, modelBefore);
    QFETCH(QString, named);
    const ProceduresRead parsed = parseBytes(file);
    QVERIFY(parsed.stoppedBy);
    QVERIFY(!parsed.whole);
    QCOMPARE(describe(parsed.document), modelBefore);
    QVERIFY2(parsed.stoppedBy->message().contains(named), qPrintable(parsed.stoppedBy->message()));
}

void TestProceduresDocument::newLineMacro_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("file");

    QTest::newRow("two lines join with %2") << "a\r\nb"
                                            << "a%2b";
    QTest::newRow("break at the end") << "a\r\n"
                                      << "a%2";
    QTest::newRow("empty lines") << "\r\n\r\n"
                                 << "%2%2";
    QTest::newRow("%1 passes both ways") << "<%1>"
                                         << "<%1>";
    QTest::newRow("%2 before a 2 decodes once") << "\r\n2"
                                                << "%22";
    QTest::newRow("%%22: the first match wins") << "%\r\n2"
                                                << "%%22";
    QTest::newRow("worked example, node 5") << "print <<EOF;\r\n%1\r\nEOF"
                                            << "print <<EOF;%2%1%2EOF";
}

void TestProceduresDocument::newLineMacro()
{
    QFETCH(QString, window);
    QFETCH(QString, file);
    QCOMPARE(encodeNewLines(window), file);
    QCOMPARE(decodeNewLines(file), window);
}

void TestProceduresDocument::saveThenLoadGivesTheSameModel()
{
    QRandomGenerator random(20240604);
    for (int round = 0; round < 2000; ++round) {
        const ProceduresDocument document = randomDocument(random);
        const QByteArray bytes = savedBytes(document);
        const ProceduresRead parsed = parseBytes(bytes);
        QVERIFY2(!parsed.stoppedBy && parsed.document == document,
                 qPrintable(QStringLiteral("round %1: %2\nread back as %3")
                                .arg(round)
                                .arg(describe(document), describe(parsed.document))));
        // Window form and back, as an Edit closed with OK does.
        for (const ProcedureSection& section : document.sections) {
            for (const Procedure& procedure : section.procedures) {
                const QString code = procedure.code();
                QCOMPARE(encodeNewLines(decodeNewLines(code)), code);
            }
        }
    }
}

void TestProceduresDocument::nulEndsTheReadAsNotWhole()
{
    const ProceduresRead read =
        parseBytes(QByteArray("SECTION_0\r\nA\r\n#a\0b\r\nSECTION_1\r\n", 29));
    QVERIFY(!read.whole);
    QVERIFY(!read.stoppedBy);
    QCOMPARE(describe(read.document), QStringLiteral("Misc[0](A=a)"));
}

QTEST_APPLESS_MAIN(TestProceduresDocument)
#include "tst_ProceduresDocument.moc"
