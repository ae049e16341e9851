#include "toolbar/ToolbarDocument.h"

#include "common/DocumentText.h"
#include "common/LineFile.h"
#include "common/ListRoom.h"
#include "common/QuotedText.h"
#include "common/TextMatch.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

struct ToolbarDocumentMessages
{
    Q_DECLARE_TR_FUNCTIONS(ToolbarDocument)
};

constexpr char fieldDelimiter = ':';
const QByteArrayView tagKind = "1";

// Field n of a line, counted from 1: the text between the (n-1)-th and the n-th ":". Empty
// fields count, a field past the last one is empty, nothing is trimmed. ":" is ASCII, so the
// UTF-8 of a line is cut where its text would be.
QByteArrayView field(QByteArrayView line, int n)
{
    qsizetype start = 0;
    for (int passed = 1; passed < n; ++passed) {
        const qsizetype end = line.indexOf(fieldDelimiter, start);
        if (end < 0)
            return {};
        start = end + 1;
    }
    const qsizetype end = line.indexOf(fieldDelimiter, start);
    return line.sliced(start, (end < 0 ? line.size() : end) - start);
}

// What a line holds after its last field, from the ":" that ends that field; empty when nothing.
QByteArrayView afterField(QByteArrayView line, int last)
{
    qsizetype at = -1;
    for (int passed = 0; passed < last; ++passed) {
        at = line.indexOf(fieldDelimiter, at + 1);
        if (at < 0)
            return {};
    }
    return line.sliced(at);
}

AppError badIndex(const LineSource& lines, QByteArrayView field)
{
    return AppError(
        //: %3 is the field, quoted.
        ToolbarDocumentMessages::tr("Line %1 of %2: %3 is not a valid image index (a whole "
                                    "number from -2147483648 to 2147483647). Reading stopped at "
                                    "this line.")
            .arg(QString::number(lines.lineNumber()), lines.origin(), quotedText(utf8Text(field))));
}

DocumentText textOf(QByteArrayView utf8)
{
    return DocumentText::fromUtf8(utf8);
}

// A category's tags come from the file in the reverse of the order the toolbar shows them. They
// are gathered in a list kept for the whole read and handed to their category at its end, in
// one allocation of the right size: growing a list per category would leave a large file's
// document a third bigger than it needs to be. A very large category takes the gathering list
// itself, so that its tags are never held twice.
class TagGatherer
{
public:
    void add(ToolbarTag tag) { m_tags.append(std::move(tag)); }
    void handTo(QList<ToolbarCategory>& categories)
    {
        if (categories.isEmpty())
            return;
        QList<ToolbarTag>& tags = categories.last().tags();
        if (m_tags.size() > largeCategory) {
            std::reverse(m_tags.begin(), m_tags.end());
            giveBackRoom(m_tags);
            tags = std::exchange(m_tags, {});
            return;
        }
        tags.reserve(m_tags.size());
        for (auto tag = m_tags.rbegin(); tag != m_tags.rend(); ++tag)
            tags.append(std::move(*tag));
        m_tags.erase(m_tags.begin(), m_tags.end());
    }

private:
    static constexpr qsizetype largeCategory = 1 << 16;
    QList<ToolbarTag> m_tags;
};

} // namespace

std::optional<int> toImageIndex(QByteArrayView field)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    if (i == field.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9')
            return std::nullopt;
        value = value * 10 + (field[i] - '0');
        if (value > qint64(INT_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return std::nullopt;
    return int(value);
}

// The reader's access to the nodes' compact form.
class ToolbarLineReader
{
public:
    static ToolbarTag tag(QByteArrayView caption, QByteArrayView tag, int image)
    {
        ToolbarTag made;
        made.m_caption = textOf(caption);
        made.m_tag = textOf(tag);
        made.m_image = image;
        return made;
    }

    static ToolbarCategory category(QByteArrayView caption, int image)
    {
        ToolbarCategory made;
        made.m_caption = textOf(caption);
        made.m_image = image;
        return made;
    }

    // A tag line before any category keeps its whole text as a category's caption.
    static ToolbarCategory leadingTag(const ToolbarTag& tag)
    {
        QByteArray text;
        text.reserve(tag.m_caption.utf8().size() + 1 + tag.m_tag.utf8().size());
        text.append(tag.m_caption.utf8()).append(fieldDelimiter).append(tag.m_tag.utf8());
        ToolbarCategory loose = category(text, tag.m_image);
        loose.m_looseTag = true;
        return loose;
    }
};

ToolbarTag::ToolbarTag(const QString& caption, const QString& tag, int image)
    : m_caption(caption), m_tag(tag), m_image(image)
{
}

QString ToolbarTag::text() const
{
    return caption() + QLatin1Char(fieldDelimiter) + tag();
}

bool ToolbarTag::matches(const TextMatch& match) const
{
    return match.in(m_caption.utf8()) || match.in(m_tag.utf8());
}

bool ToolbarCategory::matches(const TextMatch& match) const
{
    return match.in(m_caption.utf8());
}

ToolbarCategory::ToolbarCategory(const QString& caption, int image, QList<ToolbarTag> tags)
    : m_caption(caption), m_image(image), m_tags(std::move(tags))
{
}

ToolbarCategory ToolbarCategory::withCaptionAndImage(const QString& caption, int image) const
{
    return ToolbarCategory(caption, image, m_tags);
}

namespace {

// The lines as they stand: the tag lines before the first category apart, in file order.
struct ToolbarLines
{
    QList<ToolbarTag> leadingTags;
    QList<ToolbarCategory> categories;
    std::optional<AppError> stoppedBy;
    DroppedTexts dropped;
};

ToolbarLines readToolbarLines(LineSource& lines)
{
    ToolbarLines result;
    TagGatherer tags;
    QByteArrayView line;
    while (lines.next(line)) {
        const QByteArrayView indexField = field(line, 2);
        const std::optional<int> image = toImageIndex(indexField);
        if (!image) {
            result.stoppedBy = badIndex(lines, indexField);
            break;
        }
        const QByteArrayView caption = field(line, 3);
        const bool isTag = field(line, 1) == tagKind;
        if (const QByteArrayView rest = afterField(line, isTag ? 4 : 3); !rest.isEmpty())
            result.dropped.add(lines.lineNumber(), rest);
        if (!isTag) {
            tags.handTo(result.categories);
            result.categories.append(ToolbarLineReader::category(caption, *image));
            continue;
        }
        ToolbarTag tag = ToolbarLineReader::tag(caption, field(line, 4), *image);
        if (result.categories.isEmpty())
            result.leadingTags.append(std::move(tag));
        else
            tags.add(std::move(tag));
    }
    tags.handTo(result.categories);
    giveBackRoom(result.categories);
    return result;
}

} // namespace

// Tag lines before the first category become categories at the top, each in front of the ones
// before it, their captions holding the tag's caption, ":" and its template.
ToolbarRead readToolbar(LineSource& lines)
{
    ToolbarLines read = readToolbarLines(lines);
    ToolbarRead result{{}, !read.stoppedBy, read.stoppedBy, 0, std::move(read.dropped)};
    QList<ToolbarCategory>& categories = result.document.categories;
    categories.reserve(read.leadingTags.size() + read.categories.size());
    for (auto tag = read.leadingTags.crbegin(); tag != read.leadingTags.crend(); ++tag)
        categories.append(ToolbarLineReader::leadingTag(*tag));
    categories.append(std::move(read.categories));
    return result;
}

ToolbarRead readToolbar(QByteArrayView bytes, const QString& fileName)
{
    return readLineFileBytes(bytes, fileName, &readToolbar);
}

namespace {

QString unwritable(const QString& text)
{
    const QString character = unwritableCharacter(text);
    //: %1 is "the character "Ω" (U+03A9), which the code page Windows-1252 cannot hold".
    return character.isEmpty() ? QString()
                               : ToolbarDocumentMessages::tr("The toolbar file cannot hold %1.")
                                     .arg(character);
}

} // namespace

QString refusalFor(const ToolbarTag& tag)
{
    const QChar colon = QLatin1Char(fieldDelimiter);
    if (tag.tag().contains(colon) || tag.caption().contains(colon))
        return ToolbarDocumentMessages::tr("Invalid char \":\" in tag or caption");
    return unwritable(tag.text());
}

QString refusalFor(const ToolbarCategory& category)
{
    if (category.caption().contains(QLatin1Char(fieldDelimiter)))
        return ToolbarDocumentMessages::tr("Invalid char \":\" in caption");
    return unwritable(category.caption());
}

namespace {

// The line as the file would hold what it reads as: a field cut at a ":", a field missing or
// one too many, a kind other than 1 and 2 or an index written otherwise would change it. Made in
// a buffer that each line reuses: a paste may hold millions of lines. False when the line has no
// index to write.
bool writeAgain(QByteArrayView line, QByteArray& again)
{
    const std::optional<int> image = toImageIndex(field(line, 2));
    if (!image)
        return false;
    const bool tag = field(line, 1) == tagKind;
    again.resize(0);
    again.append(tag ? "1:" : "2:").append(QByteArray::number(*image)).append(':');
    again.append(field(line, 3));
    if (tag)
        again.append(':').append(field(line, 4));
    return true;
}

// Why a pasted line cannot go into the toolbar as it stands: the file would not hold it whole.
QString pasteRefusal(QStringView text)
{
    TextLines lines(text);
    QByteArrayView line;
    QByteArray again;
    while (lines.next(line)) {
        // Every ASCII character is one the code page holds.
        if (!CodePage::isAscii(line)) {
            if (const QString character = unwritableCharacter(utf8Text(line)); !character.isEmpty())
                //: %2 is "the character "Ω" (U+03A9), which the code page ... cannot hold".
                return ToolbarDocumentMessages::tr("Line %1 of the clipboard holds %2. Nothing "
                                                   "was pasted.")
                    .arg(QString::number(lines.lineNumber()), character);
        }
        if (writeAgain(line, again) && again != line)
            //: %2 and %3 are lines, quoted.
            return ToolbarDocumentMessages::tr("Line %1 of the clipboard cannot be pasted as it "
                                               "stands: the toolbar file would hold %2 as %3. "
                                               "Nothing was pasted.")
                .arg(QString::number(lines.lineNumber()), quotedText(utf8Text(line)),
                     quotedText(utf8Text(again)));
    }
    return {};
}

} // namespace

// Tag lines stand in the reverse of the order the toolbar shows them, alone as in a category.
ToolbarPaste readToolbarPaste(QStringView text)
{
    TextLines lines(text);
    ToolbarPaste paste;
    paste.refusal = lines.refusal();
    if (!paste.refusal.isEmpty())
        return paste;
    ToolbarLines read = readToolbarLines(lines);
    if (read.stoppedBy)
        paste.refusal = read.stoppedBy->message();
    else if (const QString refusal = pasteRefusal(text); !refusal.isEmpty())
        paste.refusal = refusal;
    else if (!read.leadingTags.isEmpty() && !read.categories.isEmpty())
        paste.refusal =
            ToolbarDocumentMessages::tr("The clipboard holds tags and categories together: copy "
                                        "tags alone, or categories with their tags.");
    else if (read.leadingTags.isEmpty() && read.categories.isEmpty())
        paste.refusal = ToolbarDocumentMessages::tr("The clipboard holds no tags or categories.");
    std::reverse(read.leadingTags.begin(), read.leadingTags.end());
    paste.tags = std::move(read.leadingTags);
    paste.categories = std::move(read.categories);
    return paste;
}

bool startsWithTag(QStringView text)
{
    return text.startsWith(QLatin1String("1:")) || text == QLatin1String("1");
}

QString toolbarNodeText(const ToolbarNode& node)
{
    TextLineWriter lines;
    if (const auto* category = std::get_if<ToolbarCategory>(&node))
        writeCategory(lines, *category);
    else
        writeTag(lines, std::get<ToolbarTag>(node));
    return lines.text();
}

void writeTag(LineSink& lines, const ToolbarTag& tag)
{
    lines.add("1:");
    lines.add(tag.m_image);
    lines.add(":");
    lines.add(tag.m_caption.utf8());
    lines.add(":");
    lines.add(tag.m_tag.utf8());
    lines.endLine();
}

void writeCategory(LineSink& lines, const ToolbarCategory& category)
{
    lines.add(category.isLooseTag() ? "1:" : "2:");
    lines.add(category.m_image);
    lines.add(":");
    lines.add(category.m_caption.utf8());
    lines.endLine();
    for (auto tag = category.m_tags.crbegin(); tag != category.m_tags.crend(); ++tag)
        writeTag(lines, *tag);
}

// Loose tags go back before the first category, in the file's order: the toolbar shows them the
// other way round.
void writeToolbar(LineSink& lines, const ToolbarDocument& document)
{
    const QList<ToolbarCategory>& categories = document.categories;
    for (auto category = categories.crbegin(); category != categories.crend(); ++category) {
        if (category->isLooseTag())
            writeCategory(lines, *category);
    }
    for (const ToolbarCategory& category : categories) {
        if (!category.isLooseTag())
            writeCategory(lines, category);
    }
}
