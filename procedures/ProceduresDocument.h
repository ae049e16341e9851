#pragma once

#include "common/DocumentText.h"
#include "common/LineFile.h"

#include <QList>
#include <QString>

#include <optional>

class LineSink;
class LineSource;
class TextMatch;

// A procedure of the panel: its caption, and its code in file form, line breaks as "%2".
class Procedure
{
public:
    Procedure() = default;
    Procedure(const QString& caption, const QString& code);

    QString caption() const { return m_caption.toString(); }
    QString code() const { return m_code.toString(); }
    // Whether the caption or the code holds the text.
    bool matches(const TextMatch& match) const;

    friend bool operator==(const Procedure&, const Procedure&) = default;

private:
    friend class ProcedureLineReader;
    friend void writeProcedure(LineSink& lines, const Procedure& procedure);

    DocumentText m_caption;
    DocumentText m_code;
};

// A section, known by its number (the file keeps nothing else of it), with its procedures.
struct ProcedureSection
{
    int number = 0;
    QList<Procedure> procedures;

    friend bool operator==(const ProcedureSection&, const ProcedureSection&) = default;
};

// Kept in lists of a million: moved as plain memory when a list grows.
Q_DECLARE_TYPEINFO(Procedure, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(ProcedureSection, Q_RELOCATABLE_TYPE);

struct ProceduresDocument
{
    QList<ProcedureSection> sections;

    friend bool operator==(const ProceduresDocument&, const ProceduresDocument&) = default;
};

using ProceduresRead = LineFileRead<ProceduresDocument>;

// "Misc", "Output", "Input" for 0 to 2, empty for the other numbers.
QString sectionCaption(int number);

// The first eight characters of a line that opens a section.
inline const QString sectionHeaderStart = QStringLiteral("SECTION_");

ProceduresRead readProcedures(LineSource& lines);
ProceduresRead readProcedures(QByteArrayView bytes, const QString& fileName);

// What a text in the file's own lines holds for pasting: procedures, each a caption line and
// its code line, without a section header; or why it cannot be pasted. A caption is held to
// what the file can hold, as one typed into the procedure's dialog.
struct ProceduresPaste
{
    QList<Procedure> procedures;
    QString refusal;
};
ProceduresPaste readProceduresPaste(QStringView text);
// A procedure as the file's lines, for the clipboard.
QString procedureText(const Procedure& procedure);
// Why the file cannot hold the procedure: a caption that it would read back as something else.
// Empty when it can.
QString refusalFor(const Procedure& procedure);

// Every procedure gets a code line, also when its code equals its caption.
void writeProcedure(LineSink& lines, const Procedure& procedure);
void writeSection(LineSink& lines, const ProcedureSection& section);
void writeProcedures(LineSink& lines, const ProceduresDocument& document);

// Between a code's window form (line breaks as CR LF) and its file form ("%2").
QString encodeNewLines(const QString& text);
QString decodeNewLines(const QString& text);
