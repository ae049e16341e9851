#include "common/LineFile.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString describe(const QString& character)
{
    const char32_t code = character.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    if (code < 0x20)
        return QStringLiteral("the control character U+%1").arg(hex);
    return QStringLiteral("the character \"%1\" (U+%2)").arg(character, hex);
}

[[noreturn]] void refuseLine(const QString& fileName, qsizetype index, const QString& why)
{
    throw AppError(QStringLiteral("Cannot write \"%1\": line %2 holds %3. Nothing was written.")
                       .arg(displayPath(fileName))
                       .arg(index + 1)
                       .arg(why));
}

void checkLineBreaks(const QString& line, const QString& fileName, qsizetype index)
{
    for (const QChar c : line) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isNull())
            refuseLine(fileName, index,
                       describe(QString(c)) + QStringLiteral(", which would break the line"));
    }
}

} // namespace

LineFileText splitLineFile(QByteArrayView bytes)
{
    LineFileText result;
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes = bytes.first(nul);
        result.whole = false;
    }
    result.lines = splitLines(CodePage::decode(bytes));
    return result;
}

QByteArray joinLineFile(const QStringList& lines, const QString& fileName)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    CodePage::Encoder encoder;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        checkLineBreaks(lines[i], fileName, i);
        if (!encoder.append(lines[i], bytes))
            refuseLine(
                fileName, i,
                describe(CodePage::firstUnencodable(lines[i])) +
                    QStringLiteral(", which the code page %1 cannot hold").arg(CodePage::name()));
        bytes += "\r\n";
    }
    return bytes;
}

LineFileText readLineFile(const QString& path)
{
    return splitLineFile(WholeFile::read(path));
}

LineFileText readLineFile(const QString& path, ReadExtent& extent)
{
    extent = QFileInfo::exists(path) ? ReadExtent::Partial : ReadExtent::NoFile;
    LineFileText text = readLineFile(path);
    extent = text.whole ? ReadExtent::Whole : ReadExtent::Partial;
    return text;
}

void writeLineFile(const QString& path, const QStringList& lines)
{
    WholeFile::write(path, joinLineFile(lines, path));
}
