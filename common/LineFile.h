#pragma once

#include "common/DocumentText.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The text form of the host's files: 8-bit text in the code page, read as lines ending at
// CR LF, a lone CR or a lone LF, written with CR LF after every line.
//
// Documents read and write it one line at a time, in UTF-8, so that a large file is never held
// as a list of lines beside the document made from it.

// Lines to read, each handed out in UTF-8.
class LineSource
{
public:
    virtual ~LineSource() = default;
    // The next line, valid until the next call; false after the last one.
    virtual bool next(QByteArrayView& line) = 0;
    // The number of the line last handed out, counted from 1.
    qsizetype lineNumber() const { return m_lineNumber; }
    // Where the lines come from, as messages name it: "\"/home/ann/toolbar.cfg\"".
    const QString& origin() const { return m_origin; }

protected:
    qsizetype m_lineNumber = 0;
    QString m_origin;
};

// The lines of a line file: of its bytes in memory, or of the file itself, read piece by piece.
// Reading stops at a NUL: what follows was not read.
class FileLines : public LineSource
{
public:
    explicit FileLines(QByteArrayView bytes, const QString& fileName = QString());
    explicit FileLines(WholeFile::Reader& file);
    bool next(QByteArrayView& line) override;
    // False once the lines stopped at a NUL.
    bool whole() const { return m_whole; }

private:
    bool readPiece();
    void takePiece(QByteArrayView piece);

    WholeFile::Reader* m_file = nullptr;
    QByteArray m_buffer;
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_allIn = true;
    bool m_whole = true;
    CodePage::Decoder m_decoder;
    QByteArray m_converted;
};

// The lines of a text, as the clipboard holds it: breaks as in a line file.
class TextLines : public LineSource
{
public:
    explicit TextLines(QStringView text, const QString& origin = clipboardOrigin());
    static QString clipboardOrigin();
    bool next(QByteArrayView& line) override;
    // Why the text cannot be taken at all: a NUL, which no line of a file holds and no field
    // takes. Empty when it can.
    QString refusal() const;

private:
    QByteArray m_utf8;
    qsizetype m_at = 0;
};

// Lines to write, each made of pieces in UTF-8. A piece that holds a line break or a NUL would
// change the lines, so it is refused.
class LineSink
{
public:
    virtual ~LineSink() = default;
    virtual void add(QByteArrayView utf8) = 0;
    virtual void endLine() = 0;
    void add(int number);

protected:
    // The first character of the piece that would break a line, if any.
    static std::optional<char> lineBreakIn(QByteArrayView utf8);
    qsizetype m_lineNumber = 1;
};

// A line file's bytes in the code page, CR LF after every line: kept in memory, or written to a
// file piece by piece. Throws, naming the file and the line, when a piece holds a character
// that the code page cannot hold or that breaks the line.
class FileLineWriter : public LineSink
{
public:
    explicit FileLineWriter(QString fileName);
    FileLineWriter(QString fileName, QIODevice& file);
    void add(QByteArrayView utf8) override;
    using LineSink::add;
    void endLine() override;
    QByteArray take();
    // Writes what is left to the file.
    void finish();

private:
    void append(QByteArrayView bytes);
    [[noreturn]] void refuse(const QString& what) const;

    QString m_fileName;
    QIODevice* m_file = nullptr;
    // The first m_size bytes hold the lines; the rest is room made ahead.
    QByteArray m_bytes;
    qsizetype m_size = 0;
};

// Lines as a text for the clipboard, each ended by LF.
class TextLineWriter : public LineSink
{
public:
    void add(QByteArrayView utf8) override;
    using LineSink::add;
    void endLine() override;
    QString text() const { return utf8Text(m_utf8); }

private:
    QByteArray m_utf8;
};

// Text of the lines read that the file's own rules leave out (text after a line's last field):
// the host reads those lines without it too, and a write of the document does not hold it. The
// first of them are kept for showing, all are counted.
struct DroppedText
{
    qsizetype line;
    QString text;
};

class DroppedTexts
{
public:
    void add(qsizetype line, QByteArrayView utf8)
    {
        if (m_first.size() < shownAtMost)
            m_first.append({line, utf8Text(utf8)});
        ++m_count;
    }
    qsizetype count() const { return m_count; }
    const QList<DroppedText>& first() const { return m_first; }

    static constexpr qsizetype shownAtMost = 100;

private:
    QList<DroppedText> m_first;
    qsizetype m_count = 0;
};

// A line of DroppedTexts for a person: "Line 4: ":comment" is not kept."
QString describeDroppedText(const DroppedText& dropped);

// What a reader made of a line file: the document, and how much of the file it holds.
template <class Document> struct LineFileRead
{
    Document document;
    // False when the document does not hold every line: a line stopped the reader, or the
    // file's bytes stopped at a NUL.
    bool whole = true;
    // The line that stopped the reader, saying why; the lines before it are in the document.
    std::optional<AppError> stoppedBy;
    // The number of lines that the reader was handed, the line that stopped it included. Set
    // by what runs the reader over a file's lines.
    qsizetype linesRead = 0;
    DroppedTexts dropped;
};

// A reader of lines run over a line file's lines: what it read counts as whole only when no line
// stopped the reader and no NUL cut the file short.
template <class Document>
LineFileRead<Document> readLineFile(FileLines& lines, LineFileRead<Document> (*reader)(LineSource&))
{
    LineFileRead<Document> read = reader(lines);
    read.whole = read.whole && lines.whole();
    read.linesRead = lines.lineNumber();
    return read;
}

template <class Document>
LineFileRead<Document> readLineFileBytes(QByteArrayView bytes, const QString& fileName,
                                         LineFileRead<Document> (*reader)(LineSource&))
{
    FileLines lines(bytes, fileName);
    return readLineFile(lines, reader);
}

// The lines of bytes as a line file's lines are cut (at CR LF, a lone CR or a lone LF), without
// decoding them: for a file of text that is none of the host's line files, its settings.
QList<QByteArrayView> linesOf(QByteArrayView bytes);

// The first character of text that the code page cannot hold, described for a message ("the
// character "Ω" (U+03A9), which the code page Windows-1252 cannot hold"); empty when it can hold
// every one.
QString unwritableCharacter(QStringView text);

// The bytes of the lines, each followed by CR LF. Throws as FileLineWriter does.
QByteArray joinLineFile(const QStringList& lines, const QString& fileName);
