#include "support/TreeDriver.h"

#include <QStringList>
#include <QTreeView>

QModelIndex nodeAt(const QTreeView& tree, const QString& path)
{
    QModelIndex node;
    for (const QString& step : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        node = tree.model()->index(step.toInt(), 0, node);
    return node;
}

QString textAt(const QTreeView& tree, const QString& path)
{
    return nodeAt(tree, path).data().toString();
}

int childCount(const QTreeView& tree, const QString& path)
{
    return tree.model()->rowCount(nodeAt(tree, path));
}

void select(QTreeView& tree, const QString& path)
{
    if (path.isEmpty())
        tree.selectionModel()->clear();
    else
        tree.setCurrentIndex(nodeAt(tree, path));
}

QString selectedText(const QTreeView& tree)
{
    const QModelIndexList selected = tree.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QStringLiteral("<none>") : selected.first().data().toString();
}

QString outline(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex node = model.index(row, 0);
        texts << node.data().toString();
        for (int child = 0; child < model.rowCount(node); ++child)
            texts << model.index(child, 0, node).data().toString();
    }
    return texts.join(QLatin1Char('|'));
}

QString childCounts(const QTreeView& tree)
{
    QStringList parts;
    for (int i = 0; i < childCount(tree); ++i)
        parts << textAt(tree, QString::number(i)) + QLatin1Char(':') +
                     QString::number(childCount(tree, QString::number(i)));
    return parts.join(QStringLiteral(", "));
}
