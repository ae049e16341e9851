#include "procedures/ProceduresDocument.h"

#include "common/DocumentText.h"
#include "common/LineFile.h"
#include "common/ListRoom.h"
#include "common/QuotedText.h"
#include "common/TextMatch.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>

namespace {

struct ProceduresDocumentMessages
{
    Q_DECLARE_TR_FUNCTIONS(ProceduresDocument)
};

const QString crLf = QStringLiteral("\r\n");
const QString newLineMacro = QStringLiteral("%2");
constexpr char codeMark = '#';
const QByteArrayView headerStart = "SECTION_";

// Long lines are cut in messages; the line number says where the rest is.
QString quoted(QByteArrayView line)
{
    return quotedText(utf8Text(line));
}

// why says what is wrong with the line, which it quotes as %1.
AppError stoppedAt(const LineSource& lines, QByteArrayView line, const QString& why)
{
    return AppError(
        //: %2 is a quoted path or "the clipboard"; %3 says what is wrong with the line.
        ProceduresDocumentMessages::tr("Line %1 of %2: %3. Reading stopped at this line.")
            .arg(QString::number(lines.lineNumber()), lines.origin(), why.arg(quoted(line))));
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
        //: The caption of the procedures panel's first section.
        return ProceduresDocumentMessages::tr("Misc");
    case 1:
        return ProceduresDocumentMessages::tr("Output");
    case 2:
        return ProceduresDocumentMessages::tr("Input");
    }
    return QString();
}

// The reader's access to a procedure's compact form.
class ProcedureLineReader
{
public:
    // A procedure's code is the next line when that begins with "#". The lines are handed out
    // one at a time, so the caption is kept before the next line is looked at; line is the next
    // line after the procedure, and more whether there is one.
    static Procedure read(LineSource& lines, QByteArrayView& line, bool& more)
    {
        Procedure procedure;
        procedure.m_caption = DocumentText::fromUtf8(line);
        more = lines.next(line);
        if (more && line.startsWith(codeMark)) {
            procedure.m_code = DocumentText::fromUtf8(line.sliced(1));
            more = lines.next(line);
        } else {
            procedure.m_code = procedure.m_caption;
        }
        return procedure;
    }
};

Procedure::Procedure(const QString& caption, const QString& code) : m_caption(caption), m_code(code)
{
}

bool Procedure::matches(const TextMatch& match) const
{
    return match.in(m_caption.utf8()) || match.in(m_code.utf8());
}

ProceduresRead readProcedures(LineSource& lines)
{
    ProceduresRead result;
    QList<ProcedureSection>& sections = result.document.sections;
    QByteArrayView line;
    bool more = lines.next(line);
    while (more) {
        if (line.startsWith(headerStart)) {
            const std::optional<int> number = sectionNumber(line);
            if (!number) {
                result.stoppedBy = stoppedAt(
                    lines, line,
                    //: %1 is the line, quoted.
                    ProceduresDocumentMessages::tr("%1 is not a valid section header: its ninth "
                                                   "character must be a digit from 0 to 9"));
                break;
            }
            sections.append(ProcedureSection{*number, {}});
            if (line.size() > headerStart.size() + 1)
                result.dropped.add(lines.lineNumber(), line.sliced(headerStart.size() + 1));
            more = lines.next(line);
            continue;
        }
        // The writer never puts a procedure there, and it has no section to go to.
        if (sections.isEmpty()) {
            result.stoppedBy = stoppedAt(lines, line,
                                         ProceduresDocumentMessages::tr(
                                             "%1 is a procedure before the first section header"));
            break;
        }
        sections.last().procedures.append(ProcedureLineReader::read(lines, line, more));
    }
    // The room the lists kept for growing is given back: on a large file it is a good part of
    // the memory.
    for (ProcedureSection& section : sections)
        giveBackRoom(section.procedures);
    result.whole = !result.stoppedBy;
    return result;
}

ProceduresRead readProcedures(QByteArrayView bytes, const QString& fileName)
{
    return readLineFileBytes(bytes, fileName, &readProcedures);
}

namespace {

QString captionRefusal(const QString& caption)
{
    if (caption.startsWith(QLatin1Char('#')))
        return ProceduresDocumentMessages::tr("First char in caption can't be \"#\"");
    // Read back, the line would open a section.
    if (caption.startsWith(sectionHeaderStart))
        return ProceduresDocumentMessages::tr("Caption can't begin with \"SECTION_\"");
    // A pasted line break would split the procedure's line in the file.
    if (caption.contains(QLatin1Char('\r')) || caption.contains(QLatin1Char('\n')))
        return ProceduresDocumentMessages::tr("Caption can't hold a line break");
    return QString();
}

} // namespace

ProceduresPaste readProceduresPaste(QStringView text)
{
    TextLines lines(text);
    ProceduresPaste paste;
    paste.refusal = lines.refusal();
    if (!paste.refusal.isEmpty())
        return paste;
    // An ASCII text holds no character that the code page cannot hold.
    const bool ascii = CodePage::isAscii(text);
    QByteArrayView line;
    bool more = lines.next(line);
    while (more && paste.refusal.isEmpty()) {
        if (line.startsWith(headerStart)) {
            paste.refusal = stoppedAt(lines, line,
                                      ProceduresDocumentMessages::tr(
                                          "%1 opens a section, and sections cannot be pasted, "
                                          "only procedures"))
                                .message();
            break;
        }
        paste.procedures.append(ProcedureLineReader::read(lines, line, more));
        const Procedure& read = paste.procedures.last();
        paste.refusal = ascii ? captionRefusal(read.caption()) : refusalFor(read);
    }
    if (paste.refusal.isEmpty() && paste.procedures.isEmpty())
        paste.refusal = ProceduresDocumentMessages::tr("The clipboard holds no procedures.");
    return paste;
}

QString procedureText(const Procedure& procedure)
{
    TextLineWriter lines;
    writeProcedure(lines, procedure);
    return lines.text();
}

QString refusalFor(const Procedure& procedure)
{
    const QString caption = procedure.caption();
    if (QString refusal = captionRefusal(caption); !refusal.isEmpty())
        return refusal;
    const QString character = unwritableCharacter(caption + procedure.code());
    if (!character.isEmpty())
        //: %1 is "the character "Ω" (U+03A9), which the code page Windows-1252 cannot hold".
        return ProceduresDocumentMessages::tr("The procedures file cannot hold %1.").arg(character);
    return QString();
}

void writeProcedure(LineSink& lines, const Procedure& procedure)
{
    lines.add(procedure.m_caption.utf8());
    lines.endLine();
    lines.add("#");
    lines.add(procedure.m_code.utf8());
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

QString encodeNewLines(const QString& text)
{
    return QString(text).replace(crLf, newLineMacro);
}

QString decodeNewLines(const QString& text)
{
    return QString(text).replace(newLineMacro, crLf);
}
