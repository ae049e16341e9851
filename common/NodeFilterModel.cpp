#include "common/NodeFilterModel.h"

#include <algorithm>

NodeFilterModel::NodeFilterModel(NodeModel& nodes, QObject* parent)
    : QSortFilterProxyModel(parent), m_nodes(nodes)
{
    setSourceModel(&nodes);
    // The proxy has handled each change when these run: what shows is then worked out anew.
    connect(&nodes, &QAbstractItemModel::rowsInserted, this, &NodeFilterModel::keepInsertedShown);
    connect(&nodes, &QAbstractItemModel::rowsRemoved, this, &NodeFilterModel::documentChanged);
    connect(&nodes, &QAbstractItemModel::rowsMoved, this, &NodeFilterModel::documentChanged);
    connect(&nodes, &QAbstractItemModel::dataChanged, this, &NodeFilterModel::documentChanged);
    connect(&nodes, &QAbstractItemModel::modelReset, this, &NodeFilterModel::documentChanged);
    const auto changing = [this] { m_changing = true; };
    connect(&nodes, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
    connect(&nodes, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
    connect(&nodes, &QAbstractItemModel::rowsAboutToBeMoved, this, changing);
    connect(&nodes, &QAbstractItemModel::modelAboutToBeReset, this, changing);
}

void NodeFilterModel::setText(const QString& text)
{
    m_match = TextMatch(text);
    m_keptShown.clear();
    if (m_match.isEmpty()) {
        m_topShown.clear();
        m_firstChild.clear();
        m_childShown.clear();
        refilter();
        return;
    }
    findMatches();
    refilter();
}

void NodeFilterModel::keepShown(TreePosition at)
{
    const QModelIndex node = m_nodes.indexOf(at);
    if (!node.isValid() || isKeptShown(at))
        return;
    m_keptShown.append(node);
    documentChanged();
}

void NodeFilterModel::keepInsertedShown(const QModelIndex& parent, int first, int last)
{
    for (int row = first; row <= last; ++row)
        m_keptShown.append(m_nodes.index(row, 0, parent));
    documentChanged();
}

// Nothing is worked out while nothing is looked for: the editor then shows its model itself.
void NodeFilterModel::documentChanged()
{
    if (m_match.isEmpty())
        return;
    findMatches();
    refilter();
}

// Until the proxy has caught up with the last pass, it answers for itself.
void NodeFilterModel::refilter()
{
    m_changing = true;
    invalidateFilter();
    m_changing = false;
}

bool NodeFilterModel::isKeptShown(TreePosition at) const
{
    return std::any_of(m_keptShown.cbegin(), m_keptShown.cend(), [&](const QModelIndex& kept) {
        return kept.isValid() && m_nodes.positionOf(kept) == at;
    });
}

void NodeFilterModel::findMatches()
{
    const int tops = m_nodes.rowCount();
    m_topShown.assign(size_t(tops), 0);
    m_firstChild.assign(size_t(tops) + 1, 0);
    m_childShown.clear();
    m_matchCount = 0;
    m_nodeCount = tops;
    for (int top = 0; top < tops; ++top) {
        const bool matches = m_nodes.nodeMatches({top, -1}, m_match);
        const auto firstChild = qsizetype(m_childShown.size());
        m_nodes.appendChildMatches(top, m_match, m_childShown);
        const qsizetype children = qsizetype(m_childShown.size()) - firstChild;
        const qsizetype childMatches =
            std::count(m_childShown.cbegin() + firstChild, m_childShown.cend(), 1);
        m_firstChild[size_t(top) + 1] = m_firstChild[size_t(top)] + children;
        m_matchCount += matches + childMatches;
        m_nodeCount += children;
        m_topShown[size_t(top)] = matches || childMatches > 0;
    }
    for (const QPersistentModelIndex& kept : std::as_const(m_keptShown)) {
        const TreePosition at = m_nodes.positionOf(kept);
        if (!at.isValid())
            continue;
        m_topShown[size_t(at.top)] = true;
        if (!at.isTop())
            m_childShown[size_t(m_firstChild[size_t(at.top)] + at.child)] = true;
    }
    m_shownCount = std::count(m_topShown.cbegin(), m_topShown.cend(), 1) +
                   std::count(m_childShown.cbegin(), m_childShown.cend(), 1);
    emit countsChanged();
}

bool NodeFilterModel::hasChildren(const QModelIndex& parent) const
{
    if (m_changing || m_match.isEmpty() || !parent.isValid() || parent.parent().isValid())
        return QSortFilterProxyModel::hasChildren(parent);
    const size_t top = size_t(mapToSource(parent).row());
    if (top + 1 >= m_firstChild.size())
        return QSortFilterProxyModel::hasChildren(parent);
    const auto first = m_childShown.cbegin() + m_firstChild[top];
    return std::find(first, m_childShown.cbegin() + m_firstChild[top + 1], 1) !=
           m_childShown.cbegin() + m_firstChild[top + 1];
}

// A row the last pass did not see (the proxy asks before this model has caught up with a
// change) is shown.
bool NodeFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const
{
    if (!parent.isValid())
        return size_t(row) >= m_topShown.size() || m_topShown[size_t(row)];
    const size_t top = size_t(parent.row());
    if (top + 1 >= m_firstChild.size())
        return true;
    const qsizetype flat = m_firstChild[top] + row;
    return flat >= m_firstChild[top + 1] || m_childShown[size_t(flat)];
}
