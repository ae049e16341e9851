#include "toolbar/ToolbarFile.h"

#include "common/HostOptions.h"
#include "platform/StrUtils.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString fieldDelimiter = QStringLiteral(":");
const QString tagKind = QStringLiteral("1");

AppError badIndex(const QString& fileName, qsizetype lineIndex, const QString& field)
{
    return AppError(QStringLiteral("Line %1 of \"%2\": \"%3\" is not a valid image index (a whole "
                                   "number from -2147483648 to 2147483647). Reading stopped at "
                                   "this line.")
                        .arg(lineIndex + 1)
                        .arg(displayPath(fileName), field));
}

ToolbarNode nodeOf(const QString& text, int imageIndex)
{
    ToolbarNode node;
    node.text = text;
    node.imageIndex = imageIndex;
    return node;
}

// Tags are collected in file order and turned round at the end: each tag read goes in front of
// the ones before it.
ToolbarTree assemble(ToolbarTree leadingTags, ToolbarTree categories)
{
    std::reverse(leadingTags.begin(), leadingTags.end());
    ToolbarTree tree = std::move(leadingTags);
    tree.reserve(tree.size() + categories.size());
    for (ToolbarNode& category : categories) {
        std::reverse(category.children.begin(), category.children.end());
        tree.append(std::move(category));
    }
    return tree;
}

QString lineOf(QLatin1StringView kind, const ToolbarNode& node)
{
    const QString index = QString::number(node.imageIndex);
    QString line;
    line.reserve(kind.size() + index.size() + 1 + node.text.size());
    line.append(kind).append(index).append(QLatin1Char(':')).append(node.text);
    return line;
}

QTreeWidgetItem* itemOf(const ToolbarNode& node)
{
    return newToolbarItem(node.text, node.imageIndex);
}

ToolbarNode nodeOf(const QTreeWidgetItem& item)
{
    return nodeOf(item.text(0), imageIndexOf(item));
}

} // namespace

bool operator==(const ToolbarNode& a, const ToolbarNode& b)
{
    return a.text == b.text && a.imageIndex == b.imageIndex &&
           std::equal(a.children.begin(), a.children.end(), b.children.begin(), b.children.end());
}

QTreeWidgetItem* newToolbarItem(const QString& text, int imageIndex)
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, ImageIndexRole, imageIndex);
    return item;
}

void setToolbarItem(QTreeWidgetItem& item, const QString& text, int imageIndex)
{
    item.setText(0, text);
    item.setData(0, ImageIndexRole, imageIndex);
}

int imageIndexOf(const QTreeWidgetItem& item)
{
    return item.data(0, ImageIndexRole).toInt();
}

std::optional<int> toImageIndex(QStringView field)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == QLatin1Char('+') || field[i] == QLatin1Char('-')))
        negative = field[i++] == QLatin1Char('-');
    if (i == field.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < QLatin1Char('0') || field[i] > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (field[i].unicode() - '0');
        if (value > qint64(INT_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return std::nullopt;
    return int(value);
}

ToolbarParse parseToolbarLines(const QStringList& lines, const QString& fileName)
{
    ToolbarParse result;
    ToolbarTree categories;
    ToolbarTree leadingTags;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const QStringView caption = extractDelimitedView(3, line, fieldDelimiter);
        const QStringView indexField = extractDelimitedView(2, line, fieldDelimiter);
        const std::optional<int> imageIndex = toImageIndex(indexField);
        if (!imageIndex) {
            result.stoppedBy = badIndex(fileName, i, indexField.toString());
            break;
        }
        if (extractDelimitedView(1, line, fieldDelimiter) != tagKind) {
            categories.append(nodeOf(caption.toString(), *imageIndex));
            continue;
        }
        const QStringView tag = extractDelimitedView(4, line, fieldDelimiter);
        QString text;
        text.reserve(caption.size() + 1 + tag.size());
        text.append(caption).append(fieldDelimiter).append(tag);
        ToolbarTree& siblings = categories.isEmpty() ? leadingTags : categories.last().children;
        siblings.append(nodeOf(text, *imageIndex));
    }
    result.tree = assemble(std::move(leadingTags), std::move(categories));
    return result;
}

QStringList toolbarLines(const ToolbarTree& tree)
{
    QStringList lines;
    qsizetype count = tree.size();
    for (const ToolbarNode& category : tree)
        count += category.children.size();
    lines.reserve(count);
    for (const ToolbarNode& category : tree) {
        lines.append(lineOf(QLatin1StringView("2:"), category));
        for (auto tag = category.children.crbegin(); tag != category.children.crend(); ++tag)
            lines.append(lineOf(QLatin1StringView("1:"), *tag));
    }
    return lines;
}

void fillToolbarTree(QTreeWidget& tvItems, const ToolbarTree& tree)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(tree.size());
    for (const ToolbarNode& category : tree) {
        QTreeWidgetItem* item = itemOf(category);
        QList<QTreeWidgetItem*> children;
        children.reserve(category.children.size());
        for (const ToolbarNode& tag : category.children)
            children.append(itemOf(tag));
        item->addChildren(children);
        items.append(item);
    }
    tvItems.addTopLevelItems(items);
}

ToolbarTree readToolbarTree(const QTreeWidget& tvItems)
{
    ToolbarTree tree;
    tree.reserve(tvItems.topLevelItemCount());
    for (int i = 0; i < tvItems.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tvItems.topLevelItem(i);
        ToolbarNode category = nodeOf(*item);
        category.children.reserve(item->childCount());
        for (int j = 0; j < item->childCount(); ++j)
            category.children.append(nodeOf(*item->child(j)));
        tree.append(std::move(category));
    }
    return tree;
}

void LoadToolbar(QTreeWidget& tvItems, const HostOptions& options, ReadExtent& extent)
{
    tvItems.clear();
    const QString path = options.readString(Opt_HTMLToolbarCFG);
    const LineFileText file = readLineFile(path, extent);
    ToolbarParse parsed = parseToolbarLines(file.lines, path);
    fillToolbarTree(tvItems, parsed.tree);
    if (parsed.stoppedBy) {
        extent = ReadExtent::Partial;
        throw *parsed.stoppedBy;
    }
}

void SaveToolbar(const QTreeWidget& tvItems, const HostOptions& options)
{
    const QString path = options.readString(Opt_HTMLToolbarCFG);
    writeLineFile(path, toolbarLines(readToolbarTree(tvItems)));
}
