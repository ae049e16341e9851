#include "common/HostOptions.h"
#include "procedures/ProcsFile.h"
#include "ProcsSamples.h"
#include "support/TestMain.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

// "Caption[entry](caption=code, ...); ..." walking the nodes in pre-order, so that a Codes
// entry out of step with its node shows.
QString describe(const ProcsModel& model)
{
    QStringList sections;
    qsizetype entry = 0;
    for (const ProcsSection& section : model.sections) {
        QString text =
            section.caption + QLatin1Char('[') + model.Codes.value(entry++) + QStringLiteral("](");
        QStringList procedures;
        for (const QString& caption : section.procedures)
            procedures.append(caption + QLatin1Char('=') + model.Codes.value(entry++));
        sections.append(text + procedures.join(QStringLiteral(", ")) + QLatin1Char(')'));
    }
    if (entry != model.Codes.size())
        sections.append(
            QStringLiteral("%1 entries for %2 nodes").arg(model.Codes.size()).arg(entry));
    return sections.join(QStringLiteral("; "));
}

const QString fileName = QStringLiteral("/procs/CstProcs.dat");

ProcsParse parseBytes(const QByteArray& bytes)
{
    return parseProcsLines(splitLineFile(bytes).lines, fileName);
}

QByteArray savedBytes(const ProcsModel& model)
{
    return joinLineFile(procsLines(model), fileName);
}

// Misc with three procedures, Output with two, Input with one: absolute indexes 0 to 8.
ProcsModel threeSections()
{
    ProcsModel model;
    AddSection(model, 0).procedures = QStringList{"m1", "m2", "m3"};
    model.Codes << "c-m1"
                << "c-m2"
                << "c-m3";
    AddSection(model, 1).procedures = QStringList{"o1", "o2"};
    model.Codes << "c-o1"
                << "c-o2";
    AddSection(model, 2).procedures = QStringList{"i1"};
    model.Codes << "c-i1";
    return model;
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

ProcsModel randomModel(QRandomGenerator& random)
{
    ProcsModel model;
    const int sections = random.bounded(6);
    for (int s = 0; s < sections; ++s) {
        ProcsSection& section = AddSection(model, random.bounded(10));
        const int procedures = random.bounded(6);
        for (int p = 0; p < procedures; ++p) {
            section.procedures.append(randomCaption(random));
            model.Codes.append(randomText(random, 8));
        }
    }
    return model;
}

} // namespace

class TestProcsFile : public QObject
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
    void absoluteIndexesOfTheExample();
    void newProcedureGoesLastInItsSection();
    void removingPairsTreeAndCodes();
    void loadTellsHowMuchWasRead_data();
    void loadTellsHowMuchWasRead();
    void pathIsGluedAndReadAfresh();
    void emptyAppPathNamesNoFile();
    void codesOutOfStepAreNotWritten();
};

void TestProcsFile::readAndWriteBack_data()
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

void TestProcsFile::readAndWriteBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, model);
    QFETCH(QByteArray, written);
    const ProcsParse parsed = parseBytes(file);
    QVERIFY2(!parsed.stoppedBy, qPrintable(parsed.stoppedBy ? parsed.stoppedBy->message() : ""));
    QCOMPARE(describe(parsed.model), model);
    QCOMPARE(savedBytes(parsed.model), written);
    QCOMPARE(parseBytes(written).model, parsed.model);
}

void TestProcsFile::badLineStopsTheRead_data()
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
               "...\" is not";
}

void TestProcsFile::badLineStopsTheRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, modelBefore);
    QFETCH(QString, named);
    const ProcsParse parsed = parseBytes(file);
    QVERIFY(parsed.stoppedBy);
    QCOMPARE(describe(parsed.model), modelBefore);
    QVERIFY2(parsed.stoppedBy->message().contains(named), qPrintable(parsed.stoppedBy->message()));
}

void TestProcsFile::newLineMacro_data()
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

void TestProcsFile::newLineMacro()
{
    QFETCH(QString, window);
    QFETCH(QString, file);
    QCOMPARE(EncodeNewLines(window), file);
    QCOMPARE(DecodeNewLines(file), window);
}

void TestProcsFile::saveThenLoadGivesTheSameModel()
{
    QRandomGenerator random(20240604);
    for (int round = 0; round < 2000; ++round) {
        const ProcsModel model = randomModel(random);
        const QByteArray bytes = savedBytes(model);
        const ProcsParse parsed = parseBytes(bytes);
        QVERIFY2(!parsed.stoppedBy && parsed.model == model,
                 qPrintable(QStringLiteral("round %1: %2\nread back as %3")
                                .arg(round)
                                .arg(describe(model), describe(parsed.model))));
        // Window form and back, as an Edit closed with OK does.
        for (const QString& code : model.Codes)
            QCOMPARE(EncodeNewLines(DecodeNewLines(code)), code);
        if (round % 50 == 0) {
            QTreeWidget tree;
            fillProcsTree(tree, parsed.model);
            QCOMPARE(readProcsTree(tree, parsed.model.Codes), model);
        }
    }
}

void TestProcsFile::absoluteIndexesOfTheExample()
{
    QTreeWidget tree;
    fillProcsTree(tree, threeSections());
    QStringList seen;
    int walked = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it, ++walked)
        seen.append(QStringLiteral("%1:%2").arg((*it)->text(0)).arg(absoluteIndex(**it)));
    QCOMPARE(walked, 9);
    QCOMPARE(seen, (QStringList{"Misc:0", "m1:1", "m2:2", "m3:3", "Output:4", "o1:5", "o2:6",
                                "Input:7", "i1:8"}));
}

void TestProcsFile::newProcedureGoesLastInItsSection()
{
    ProcsModel model = threeSections();
    QTreeWidget tree;
    fillProcsTree(tree, model);
    QTreeWidgetItem* added = appendProcedure(*tree.topLevelItem(1), model.Codes, "new", "c-new");
    QCOMPARE(absoluteIndex(*added), 7);
    QCOMPARE(model.Codes.indexOf("c-new"), 7);
    QCOMPARE(absoluteIndex(*tree.topLevelItem(2)), 8);
    QCOMPARE(describe(readProcsTree(tree, model.Codes)),
             QStringLiteral("Misc[0](m1=c-m1, m2=c-m2, m3=c-m3); Output[1](o1=c-o1, o2=c-o2, "
                            "new=c-new); Input[2](i1=c-i1)"));
}

void TestProcsFile::removingPairsTreeAndCodes()
{
    ProcsModel model = threeSections();
    QTreeWidget tree;
    fillProcsTree(tree, model);
    removeProcedure(tree.topLevelItem(0)->child(1), model.Codes);
    removeProcedure(tree.topLevelItem(2)->child(0), model.Codes);
    QCOMPARE(describe(readProcsTree(tree, model.Codes)),
             QStringLiteral("Misc[0](m1=c-m1, m3=c-m3); Output[1](o1=c-o1, o2=c-o2); Input[2]()"));
}

void TestProcsFile::loadTellsHowMuchWasRead_data()
{
    QTest::addColumn<QByteArray>("file"); // "-" for none
    QTest::addColumn<int>("extent");
    QTest::addColumn<bool>("throws");
    QTest::addColumn<QString>("model");

    QTest::newRow("whole") << QByteArray("SECTION_0\r\nA\r\n#a\r\n") << int(ReadExtent::Whole)
                           << false << "Misc[0](A=a)";
    QTest::newRow("no file: empty tree")
        << QByteArray("-") << int(ReadExtent::NoFile) << true << "";
    QTest::newRow("bad header: the part before it, paired")
        << QByteArray("SECTION_0\r\nA\r\n#a\r\nSECTION_\r\nB\r\n") << int(ReadExtent::Partial)
        << true << "Misc[0](A=a)";
    QTest::newRow("procedure before the first header: nothing")
        << QByteArray("A\r\nSECTION_0\r\n") << int(ReadExtent::Partial) << true << "";
    QTest::newRow("NUL byte: the lines before it")
        << QByteArray("SECTION_0\r\nA\r\n#a\0b\r\nSECTION_1\r\n", 29) << int(ReadExtent::Partial)
        << false << "Misc[0](A=a)";
}

void TestProcsFile::loadTellsHowMuchWasRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, extent);
    QFETCH(bool, throws);
    QFETCH(QString, model);
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_AppPath] = dir.path() + QLatin1Char('/');
    if (file != "-")
        writeBytes(dir.filePath("CstProcs.dat"), file);
    QTreeWidget tree;
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"stale"}));
    QStringList codes{"stale"};
    ReadExtent read = ReadExtent::Whole;
    bool thrown = false;
    try {
        LoadProcs(tree, codes, options, read);
    } catch (const AppError&) {
        thrown = true;
    }
    QCOMPARE(thrown, throws);
    QCOMPARE(int(read), extent);
    QCOMPARE(describe(readProcsTree(tree, codes)), model);
}

void TestProcsFile::pathIsGluedAndReadAfresh()
{
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_AppPath] = dir.path() + QStringLiteral("/old ");
    writeBytes(dir.filePath("old CstProcs.dat"), workedExample);
    QTreeWidget tree;
    QStringList codes;
    ReadExtent extent;
    LoadProcs(tree, codes, options, extent);
    QCOMPARE(extent, ReadExtent::Whole);
    options.values[Opt_AppPath] = dir.path() + QStringLiteral("/new-");
    SaveProcs(tree, codes, options);
    QCOMPARE(fileBytes(dir.filePath("new-CstProcs.dat")), workedExampleWritten);
    QCOMPARE(fileBytes(dir.filePath("old CstProcs.dat")), workedExample);
}

void TestProcsFile::emptyAppPathNamesNoFile()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    writeBytes(dir.filePath("CstProcs.dat"), "SECTION_2\r\nA\r\n");
    FakeOptions options;
    QTreeWidget tree;
    QStringList codes;
    ReadExtent extent;
    QVERIFY_THROWS_EXCEPTION(AppError, LoadProcs(tree, codes, options, extent));
    QCOMPARE(tree.topLevelItemCount(), 0);
    QVERIFY_THROWS_EXCEPTION(AppError, SaveProcs(tree, codes, options));
    QDir::setCurrent(previous);
    QCOMPARE(fileBytes(dir.filePath("CstProcs.dat")), QByteArray("SECTION_2\r\nA\r\n"));
}

void TestProcsFile::codesOutOfStepAreNotWritten()
{
    QTemporaryDir dir;
    FakeOptions options;
    options.values[Opt_AppPath] = dir.path() + QLatin1Char('/');
    writeBytes(dir.filePath("CstProcs.dat"), workedExample);
    QTreeWidget tree;
    const ProcsModel model = threeSections();
    fillProcsTree(tree, model);
    QStringList codes = model.Codes;
    codes.removeLast();
    QVERIFY_THROWS_EXCEPTION(AppError, SaveProcs(tree, codes, options));
    QCOMPARE(fileBytes(dir.filePath("CstProcs.dat")), workedExample);
}

HALVEX_TEST_MAIN(TestProcsFile)
#include "tst_ProcsFile.moc"
