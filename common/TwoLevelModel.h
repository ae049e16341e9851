#pragma once

#include "common/NodeModel.h"

#include <functional>
#include <optional>

// The shape of a tree model of two levels (categories and tags, sections and procedures) over a
// document that the subclass keeps: indexes, parents and counts. A child's index carries its
// parent's row, so that no node needs an object of its own; when top-level rows shift, the
// persistent indexes of the children below them (a view's selection, its open nodes) are moved
// along.
class TwoLevelModel : public NodeModel
{
    Q_OBJECT

public:
    using NodeModel::NodeModel;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;

    QModelIndex indexOf(TreePosition position) const override;
    TreePosition positionOf(const QModelIndex& index) const override;
    // Faster than the index's validity, for the many calls of a large paste.
    bool contains(TreePosition position) const override;

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A top-level node goes among the top level (where the model lets them move), a child to any
    // place under any top-level node.
    std::optional<TreePosition> dropTarget(TreePosition from, int row,
                                           const QModelIndex& parent) const override;

protected:
    virtual int topCount() const = 0;
    virtual int childCount(int top) const = 0;
    virtual bool topsMove() const = 0;
    bool isMovable(TreePosition at) const override
    {
        return at.isValid() && (!at.isTop() || topsMove());
    }

    // Each runs change, which alters the document, between the model's signals.
    void insertTops(int first, int count, const std::function<void()>& change);
    void removeTops(int first, int count, const std::function<void()>& change);
    void moveTop(int from, int to, const std::function<void()>& change);
    // Children of first's parent, first counted from first.child.
    void insertChildren(TreePosition first, int count, const std::function<void()>& change);
    void removeChildren(TreePosition first, int count, const std::function<void()>& change);
    // The child at from goes to to, counted as after the move.
    void moveChild(TreePosition from, TreePosition to, const std::function<void()>& change);
    void changed(TreePosition at);

private:
    void moveChildIndexes(const std::function<int(int)>& newTop);
};
