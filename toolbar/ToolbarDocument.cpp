#include "toolbar/ToolbarDocument.h"

#include "common/LineFile.h"
#include "platform/StrUtils.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr char fieldDelimiter = ':';
const QByteArrayView tagKind = "1";

AppError badIndex(const QString& fileName, qsizetype lineNumber, QByteArrayView field)
{
    return AppError(QStringLiteral("Line %1 of \"%2\": \"%3\" is not a valid image index (a whole "
                                   "number from -2147483648 to 2147483647). Reading stopped at "
                                   "this line.")
                        .arg(lineNumber)
                        .arg(displayPath(fileName), QString::fromUtf8(field)));
}

DocumentText textOf(QByteArrayView utf8)
{
    return DocumentText::fromUtf8(utf8);
}

// A tag line before any category keeps its whole text as a category's caption.
DocumentText leadingTagCaption(QByteArrayView caption, QByteArrayView tag)
{
    QByteArray text;
    text.reserve(caption.size() + 1 + tag.size());
    text.append(caption).append(fieldDelimiter).append(tag);
    return textOf(text);
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
        QList<ToolbarTag>& tags = categories.last().tags;
        if (m_tags.size() > largeCategory) {
            std::reverse(m_tags.begin(), m_tags.end());
            m_tags.squeeze();
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

// Tag lines before the first category show at the top, each in front of the ones before it.
ToolbarRead readToolbar(LineSource& lines, const QString& fileName)
{
    ToolbarRead result;
    QList<ToolbarCategory>& categories = result.document.categories;
    QList<ToolbarCategory> leading;
    TagGatherer tags;
    QByteArrayView line;
    while (lines.next(line)) {
        const QByteArrayView indexField = extractDelimited(2, line, fieldDelimiter);
        const std::optional<int> image = toImageIndex(indexField);
        if (!image) {
            result.stoppedBy = badIndex(fileName, lines.lineNumber(), indexField);
            result.whole = false;
            break;
        }
        const QByteArrayView caption = extractDelimited(3, line, fieldDelimiter);
        if (extractDelimited(1, line, fieldDelimiter) != tagKind) {
            tags.handTo(categories);
            categories.append(ToolbarCategory{textOf(caption), *image, {}});
            continue;
        }
        const QByteArrayView tag = extractDelimited(4, line, fieldDelimiter);
        if (categories.isEmpty())
            leading.append(ToolbarCategory{leadingTagCaption(caption, tag), *image, {}});
        else
            tags.add(ToolbarTag{textOf(caption), textOf(tag), *image});
    }
    tags.handTo(categories);
    if (!leading.isEmpty()) {
        std::reverse(leading.begin(), leading.end());
        leading.append(std::move(categories));
        categories = std::move(leading);
    }
    categories.squeeze();
    return result;
}

ToolbarRead readToolbar(QByteArrayView bytes, const QString& fileName)
{
    return readLineFileBytes<ToolbarRead>(
        bytes, [&](LineSource& lines) { return readToolbar(lines, fileName); });
}

void writeTag(LineSink& lines, const ToolbarTag& tag)
{
    lines.add("1:");
    lines.add(tag.image);
    lines.add(":");
    lines.add(tag.caption.utf8());
    lines.add(":");
    lines.add(tag.tag.utf8());
    lines.endLine();
}

void writeCategory(LineSink& lines, const ToolbarCategory& category)
{
    lines.add("2:");
    lines.add(category.image);
    lines.add(":");
    lines.add(category.caption.utf8());
    lines.endLine();
    for (auto tag = category.tags.crbegin(); tag != category.tags.crend(); ++tag)
        writeTag(lines, *tag);
}

void writeToolbar(LineSink& lines, const ToolbarDocument& document)
{
    for (const ToolbarCategory& category : document.categories)
        writeCategory(lines, category);
}

QByteArray writeToolbar(const ToolbarDocument& document, const QString& fileName)
{
    return lineFileBytes(fileName, [&](LineSink& lines) { writeToolbar(lines, document); });
}
