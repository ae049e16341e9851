#include "common/NodeCommands.h"
#include "mime/MimeTypesModel.h"
#include "procedures/ProceduresModel.h"
#include "support/DocumentBytes.h"
#include "toolbar/ToolbarModel.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace {

// The bytes before a step, after it, after its undo and after its redo.
using Run = std::function<QList<QByteArray>()>;

template <class Model, class Document>
Run stepOn(const Document& document, std::function<QByteArray(const Document&)> write,
           std::function<QUndoCommand*(Model&, SelectNode)> make)
{
    return [=] {
        Model model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setDocument(document);
        QUndoStack stack;
        QList<QByteArray> bytes{write(model.document())};
        stack.push(make(model, [](TreePosition, bool) {}));
        bytes.append(write(model.document()));
        stack.undo();
        bytes.append(write(model.document()));
        stack.redo();
        bytes.append(write(model.document()));
        return bytes;
    };
}

// A(A1, A2), B(), C(C1) as the toolbar shows them.
const QByteArray toolbarFile = "2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n2:3:B\r\n2:4:C\r\n1:5:C1:c1\r\n";
const QByteArray procsFile = "SECTION_0\r\na\r\n#a\r\nb\r\n#b\r\nSECTION_1\r\nc\r\n#c\r\n";
const QByteArray mimeFile = "A/B\r\n.a\r\nC/D\r\n.c\r\nE/F\r\n.e\r\n";

Run toolbar(std::function<QUndoCommand*(ToolbarModel&, SelectNode)> make)
{
    return stepOn<ToolbarModel, ToolbarDocument>(
        readToolbar(toolbarFile, {}).document,
        [](const ToolbarDocument& d) { return writeToolbar(d, {}); }, make);
}

Run procedures(std::function<QUndoCommand*(ProceduresModel&, SelectNode)> make)
{
    return stepOn<ProceduresModel, ProceduresDocument>(
        readProcedures(procsFile, {}).document,
        [](const ProceduresDocument& d) { return writeProcedures(d, {}); }, make);
}

Run mime(std::function<QUndoCommand*(MimeTypesModel&, SelectNode)> make)
{
    return stepOn<MimeTypesModel, MimeTypesDocument>(
        readMimeTypes(mimeFile).document,
        [](const MimeTypesDocument& d) { return writeMimeTypes(d, {}); }, make);
}

ToolbarNode category(const char* caption)
{
    return ToolbarCategory(QString::fromLatin1(caption), 7);
}

ToolbarNode tag(const char* caption)
{
    return ToolbarTag(QString::fromLatin1(caption), QStringLiteral("t"), 8);
}

QByteArray replaced(const QByteArray& bytes, const char* before, const char* after)
{
    return QByteArray(bytes).replace(before, after);
}

} // namespace

Q_DECLARE_METATYPE(Run)

// Every step on every model, followed by its undo and its redo: the undo gives back the bytes
// that were there, the redo the bytes of the step, and Qt's model tester watches all of it.
class TestNodeCommands : public QObject
{
    Q_OBJECT

private slots:
    void undoGivesBackTheBytes_data();
    void undoGivesBackTheBytes();
};

void TestNodeCommands::undoGivesBackTheBytes_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<QByteArray>("after");

    using TM = ToolbarModel;
    QTest::newRow("toolbar: category inserted second") << toolbar([](TM& m, SelectNode s) {
        return new InsertNodes<TM>(m, {1, -1}, {category("N")}, {}, s, true);
    }) << replaced(toolbarFile, "2:3:B", "2:7:N\r\n2:3:B");
    QTest::newRow("toolbar: two categories pasted last") << toolbar([](TM& m, SelectNode s) {
        return new InsertNodes<TM>(m, {3, -1}, {category("N"), category("O")}, {}, s, true);
    }) << toolbarFile + "2:7:N\r\n2:7:O\r\n";
    QTest::newRow("toolbar: tags pasted into an empty category")
        << toolbar([](TM& m, SelectNode s) {
               return new InsertNodes<TM>(m, {1, 0}, {tag("X"), tag("Y")}, {}, s, true);
           })
        << replaced(toolbarFile, "2:3:B\r\n", "2:3:B\r\n1:8:Y:t\r\n1:8:X:t\r\n");
    QTest::newRow("toolbar: category removed with its tags") << toolbar([](TM& m, SelectNode s) {
        return new RemoveNode<TM>(m, {0, -1}, {}, s);
    }) << toolbarFile.mid(toolbarFile.indexOf("2:3:B"));
    QTest::newRow("toolbar: tag removed") << toolbar([](TM& m, SelectNode s) {
        return new RemoveNode<TM>(m, {2, 0}, {}, s);
    }) << replaced(toolbarFile, "1:5:C1:c1\r\n", "");
    QTest::newRow("toolbar: category edited, tags kept") << toolbar([](TM& m, SelectNode s) {
        return new ReplaceNode<TM>(m, {0, -1}, category("Z"), {}, s);
    }) << replaced(toolbarFile, "2:0:A", "2:7:Z");
    QTest::newRow("toolbar: tag edited") << toolbar([](TM& m, SelectNode s) {
        return new ReplaceNode<TM>(m, {0, 1}, tag("Z"), {}, s);
    }) << replaced(toolbarFile, "1:1:A2:a2", "1:8:Z:t");
    QTest::newRow("toolbar: first category moved last") << toolbar([](TM& m, SelectNode s) {
        return new MoveNode(m, {0, -1}, {2, -1}, {}, s);
    }) << QByteArray("2:3:B\r\n2:4:C\r\n1:5:C1:c1\r\n2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n");
    QTest::newRow("toolbar: tag moved down in its category") << toolbar([](TM& m, SelectNode s) {
        return new MoveNode(m, {0, 0}, {0, 1}, {}, s);
    }) << replaced(toolbarFile, "1:1:A2:a2\r\n1:2:A1:a1", "1:2:A1:a1\r\n1:1:A2:a2");
    QTest::newRow("toolbar: tag moved into another category") << toolbar([](TM& m, SelectNode s) {
        return new MoveNode(m, {2, 0}, {0, 1}, {}, s);
    }) << QByteArray("2:0:A\r\n1:1:A2:a2\r\n1:5:C1:c1\r\n1:2:A1:a1\r\n2:3:B\r\n2:4:C\r\n");

    using PM = ProceduresModel;
    const Procedure n(QStringLiteral("n"), QStringLiteral("n%2n"));
    QTest::newRow("procedures: two pasted first in a section")
        << procedures([n](PM& m, SelectNode s) {
               return new InsertNodes<PM>(m, {1, 0}, {n, n}, {}, s, true);
           })
        << replaced(procsFile, "SECTION_1\r\n", "SECTION_1\r\nn\r\n#n%2n\r\nn\r\n#n%2n\r\n");
    QTest::newRow("procedures: removed") << procedures([](PM& m, SelectNode s) {
        return new RemoveNode<PM>(m, {0, 0}, {}, s);
    }) << replaced(procsFile, "a\r\n#a\r\n", "");
    QTest::newRow("procedures: edited") << procedures([n](PM& m, SelectNode s) {
        return new ReplaceNode<PM>(m, {0, 1}, n, {}, s);
    }) << replaced(procsFile, "b\r\n#b", "n\r\n#n%2n");
    QTest::newRow("procedures: moved up in its section") << procedures([](PM& m, SelectNode s) {
        return new MoveNode(m, {0, 1}, {0, 0}, {}, s);
    }) << replaced(procsFile, "a\r\n#a\r\nb\r\n#b", "b\r\n#b\r\na\r\n#a");
    QTest::newRow("procedures: moved into another section, code along")
        << procedures([](PM& m, SelectNode s) {
               return new MoveNode(m, {1, 0}, {0, 1}, {}, s);
           })
        << QByteArray("SECTION_0\r\na\r\n#a\r\nc\r\n#c\r\nb\r\n#b\r\nSECTION_1\r\n");

    using MM = MimeTypesModel;
    const MimeType x(QStringLiteral("x/y"), QStringLiteral(".x"));
    QTest::newRow("MIME types: two pasted after the first") << mime([x](MM& m, SelectNode s) {
        return new InsertNodes<MM>(m, {1, -1}, {x, x}, {}, s, true);
    }) << replaced(mimeFile, "C/D", "X/Y\r\n.x\r\nX/Y\r\n.x\r\nC/D");
    QTest::newRow("MIME types: removed") << mime([](MM& m, SelectNode s) {
        return new RemoveNode<MM>(m, {1, -1}, {}, s);
    }) << replaced(mimeFile, "C/D\r\n.c\r\n", "");
    QTest::newRow("MIME types: edited") << mime([x](MM& m, SelectNode s) {
        return new ReplaceNode<MM>(m, {2, -1}, x, {}, s);
    }) << replaced(mimeFile, "E/F\r\n.e", "X/Y\r\n.x");
    QTest::newRow("MIME types: last moved first") << mime([](MM& m, SelectNode s) {
        return new MoveNode(m, {2, -1}, {0, -1}, {}, s);
    }) << QByteArray("E/F\r\n.e\r\nA/B\r\n.a\r\nC/D\r\n.c\r\n");
}

void TestNodeCommands::undoGivesBackTheBytes()
{
    QFETCH(Run, run);
    QFETCH(QByteArray, after);
    const QList<QByteArray> bytes = run();
    QCOMPARE(bytes[1], after);
    QCOMPARE(bytes[2], bytes[0]);
    QCOMPARE(bytes[3], bytes[1]);
}

QTEST_APPLESS_MAIN(TestNodeCommands)
#include "tst_NodeCommands.moc"
