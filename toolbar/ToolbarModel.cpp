#include "toolbar/ToolbarModel.h"

namespace {

// The nodes of one kind out of a list of nodes, or into one.
template <class Kind> QList<Kind> only(QList<ToolbarNode>&& nodes)
{
    QList<Kind> kind;
    kind.reserve(nodes.size());
    for (ToolbarNode& node : nodes)
        kind.append(std::get<Kind>(std::move(node)));
    return kind;
}

template <class Kind> QList<ToolbarNode> asNodes(QList<Kind>&& kind)
{
    QList<ToolbarNode> nodes;
    nodes.reserve(kind.size());
    for (Kind& one : kind)
        nodes.append(std::move(one));
    return nodes;
}

} // namespace

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
    return m_document.categories.at(at.top).tags().at(at.child);
}

ToolbarNode ToolbarModel::node(TreePosition at) const
{
    if (at.isTop())
        return category(at.top);
    return tag(at);
}

void ToolbarModel::insertNodes(TreePosition first, QList<ToolbarNode> nodes)
{
    const int count = int(nodes.size());
    if (first.isTop()) {
        QList<ToolbarCategory> added = only<ToolbarCategory>(std::move(nodes));
        insertTops(first.top, count, [&] {
            m_document.categories.insert(first.top, count, {});
            std::move(added.begin(), added.end(), m_document.categories.begin() + first.top);
        });
        return;
    }
    QList<ToolbarTag> added = only<ToolbarTag>(std::move(nodes));
    insertChildren(first, count, [&] {
        QList<ToolbarTag>& tags = m_document.categories[first.top].tags();
        tags.insert(first.child, count, {});
        std::move(added.begin(), added.end(), tags.begin() + first.child);
    });
}

QList<ToolbarNode> ToolbarModel::takeNodes(TreePosition first, int count)
{
    if (first.isTop()) {
        QList<ToolbarCategory>& categories = m_document.categories;
        QList<ToolbarCategory> taken(std::make_move_iterator(categories.begin() + first.top),
                                     std::make_move_iterator(categories.begin() + first.top + count));
        removeTops(first.top, count, [&] { categories.remove(first.top, count); });
        return asNodes(std::move(taken));
    }
    QList<ToolbarTag>& tags = m_document.categories[first.top].tags();
    QList<ToolbarTag> taken(std::make_move_iterator(tags.begin() + first.child),
                            std::make_move_iterator(tags.begin() + first.child + count));
    removeChildren(first, count, [&] { tags.remove(first.child, count); });
    return asNodes(std::move(taken));
}

void ToolbarModel::setNode(TreePosition at, const ToolbarNode& node)
{
    if (at.isTop()) {
        const auto& category = std::get<ToolbarCategory>(node);
        ToolbarCategory& changed = m_document.categories[at.top];
        changed = changed.withCaptionAndImage(category.caption(), category.image());
    } else {
        m_document.categories[at.top].tags()[at.child] = std::get<ToolbarTag>(node);
    }
    TwoLevelModel::changed(at);
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
        QList<ToolbarTag>& source = m_document.categories[from.top].tags();
        if (from.top == to.top)
            source.move(from.child, to.child);
        else
            m_document.categories[to.top].tags().insert(to.child, source.takeAt(from.child));
    });
}

QVariant ToolbarModel::data(const QModelIndex& index, int role) const
{
    const TreePosition at = positionOf(index);
    if (!contains(at))
        return {};
    if (role == ImageIndexRole)
        return at.isTop() ? category(at.top).image() : tag(at).image();
    if (role != Qt::DisplayRole)
        return {};
    return at.isTop() ? category(at.top).caption() : tag(at).text();
}

int ToolbarModel::topCount() const
{
    return int(m_document.categories.size());
}

int ToolbarModel::childCount(int top) const
{
    return int(m_document.categories.at(top).tags().size());
}
