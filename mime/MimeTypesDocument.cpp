#include "mime/MimeTypesDocument.h"

#include "common/LineFile.h"
#include "common/ListRoom.h"
#include "common/QuotedText.h"
#include "common/TextMatch.h"
#include "platform/CodePage.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct MimeTypesDocumentMessages
{
    Q_DECLARE_TR_FUNCTIONS(MimeTypesDocument)
};

} // namespace

// UTF-8 keeps every byte of a character outside ASCII above 0x7F, so only real a to z change.
QByteArray upperCaseAscii(QByteArrayView utf8)
{
    QByteArray upper = utf8.toByteArray();
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return upper;
}

namespace {

bool hasSmallLetter(QByteArrayView utf8)
{
    return std::any_of(utf8.begin(), utf8.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

MimeType::MimeType(const QString& type, const QString& suffix)
    : MimeType(DocumentText(type), DocumentText(suffix))
{
}

MimeType::MimeType(DocumentText type, DocumentText suffix)
{
    auto* texts = new Texts;
    texts->type = std::move(type);
    texts->suffix = std::move(suffix);
    m_texts.reset(texts);
}

namespace {

const DocumentText noText;

} // namespace

const DocumentText& MimeType::typeText() const
{
    return m_texts ? m_texts->type : noText;
}

const DocumentText& MimeType::suffixText() const
{
    return m_texts ? m_texts->suffix : noText;
}

bool MimeType::matches(const TextMatch& match) const
{
    return match.in(typeText().utf8()) || match.in(suffixText().utf8());
}

// Copied only when it holds a small letter: most types are already in capitals.
QByteArray MimeType::writtenType() const
{
    const DocumentText& type = typeText();
    return hasSmallLetter(type.utf8()) ? upperCaseAscii(type.utf8()) : type.toUtf8();
}

// The reader's access to an entry's compact form.
class MimeTypeLineReader
{
public:
    static MimeType row(DocumentText type, QByteArrayView suffix)
    {
        return MimeType(std::move(type), DocumentText::fromUtf8(suffix));
    }
};

// A line is copied before the next is asked for: each is valid only until then.
MimeTypesRead readMimeTypes(LineSource& lines)
{
    MimeTypesRead result;
    QByteArrayView line;
    while (lines.next(line)) {
        DocumentText type = DocumentText::fromUtf8(line);
        if (!lines.next(line)) {
            // Written back, the file would lose the line: it counts as read in part.
            result.stoppedBy = AppError(
                //: %2 is a quoted path or "the clipboard", %3 the line, quoted.
                MimeTypesDocumentMessages::tr("Line %1 of %2: %3 is a MIME type without the line "
                                              "of its suffix after it. Reading stopped at this "
                                              "line.")
                    .arg(QString::number(lines.lineNumber()), lines.origin(),
                         quotedText(type.toString())));
            result.whole = false;
            break;
        }
        result.document.rows.append(MimeTypeLineReader::row(std::move(type), line));
    }
    giveBackRoom(result.document.rows);
    return result;
}

MimeTypesRead readMimeTypes(QByteArrayView bytes)
{
    return readLineFileBytes(bytes, QString(), &readMimeTypes);
}

QString refusalFor(const MimeType& type)
{
    const QString character = unwritableCharacter(type.type() + type.suffix());
    //: %1 is "the character "Ω" (U+03A9), which the code page Windows-1252 cannot hold".
    return character.isEmpty()
               ? QString()
               : MimeTypesDocumentMessages::tr("The MIME types file cannot hold %1.")
                     .arg(character);
}

MimeTypesPaste readMimeTypesPaste(QStringView text)
{
    TextLines lines(text);
    if (QString refusal = lines.refusal(); !refusal.isEmpty())
        return {{}, std::move(refusal)};
    MimeTypesRead read = readMimeTypes(lines);
    MimeTypesPaste paste{std::move(read.document.rows), {}};
    if (read.stoppedBy)
        paste.refusal = read.stoppedBy->message();
    else if (paste.types.isEmpty())
        paste.refusal = MimeTypesDocumentMessages::tr(
            "The clipboard holds no MIME types: a type and its suffix are two lines.");
    // An ASCII text holds no character that the code page cannot hold.
    if (CodePage::isAscii(text))
        return paste;
    for (const MimeType& type : paste.types) {
        if (!paste.refusal.isEmpty())
            break;
        paste.refusal = refusalFor(type);
    }
    return paste;
}

QString mimeTypeText(const MimeType& type)
{
    TextLineWriter lines;
    writeMimeType(lines, type);
    return lines.text();
}

void writeMimeType(LineSink& lines, const MimeType& type)
{
    // Copied only when it holds a small letter: most types are already in capitals.
    const QByteArrayView utf8 = type.typeText().utf8();
    if (hasSmallLetter(utf8))
        lines.add(upperCaseAscii(utf8));
    else
        lines.add(utf8);
    lines.endLine();
    lines.add(type.suffixText().utf8());
    lines.endLine();
}

void writeMimeTypes(LineSink& lines, const MimeTypesDocument& document)
{
    for (const MimeType& type : document.rows)
        writeMimeType(lines, type);
}
