#include "toolbar/ToolbarModel.h"

ToolbarModel::ToolbarModel(QObject* parent) : TwoLevelModel(parent)
{
}

void ToolbarModel::setDocument(ToolbarDocument document)
{
    beginResetModel();
    m_document = std::move(document);
    endResetModel();
}

const ToolbarCategory& ToolbarModel::category(int row) const
{
    return m_document.categories.at(row);
}

const ToolbarTag& ToolbarModel::tag(TreePosition at) const
{
    return m_document.categories.at(at.top).tags.at(at.child);
}

void ToolbarModel::insertCategory(int row, ToolbarCategory category)
{
    insertTops(row, 1, [&] { m_document.categories.insert(row, std::move(category)); });
}

void ToolbarModel::setCategory(int row, const DocumentText& caption, int image)
{
    ToolbarCategory& changed = m_document.categories[row];
    changed.caption = caption;
    changed.image = image;
    TwoLevelModel::changed({row, -1});
}

void ToolbarModel::insertTag(TreePosition at, ToolbarTag tag)
{
    insertChild(at, [&] { m_document.categories[at.top].tags.insert(at.child, std::move(tag)); });
}

void ToolbarModel::setTag(TreePosition at, ToolbarTag tag)
{
    m_document.categories[at.top].tags[at.child] = std::move(tag);
    changed(at);
}

ToolbarCategory ToolbarModel::takeCategory(int row)
{
    ToolbarCategory taken;
    removeTop(row, [&] { taken = m_document.categories.takeAt(row); });
    return taken;
}

ToolbarTag ToolbarModel::takeTag(TreePosition at)
{
    ToolbarTag taken;
    removeChild(at, [&] { taken = m_document.categories[at.top].tags.takeAt(at.child); });
    return taken;
}

void ToolbarModel::moveNode(TreePosition from, TreePosition to)
{
    if (from == to)
        return;
    if (from.isTop()) {
        moveTop(from.top, to.top, [&] { m_document.categories.move(from.top, to.top); });
        return;
    }
    moveChild(from, to, [&] {
        QList<ToolbarTag>& source = m_document.categories[from.top].tags;
        if (from.top == to.top)
            source.move(from.child, to.child);
        else
            m_document.categories[to.top].tags.insert(to.child, source.takeAt(from.child));
    });
}

ToolbarNode ToolbarModel::node(TreePosition at) const
{
    if (at.isTop())
        return category(at.top);
    return tag(at);
}

void ToolbarModel::insertNode(TreePosition at, ToolbarNode node)
{
    if (at.isTop())
        insertCategory(at.top, std::get<ToolbarCategory>(std::move(node)));
    else
        insertTag(at, std::get<ToolbarTag>(std::move(node)));
}

ToolbarNode ToolbarModel::takeNode(TreePosition at)
{
    if (at.isTop())
        return takeCategory(at.top);
    return takeTag(at);
}

void ToolbarModel::setNode(TreePosition at, const ToolbarNode& node)
{
    if (at.isTop()) {
        const auto& category = std::get<ToolbarCategory>(node);
        setCategory(at.top, category.caption, category.image);
    } else {
        setTag(at, std::get<ToolbarTag>(node));
    }
}

QVariant ToolbarModel::data(const QModelIndex& index, int role) const
{
    const TreePosition at = positionOf(index);
    if (!contains(at))
        return {};
    if (role == ImageIndexRole)
        return at.isTop() ? category(at.top).image : tag(at).image;
    if (role != Qt::DisplayRole)
        return {};
    if (at.isTop())
        return category(at.top).caption.toString();
    const ToolbarTag& shown = tag(at);
    return shown.caption.toString() + QLatin1Char(':') + shown.tag.toString();
}

int ToolbarModel::topCount() const
{
    return int(m_document.categories.size());
}

int ToolbarModel::childCount(int top) const
{
    return int(m_document.categories.at(top).tags.size());
}
