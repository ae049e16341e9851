#include "FuzzChecks.h"

#include "common/LineFile.h"
#include "toolbar/ToolbarFile.h"

namespace {

const QString fileName = QStringLiteral("fuzzed.cfg");

void require(bool holds, const char* property)
{
    if (!holds)
        throw PropertyViolation(property);
}

// What the program writes must read back to the same lines and write back to the same bytes.
void requireStableBytes(const QStringList& lines)
{
    const QByteArray written = joinLineFile(lines, fileName);
    const LineFileText reread = splitLineFile(written);
    require(reread.whole, "a written file holds no NUL");
    require(reread.lines == lines, "written lines read back the same");
    require(joinLineFile(reread.lines, fileName) == written, "rewritten bytes are the same");
}

} // namespace

void checkLineFile(QByteArrayView bytes)
{
    const LineFileText text = splitLineFile(bytes);
    require(text.whole == !bytes.contains('\0'), "reading stops exactly at a NUL");
    requireStableBytes(text.lines);
}

void checkToolbarFile(QByteArrayView bytes)
{
    const QStringList lines = splitLineFile(bytes).lines;
    const ToolbarParse parsed = parseToolbarLines(lines, fileName);
    qsizetype nodes = 0;
    for (const ToolbarNode& category : parsed.tree)
        nodes += 1 + category.children.size();
    require(parsed.stoppedBy || nodes == lines.size(), "a whole read makes one node per line");
    require(nodes <= lines.size(), "no node without a line");

    // Saved once, the tree is what the program itself wrote: it must read back to the same
    // tree and write back to the same bytes.
    const ToolbarTree saved = parseToolbarLines(toolbarLines(parsed.tree), fileName).tree;
    const QStringList savedLines = toolbarLines(saved);
    const ToolbarParse reread = parseToolbarLines(savedLines, fileName);
    require(!reread.stoppedBy, "a written toolbar reads whole");
    require(reread.tree == saved, "a written toolbar reads back to its tree");
    requireStableBytes(savedLines);
}
