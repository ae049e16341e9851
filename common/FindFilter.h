#pragma once

#include "common/NodeModel.h"

#include <QObject>
#include <QString>

class FindBar;
class NodeFilterModel;
class QAbstractItemView;
class QModelIndex;

// The find bar of an editor and what it does to the editor's view. Its proxy stands between the
// model and the view for the editor's whole life, passing every node through while nothing is
// looked for; it keeps the counts, finds the first match, says where a node shows and which node
// shown takes a removed one's place, and opens the parents of what shows. The bar itself goes
// under the view, in the box layout that holds the view.
class FindFilter : public QObject
{
    Q_OBJECT

public:
    FindFilter(QAbstractItemView& view, NodeModel& model, QObject* parent);

    // The node that a row of the view shows.
    TreePosition positionOf(const QModelIndex& shown) const;
    // The row that shows the node; a node the filter hides, a step's own, is shown all the same.
    QModelIndex show(TreePosition at);
    // The node that takes a removed node's place in the selection: never one the filter hides.
    TreePosition afterRemoval(TreePosition removed) const;
    // Why nodes cannot move now; empty when they can.
    QString moveRefusal() const;
    bool isOpen() const;

public slots:
    // Shows the bar with the focus in its field, what it held selected.
    void open();
    // Hides the bar and shows every node again, the selection kept.
    void close();

signals:
    // What is looked for changed: the commands may act otherwise now.
    void filterChanged();

private:
    void setText(const QString& text);
    void selectFirstMatch(bool focusView);
    void showCounts();
    void openShownParents();
    void openShownParentsInView();
    void openParentsFrom(int top);

    QAbstractItemView& m_view;
    NodeModel& m_model;
    NodeFilterModel* m_proxy;
    FindBar* m_bar;
    bool m_openShownInView = false;
};
