#include "mime/MimeTypesDocument.h"
#include "procedures/ProceduresDocument.h"
#include "toolbar/ToolbarDocument.h"

#include <QTest>

namespace {

QString describe(const ToolbarTag& tag)
{
    return tag.caption() + QLatin1Char(':') + tag.tag() + QLatin1Char('#') +
           QString::number(tag.image());
}

// What a paste would insert, in order, as one line; or "refused: " and the message.
QString pasted(const QString& kind, const QString& text)
{
    QStringList nodes;
    QString refusal;
    if (kind == QLatin1String("toolbar")) {
        const ToolbarPaste paste = readToolbarPaste(text);
        for (const ToolbarCategory& category : paste.categories) {
            QStringList tags;
            for (const ToolbarTag& tag : category.tags())
                tags.append(describe(tag));
            nodes.append(category.caption() + QStringLiteral("(%1)").arg(tags.join(' ')));
        }
        for (const ToolbarTag& tag : paste.tags)
            nodes.append(describe(tag));
        refusal = paste.refusal;
    } else if (kind == QLatin1String("procedures")) {
        const ProceduresPaste paste = readProceduresPaste(text);
        for (const Procedure& procedure : paste.procedures)
            nodes.append(procedure.caption() + QLatin1Char('=') + procedure.code());
        refusal = paste.refusal;
    } else {
        const MimeTypesPaste paste = readMimeTypesPaste(text);
        for (const MimeType& type : paste.types)
            nodes.append(type.type() + QLatin1Char('|') + type.suffix());
        refusal = paste.refusal;
    }
    return refusal.isEmpty() ? nodes.join(QStringLiteral(", "))
                             : QStringLiteral("refused: ") + refusal;
}

} // namespace

// The clipboard holds nodes in the file's own lines: what Copy gives, the reader of the file
// takes back, and what it cannot take, or a node of another kind, is refused with the reason.
class TestClipboardText : public QObject
{
    Q_OBJECT

private slots:
    void copiedNodesAreTheirFileLines();
    void paste_data();
    void paste();
};

void TestClipboardText::copiedNodesAreTheirFileLines()
{
    const ToolbarDocument toolbar =
        readToolbar(QByteArray("2:0:A\r\n1:1:A2:a2\r\n1:2:A1:a1\r\n"), QString()).document;
    QCOMPARE(toolbarNodeText(toolbar.categories[0]),
             QStringLiteral("2:0:A\n1:1:A2:a2\n1:2:A1:a1\n"));
    QCOMPARE(toolbarNodeText(toolbar.categories[0].tags()[0]), QStringLiteral("1:2:A1:a1\n"));
    const Procedure procedure(QStringLiteral("print"), QStringLiteral("print;%2exit;"));
    QCOMPARE(procedureText(procedure), QStringLiteral("print\n#print;%2exit;\n"));
    QCOMPARE(mimeTypeText(MimeType(QStringLiteral("text/html"), QStringLiteral(".Htm"))),
             QStringLiteral("TEXT/HTML\n.Htm\n"));
    // Copied and pasted, a node comes back as it was.
    QCOMPARE(pasted(QStringLiteral("toolbar"), toolbarNodeText(toolbar.categories[0])),
             QStringLiteral("A(A1:a1#2 A2:a2#1)"));
}

void TestClipboardText::paste_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("inserts");

    QTest::newRow("tag lines: shown in reverse, as in the file") << "toolbar"
                                                                 << "1:2:X:x\r\n1:3:Y:y"
                                                                 << "Y:y#3, X:x#2";
    QTest::newRow("categories with their tags") << "toolbar"
                                                << "2:0:C\n1:1:T:t\n1:2:U:u\n2:4:D"
                                                << "C(U:u#2 T:t#1), D()";
    QTest::newRow("tags and categories: refused")
        << "toolbar" << "1:2:X:x\n2:0:C\n" << "refused: The clipboard holds tags and categories";
    QTest::newRow("text of another kind: the reader's reason")
        << "toolbar" << "TEXT/HTML\n.html\n"
        << "refused: Line 1 of the clipboard: \"\" is not a valid image index";
    QTest::newRow("no toolbar lines: refused")
        << "toolbar" << "" << "refused: The clipboard holds no tags or categories.";
    QTest::newRow("procedures, a code line or none") << "procedures"
                                                     << "a\n#x%2y\rb"
                                                     << "a=x%2y, b=b";
    QTest::newRow("a section: refused") << "procedures"
                                        << "SECTION_1\na\n"
                                        << "refused: Line 1 of the clipboard: \"SECTION_1\" opens";
    QTest::newRow("a caption the dialog refuses: refused")
        << "procedures" << "#a\n#b\n" << "refused: First char in caption can't be \"#\"";
    // Pasted text once went in cut short or changed, without a word: what the file cannot hold
    // whole is refused, with the reason, and nothing is pasted.
    QTest::newRow("MIME pairs: an odd last line refused")
        << "MIME" << "a/b\r\n.a\r\nc/d"
        << "refused: Line 3 of the clipboard: \"c/d\" is a MIME type without the line";
    QTest::newRow("MIME: one line refused")
        << "MIME" << "a/b" << "refused: Line 1 of the clipboard: \"a/b\" is a MIME type";
    QTest::newRow("a template holding a \":\": refused")
        << "toolbar" << "1:3:Link:<a href=\"http://x.example/\">%1</a>"
        << "refused: Line 1 of the clipboard cannot be pasted as it stands: the toolbar file "
           "would hold \"1:3:Link:<a href=\"http://x.example/\">%1</a>\" as \"1:3:Link:<a "
           "href=\"http\"";
    QTest::newRow("a tag line without its caption and template: refused")
        << "toolbar" << "1:0" << "refused: Line 1 of the clipboard cannot be pasted";
    QTest::newRow("a category line with a field too many: refused")
        << "toolbar" << "2:0:Cat\n2:0:Cat:extra" << "refused: Line 2 of the clipboard cannot be";
    QTest::newRow("a kind other than 1 and 2: refused")
        << "toolbar" << "3:0:X" << "refused: Line 1 of the clipboard cannot be pasted";
    QTest::newRow("an index written otherwise: refused")
        << "toolbar" << "2: 5:X" << "refused: Line 1 of the clipboard cannot be pasted";
    const QString omega = QString::fromUtf8("\u03a9");
    QTest::newRow("toolbar: a character the code page cannot hold")
        << "toolbar" << "2:0:" + omega
        << "refused: Line 1 of the clipboard holds the character \"" + omega + "\"";
    QTest::newRow("procedures: a character the code page cannot hold")
        << "procedures" << "a\n#" + omega
        << "refused: The procedures file cannot hold the character \"" + omega + "\"";
    QTest::newRow("MIME: a character the code page cannot hold")
        << "MIME" << "a/b\n." + omega
        << "refused: The MIME types file cannot hold the character \"" + omega + "\"";
    // A byte-order mark at the start of a field once vanished on its way to the file.
    const QString mark(QChar(0xFEFF));
    QTest::newRow("toolbar: a leading U+FEFF")
        << "toolbar" << "2:0:" + mark + "C" << "refused: Line 1 of the clipboard holds";
    QTest::newRow("procedures: a leading U+FEFF")
        << "procedures" << mark + "a\n#a" << "refused: The procedures file cannot hold";
    QTest::newRow("MIME: a leading U+FEFF")
        << "MIME" << mark + "text/css\n.css" << "refused: The MIME types file cannot hold";
    // Once pasted into the document, a NUL made every OK after it fail.
    for (const char* kind : {"toolbar", "procedures", "MIME"})
        QTest::addRow("%s: a NUL refused", kind)
            << kind << QStringLiteral("1:0:a:b\nX\r\n.x%1y\n").arg(QChar(0))
            << "refused: Line 3 holds the control character U+0000";
}

void TestClipboardText::paste()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, inserts);
    const QString result = pasted(kind, text);
    if (inserts.startsWith(QLatin1String("refused: ")))
        QVERIFY2(result.startsWith(inserts), qPrintable(result));
    else
        QCOMPARE(result, inserts);
}

QTEST_APPLESS_MAIN(TestClipboardText)
#include "tst_ClipboardText.moc"
