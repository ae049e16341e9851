#include "FuzzChecks.h"

#include "common/LineFile.h"
#include "mime/MIMETypesFile.h"
#include "procedures/ProcsFile.h"
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

bool onlyAsciiLettersRaised(const QString& before, const QString& after)
{
    if (before.size() != after.size())
        return false;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const char16_t b = before[i].unicode();
        const char16_t a = after[i].unicode();
        const bool small = b >= u'a' && b <= u'z';
        if (a != (small ? b - 32 : b))
            return false;
    }
    return true;
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

void checkMimeTypesFile(QByteArrayView bytes)
{
    const QStringList lines = splitLineFile(bytes).lines;
    const MimeTypeList types = parseMimeTypeLines(lines);
    require(types.size() == lines.size() / 2, "one entry per pair of lines");
    const QStringList savedLines = mimeTypeLines(types);
    require(savedLines.size() == types.size() * 2, "two lines per entry");
    const MimeTypeList saved = parseMimeTypeLines(savedLines);
    for (qsizetype i = 0; i < types.size(); ++i) {
        require(saved[i].suffix == types[i].suffix, "a suffix is written as it stands");
        require(onlyAsciiLettersRaised(types[i].type, saved[i].type),
                "a type changes only from a-z to A-Z");
    }
    require(mimeTypeLines(saved) == savedLines, "a written file reads back to its entries");
    requireStableBytes(savedLines);
}

void checkProcsFile(QByteArrayView bytes)
{
    const QStringList lines = splitLineFile(bytes).lines;
    const ProcsParse parsed = parseProcsLines(lines, fileName);
    qsizetype nodes = 0;
    for (const ProcsSection& section : parsed.model.sections)
        nodes += 1 + section.procedures.size();
    require(parsed.model.Codes.size() == nodes, "one code list entry per node, also after a stop");

    const QStringList savedLines = procsLines(parsed.model);
    const ProcsParse reread = parseProcsLines(savedLines, fileName);
    require(!reread.stoppedBy, "a written file reads whole");
    require(reread.model == parsed.model, "a written file reads back to its tree and codes");
    requireStableBytes(savedLines);
}
