#pragma once

#include "common/NodeModel.h"
#include "common/TextMatch.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QSortFilterProxyModel>

#include <vector>

// An editor's nodes while the find bar filters them: the nodes whose own texts hold what is
// looked for, the top-level nodes that hold one of them, and the nodes the user added or changed
// meanwhile, which stay where the user can see them. Which nodes match is worked out in one pass
// over the document when the text changes or the document does, and only looked up as the proxy
// asks.
class NodeFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    NodeFilterModel(NodeModel& nodes, QObject* parent);

    void setText(const QString& text);
    const QString& text() const { return m_match.text(); }
    // The nodes whose own texts match, and all nodes.
    qsizetype matchCount() const { return m_matchCount; }
    qsizetype nodeCount() const { return m_nodeCount; }
    // The nodes shown: the matches, the parents they need and the nodes kept shown.
    qsizetype shownCount() const { return m_shownCount; }
    // The node stays shown for as long as this text is looked for.
    void keepShown(TreePosition at);

    // From the last pass while it holds: a view asks this of every parent it lays out, which the
    // proxy would answer by mapping each parent's children.
    bool hasChildren(const QModelIndex& parent = {}) const override;

signals:
    void countsChanged();

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    void keepInsertedShown(const QModelIndex& parent, int first, int last);
    void documentChanged();
    void findMatches();
    void refilter();
    bool isKeptShown(TreePosition at) const;

    NodeModel& m_nodes;
    TextMatch m_match;
    // Whether each node shows: top-level nodes, then the children of each, flat.
    std::vector<char> m_topShown;
    std::vector<qsizetype> m_firstChild;
    std::vector<char> m_childShown;
    QList<QPersistentModelIndex> m_keptShown;
    qsizetype m_matchCount = 0;
    qsizetype m_nodeCount = 0;
    qsizetype m_shownCount = 0;
    // The document or the proxy is changing: the last pass does not tell what the proxy shows.
    bool m_changing = false;
};
