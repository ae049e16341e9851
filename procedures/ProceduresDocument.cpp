#include "procedures/ProceduresDocument.h"

#include "common/LineFile.h"
#include "platform/StrUtils.h"
#include "platform/WholeFile.h"

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString newLineMacro = QStringLiteral("%2");
constexpr char codeMark = '#';
const QByteArrayView headerStart = "SECTION_";

// Long lines are cut in messages; the line number says where the rest is.
QString quoted(QByteArrayView line)
{
    constexpr qsizetype shown = 60;
    const QString text = QString::fromUtf8(line);
    if (text.size() <= shown)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + text.left(shown) + QStringLiteral("...\"");
}

AppError stoppedAt(const QString& fileName, qsizetype lineNumber, QByteArrayView line,
                   const QString& why)
{
    return AppError(QStringLiteral("Line %1 of \"%2\": %3 %4. Reading stopped at this line.")
                        .arg(lineNumber)
                        .arg(displayPath(fileName), quoted(line), why));
}

// Only the ninth character counts; whatever follows it is ignored.
std::optional<int> sectionNumber(QByteArrayView header)
{
    const qsizetype at = headerStart.size();
    if (header.size() <= at || header[at] < '0' || header[at] > '9')
        return std::nullopt;
    return header[at] - '0';
}

} // namespace

QString sectionCaption(int number)
{
    switch (number) {
    case 0:
        return QStringLiteral("Misc");
    case 1:
        return QStringLiteral("Output");
    case 2:
        return QStringLiteral("Input");
    }
    return QString();
}

// A procedure's code is the next line when that begins with "#"; the lines are handed out one at
// a time, so the caption is kept before the next line is looked at.
ProceduresRead readProcedures(LineSource& lines, const QString& fileName)
{
    ProceduresRead result;
    QList<ProcedureSection>& sections = result.document.sections;
    QByteArrayView line;
    bool more = lines.next(line);
    while (more) {
        if (line.startsWith(headerStart)) {
            const std::optional<int> number = sectionNumber(line);
            if (!number) {
                result.stoppedBy = stoppedAt(fileName, lines.lineNumber(), line,
                                             QStringLiteral("is not a valid section header: its "
                                                            "ninth character must be a digit "
                                                            "from 0 to 9"));
                break;
            }
            sections.append(ProcedureSection{*number, {}});
            more = lines.next(line);
            continue;
        }
        // The writer never puts a procedure there, and it has no section to go to.
        if (sections.isEmpty()) {
            result.stoppedBy = stoppedAt(fileName, lines.lineNumber(), line,
                                         QStringLiteral("is a procedure before the first "
                                                        "section header"));
            break;
        }
        Procedure procedure{DocumentText::fromUtf8(line), {}};
        more = lines.next(line);
        if (more && line.startsWith(codeMark)) {
            procedure.code = DocumentText::fromUtf8(line.sliced(1));
            more = lines.next(line);
        } else {
            procedure.code = procedure.caption;
        }
        sections.last().procedures.append(std::move(procedure));
    }
    // The room the lists kept for growing is given back: on a large file it is a good part of
    // the memory.
    for (ProcedureSection& section : sections)
        section.procedures.squeeze();
    result.whole = !result.stoppedBy;
    return result;
}

ProceduresRead readProcedures(QByteArrayView bytes, const QString& fileName)
{
    return readLineFileBytes<ProceduresRead>(
        bytes, [&](LineSource& lines) { return readProcedures(lines, fileName); });
}

void writeProcedure(LineSink& lines, const Procedure& procedure)
{
    lines.add(procedure.caption.utf8());
    lines.endLine();
    lines.add("#");
    lines.add(procedure.code.utf8());
    lines.endLine();
}

void writeSection(LineSink& lines, const ProcedureSection& section)
{
    lines.add(headerStart);
    lines.add(section.number);
    lines.endLine();
    for (const Procedure& procedure : section.procedures)
        writeProcedure(lines, procedure);
}

void writeProcedures(LineSink& lines, const ProceduresDocument& document)
{
    for (const ProcedureSection& section : document.sections)
        writeSection(lines, section);
}

QByteArray writeProcedures(const ProceduresDocument& document, const QString& fileName)
{
    return lineFileBytes(fileName, [&](LineSink& lines) { writeProcedures(lines, document); });
}

QString encodeNewLines(const QString& text)
{
    return replaceAll(text, crLf, newLineMacro);
}

QString decodeNewLines(const QString& text)
{
    return replaceAll(text, newLineMacro, crLf);
}
