#include "FuzzChecks.h"

#include "app/HostSettings.h"
#include "common/LineFile.h"
#include "mime/MimeTypesDocument.h"
#include "platform/AppError.h"
#include "procedures/ProceduresDocument.h"
#include "support/DocumentBytes.h"
#include "support/TestProfile.h"
#include "toolbar/ToolbarDocument.h"

namespace {

const QString fileName = QStringLiteral("fuzzed.cfg");

void require(bool holds, const char* property)
{
    if (!holds)
        throw PropertyViolation(property);
}

// What the program writes must read back to the same lines and write back to the same bytes.
void requireStableBytes(const QByteArray& written)
{
    const SplitLines reread = splitLines(written);
    require(reread.whole, "a written file holds no NUL");
    require(joinLineFile(reread.lines, fileName) == written, "rewritten bytes are the same");
}

bool onlyAsciiLettersRaised(QByteArrayView before, QByteArrayView after)
{
    if (before.size() != after.size())
        return false;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const char b = before[i];
        const bool small = b >= 'a' && b <= 'z';
        if (after[i] != (small ? char(b - 32) : b))
            return false;
    }
    return true;
}

qsizetype lineCount(QByteArrayView bytes)
{
    return splitLines(bytes).lines.size();
}

} // namespace

void checkLineFile(QByteArrayView bytes)
{
    const SplitLines text = splitLines(bytes);
    require(text.whole == !bytes.contains('\0'), "reading stops exactly at a NUL");
    requireStableBytes(joinLineFile(text.lines, fileName));
}

void checkToolbarFile(QByteArrayView bytes)
{
    const ToolbarRead parsed = readToolbar(bytes, fileName);
    qsizetype nodes = 0;
    for (const ToolbarCategory& category : parsed.document.categories)
        nodes += 1 + category.tags().size();
    require(parsed.stoppedBy || nodes == lineCount(bytes), "a whole read makes one node per line");
    require(nodes <= lineCount(bytes), "no node without a line");
    require(parsed.whole == (!parsed.stoppedBy && !bytes.contains('\0')),
            "a read is whole unless a line or a NUL stopped it");

    // Saved once, the document is what the program itself wrote: it must read back to the same
    // document and write back to the same bytes.
    const ToolbarDocument saved =
        readToolbar(writeToolbar(parsed.document, fileName), fileName).document;
    const QByteArray savedBytes = writeToolbar(saved, fileName);
    const ToolbarRead reread = readToolbar(savedBytes, fileName);
    require(!reread.stoppedBy, "a written toolbar reads whole");
    require(reread.document == saved, "a written toolbar reads back to its document");
    requireStableBytes(savedBytes);
}

void checkMimeTypesFile(QByteArrayView bytes)
{
    const MimeTypesDocument types = readMimeTypes(bytes).document;
    require(types.rows.size() == lineCount(bytes) / 2, "one entry per pair of lines");
    const QByteArray savedBytes = writeMimeTypes(types, fileName);
    const MimeTypesDocument saved = readMimeTypes(savedBytes).document;
    require(saved.rows.size() == types.rows.size(), "two lines per entry");
    for (qsizetype i = 0; i < types.rows.size(); ++i) {
        require(saved.rows[i].suffix() == types.rows[i].suffix(),
                "a suffix is written as it stands");
        require(
            onlyAsciiLettersRaised(types.rows[i].type().toUtf8(), saved.rows[i].type().toUtf8()),
            "a type changes only from a-z to A-Z");
    }
    require(writeMimeTypes(saved, fileName) == savedBytes,
            "a written file reads back to its entries");
    requireStableBytes(savedBytes);
}

void checkProcsFile(QByteArrayView bytes)
{
    const ProceduresRead parsed = readProcedures(bytes, fileName);
    require(parsed.whole == (!parsed.stoppedBy && !bytes.contains('\0')),
            "a read is whole unless a line or a NUL stopped it");
    const QByteArray savedBytes = writeProcedures(parsed.document, fileName);
    const ProceduresRead reread = readProcedures(savedBytes, fileName);
    require(!reread.stoppedBy, "a written file reads whole");
    require(reread.document == parsed.document, "a written file reads back to its document");
    requireStableBytes(savedBytes);
}

void checkHostSettings(QByteArrayView bytes)
{
    const QString name = QStringLiteral("Opt_AppPath");
    try {
        const QString value = hostSettingsValue(bytes, name, fileName);
        require(!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')) &&
                    !value.contains(QChar::Null),
                "a value holds neither a line break nor a NUL");
    } catch (const AppError& error) {
        require(error.message().contains(name), "a refused value is named");
    }
    // Whatever came before, a section added at the end is read as written.
    const QByteArray added = bytes.toByteArray() + "\n[TMainWindow]\nOpt_AppPath=/added/\n";
    require(hostSettingsValue(added, name, fileName) == QLatin1String("/added/"),
            "the last value of the section is the one read");
}
