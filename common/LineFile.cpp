#include "common/LineFile.h"

#include "common/DocumentText.h"
#include "common/QuotedText.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace {

struct LineFileMessages
{
    Q_DECLARE_TR_FUNCTIONS(LineFile)
};

// The end of the line that starts at `from`, and where the next one starts.
struct LineEnd
{
    qsizetype end;
    qsizetype next;
};

template <class Char> LineEnd lineEndIn(const Char* data, qsizetype size, qsizetype from)
{
    qsizetype i = from;
    while (i < size && data[i] != '\r' && data[i] != '\n')
        ++i;
    if (i == size)
        return {i, i};
    const bool crLf = data[i] == '\r' && i + 1 < size && data[i + 1] == '\n';
    return {i, i + (crLf ? 2 : 1)};
}

QString describe(const QString& character)
{
    const char32_t code = character.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    //: What a line holds, %2 in "Line %1 holds %2." and %3 in "Cannot write ...: line %2 holds
    //: %3.".
    if (code < 0x20)
        return LineFileMessages::tr("the control character U+%1").arg(hex);
    return LineFileMessages::tr("the character \"%1\" (U+%2)").arg(character, hex);
}

QString breakingCharacter(char c)
{
    //: %1 is "the control character U+000A" or the like.
    return LineFileMessages::tr("%1, which would break the line")
        .arg(describe(QString(QLatin1Char(c))));
}

} // namespace

namespace {

QString fileOrigin(const QString& fileName)
{
    return QLatin1Char('"') + displayPath(fileName) + QLatin1Char('"');
}

} // namespace

FileLines::FileLines(QByteArrayView bytes, const QString& fileName)
{
    m_origin = fileOrigin(fileName);
    takePiece(bytes);
}

FileLines::FileLines(WholeFile::Reader& file) : m_file(&file), m_allIn(false)
{
    m_origin = fileOrigin(file.path());
}

// A line ends at CR, LF or CR LF; a CR that ends what is in so far may be the first half of a
// CR LF, so more is read before the line is handed out.
bool FileLines::next(QByteArrayView& line)
{
    for (;;) {
        const LineEnd end = lineEndIn(m_bytes.data(), m_bytes.size(), m_at);
        const bool complete = end.end < m_bytes.size() &&
                              (m_allIn || end.next < m_bytes.size() || m_bytes[end.end] == '\n');
        if (!complete && !m_allIn && readPiece())
            continue;
        if (m_at >= m_bytes.size())
            return false;
        const QByteArrayView bytes = m_bytes.sliced(m_at, end.end - m_at);
        m_at = end.next;
        ++m_lineNumber;
        if (CodePage::isAscii(bytes)) {
            line = bytes;
        } else {
            m_converted = m_decoder.decode(bytes).toUtf8();
            line = m_converted;
        }
        return true;
    }
}

// What is left of the buffer moves to its front, and the next piece of the file goes after it.
bool FileLines::readPiece()
{
    const std::optional<QByteArrayView> piece = m_file->next();
    m_buffer.remove(0, m_at);
    m_at = 0;
    if (!piece) {
        m_allIn = true;
        m_bytes = m_buffer;
        return false;
    }
    m_allIn = piece->size() < WholeFile::pieceSize;
    takePiece(*piece);
    return true;
}

void FileLines::takePiece(QByteArrayView piece)
{
    const qsizetype nul = piece.indexOf('\0');
    if (nul >= 0) {
        piece = piece.first(nul);
        m_whole = false;
        m_allIn = true;
    }
    if (m_file) {
        m_buffer.append(piece);
        m_bytes = m_buffer;
    } else {
        m_bytes = piece;
    }
}

TextLines::TextLines(QStringView text, const QString& origin) : m_utf8(text.toUtf8())
{
    m_origin = origin;
}

QString TextLines::clipboardOrigin()
{
    //: Stands for %2 in "Line %1 of %2: ...".
    return LineFileMessages::tr("the clipboard");
}

bool TextLines::next(QByteArrayView& line)
{
    if (m_at >= m_utf8.size())
        return false;
    const LineEnd end = lineEndIn(m_utf8.constData(), m_utf8.size(), m_at);
    line = QByteArrayView(m_utf8).sliced(m_at, end.end - m_at);
    m_at = end.next;
    ++m_lineNumber;
    return true;
}

QString TextLines::refusal() const
{
    const qsizetype nul = m_utf8.indexOf('\0');
    if (nul < 0)
        return {};
    int line = 1;
    for (qsizetype at = 0;; ++line) {
        const LineEnd end = lineEndIn(m_utf8.constData(), m_utf8.size(), at);
        if (end.end >= nul)
            break;
        at = end.next;
    }
    return LineFileMessages::tr("Line %1 holds %2.")
        .arg(QString::number(line), breakingCharacter('\0'));
}

void LineSink::add(int number)
{
    // Formatted on the stack: a number stands on every line of a toolbar file.
    char digits[12];
    char* end = digits + sizeof digits;
    char* at = end;
    qint64 value = number;
    const bool negative = value < 0;
    value = negative ? -value : value;
    do {
        *--at = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (negative)
        *--at = '-';
    add(QByteArrayView(at, end - at));
}

std::optional<char> LineSink::lineBreakIn(QByteArrayView utf8)
{
    for (const char c : utf8) {
        if (c == '\r' || c == '\n' || c == '\0')
            return c;
    }
    return std::nullopt;
}

FileLineWriter::FileLineWriter(QString fileName) : m_fileName(std::move(fileName))
{
}

FileLineWriter::FileLineWriter(QString fileName, QIODevice& file)
    : m_fileName(std::move(fileName)), m_file(&file)
{
    m_bytes.resize(WholeFile::pieceSize + 4096);
}

// A file of a million lines is written piece by piece: a plain piece is checked, then copied at
// once.
void FileLineWriter::add(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return;
    if (CodePage::isPlainAscii(utf8)) {
        append(utf8);
        return;
    }
    if (const std::optional<char> breaking = lineBreakIn(utf8))
        refuse(breakingCharacter(*breaking));
    const QString text = utf8Text(utf8);
    const std::optional<QByteArray> encoded = CodePage::encode(text);
    if (!encoded)
        refuse(unwritableCharacter(text));
    append(*encoded);
}

void FileLineWriter::endLine()
{
    append("\r\n");
    ++m_lineNumber;
    if (m_file && m_size >= WholeFile::pieceSize)
        finish();
}

QByteArray FileLineWriter::take()
{
    m_bytes.truncate(m_size);
    m_size = 0;
    return std::move(m_bytes);
}

void FileLineWriter::finish()
{
    if (!m_file)
        return;
    WholeFile::writeAll(*m_file, QByteArrayView(m_bytes.constData(), m_size), m_fileName);
    m_size = 0;
}

// Six pieces or so make a line: the bytes go into room made ahead rather than through a resize
// of the array for each.
void FileLineWriter::append(QByteArrayView bytes)
{
    if (m_size + bytes.size() > m_bytes.size())
        m_bytes.resize(std::max(2 * m_bytes.size(), m_size + bytes.size()));
    std::memcpy(m_bytes.data() + m_size, bytes.data(), size_t(bytes.size()));
    m_size += bytes.size();
}

void FileLineWriter::refuse(const QString& what) const
{
    throw AppError(
        LineFileMessages::tr("Cannot write \"%1\": line %2 holds %3. Nothing was written.")
            .arg(displayPath(m_fileName), QString::number(m_lineNumber), what));
}

void TextLineWriter::add(QByteArrayView utf8)
{
    if (const std::optional<char> breaking = lineBreakIn(utf8))
        throw AppError(LineFileMessages::tr("Line %1 holds %2.")
                           .arg(QString::number(m_lineNumber), breakingCharacter(*breaking)));
    m_utf8.append(utf8);
}

void TextLineWriter::endLine()
{
    m_utf8.append('\n');
    ++m_lineNumber;
}

QByteArray joinLineFile(const QStringList& lines, const QString& fileName)
{
    FileLineWriter writer(fileName);
    for (const QString& line : lines) {
        writer.add(line.toUtf8());
        writer.endLine();
    }
    return writer.take();
}

QList<QByteArrayView> linesOf(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    for (qsizetype at = 0; at < bytes.size();) {
        const LineEnd end = lineEndIn(bytes.data(), bytes.size(), at);
        lines.append(bytes.sliced(at, end.end - at));
        at = end.next;
    }
    return lines;
}

QString describeDroppedText(const DroppedText& dropped)
{
    //: %2 is a piece of a line, quoted: what a write of the file leaves out.
    return LineFileMessages::tr("Line %1: %2 is not kept.")
        .arg(QString::number(dropped.line), quotedText(dropped.text));
}

QString unwritableCharacter(QStringView text)
{
    const QString character = CodePage::firstUnencodable(text);
    if (character.isEmpty())
        return {};
    //: %1 is "the character "Ω" (U+03A9)", %2 the code page's name.
    return LineFileMessages::tr("%1, which the code page %2 cannot hold")
        .arg(describe(character), CodePage::name());
}
