#pragma once

#include <QModelIndex>
#include <QString>

class QAbstractItemModel;
class QTreeView;

// Nodes of an editor's tree found as a person finds them, by their place: "1/0" is the first
// child of the second top-level node, "1" that node itself.
QModelIndex nodeAt(const QTreeView& tree, const QString& path);
QString textAt(const QTreeView& tree, const QString& path);
int childCount(const QTreeView& tree, const QString& path = QString());

// Makes the node current and selected; an empty path clears the selection.
void select(QTreeView& tree, const QString& path);
// The selected node's text, or "<none>".
QString selectedText(const QTreeView& tree);
// The model's nodes as "a|a1|b", each child after its parent.
QString outline(const QAbstractItemModel& model);
// "Caption:count, ..." of a two-level tree's top-level nodes.
QString childCounts(const QTreeView& tree);
