#include "common/NodeFilterModel.h"

#include <algorithm>
#include <functional>
#include <future>
#include <thread>

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

namespace {

// What one pass over a run of top-level nodes found, in the shape the proxy keeps for all of
// them: the child offsets start at 0 for the run's first node.
struct MatchRun
{
    std::vector<char> topShown;
    std::vector<qsizetype> firstChild{0};
    std::vector<char> childShown;
    qsizetype matchCount = 0;
    qsizetype nodeCount = 0;
};

MatchRun findMatchesIn(const NodeModel& nodes, const TextMatch& match, int first, int end)
{
    MatchRun run;
    run.topShown.reserve(size_t(end - first));
    run.firstChild.reserve(size_t(end - first) + 1);
    for (int top = first; top < end; ++top) {
        const bool matches = nodes.nodeMatches({top, -1}, match);
        const auto firstChild = qsizetype(run.childShown.size());
        nodes.appendChildMatches(top, match, run.childShown);
        const qsizetype children = qsizetype(run.childShown.size()) - firstChild;
        const qsizetype childMatches =
            std::count(run.childShown.cbegin() + firstChild, run.childShown.cend(), 1);
        run.firstChild.push_back(run.firstChild.back() + children);
        run.matchCount += matches + childMatches;
        run.nodeCount += 1 + children;
        run.topShown.push_back(matches || childMatches > 0);
    }
    return run;
}

// A long document is looked through in runs on every core: the pass waits on memory far more
// than on the processor, and the runs only read it.
std::vector<MatchRun> findMatchesInRuns(const NodeModel& nodes, const TextMatch& match)
{
    constexpr int topsPerRun = 50000;
    const int tops = nodes.rowCount();
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int runs = std::clamp(tops / topsPerRun, 1, cores);
    std::vector<std::future<MatchRun>> others;
    for (int run = 1; run < runs; ++run) {
        others.push_back(std::async(std::launch::async, findMatchesIn, std::cref(nodes),
                                    std::cref(match), int(qint64(tops) * run / runs),
                                    int(qint64(tops) * (run + 1) / runs)));
    }
    std::vector<MatchRun> found;
    found.push_back(findMatchesIn(nodes, match, 0, tops / runs));
    for (std::future<MatchRun>& other : others)
        found.push_back(other.get());
    return found;
}

} // namespace

void NodeFilterModel::findMatches()
{
    m_topShown.clear();
    m_firstChild.assign(1, 0);
    m_childShown.clear();
    m_matchCount = 0;
    m_nodeCount = 0;
    for (const MatchRun& run : findMatchesInRuns(m_nodes, m_match)) {
        const qsizetype offset = m_firstChild.back();
        m_topShown.insert(m_topShown.end(), run.topShown.cbegin(), run.topShown.cend());
        for (auto first = run.firstChild.cbegin() + 1; first != run.firstChild.cend(); ++first)
            m_firstChild.push_back(offset + *first);
        m_childShown.insert(m_childShown.end(), run.childShown.cbegin(), run.childShown.cend());
        m_matchCount += run.matchCount;
        m_nodeCount += run.nodeCount;
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
    if (m_changing || m_match.isEmpty() || !parent.isValid())
        return QSortFilterProxyModel::hasChildren(parent);
    const QModelIndex node = mapToSource(parent);
    const size_t top = size_t(node.row());
    if (node.parent().isValid() || top + 1 >= m_firstChild.size())
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
