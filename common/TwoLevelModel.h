#pragma once

#include <QAbstractItemModel>

#include <functional>

// Where a node stands in a tree of two levels: the row of its top-level node, and its row among
// that node's children, or -1 for the top-level node itself.
struct TreePosition
{
    int top = -1;
    int child = -1;

    bool isValid() const { return top >= 0; }
    bool isTop() const { return child < 0; }
    TreePosition parent() const { return {top, -1}; }

    friend bool operator==(const TreePosition&, const TreePosition&) = default;
};

// The shape of a tree model of two levels (categories and tags, sections and procedures) over a
// document that the subclass keeps: indexes, parents and counts. A child's index carries its
// parent's row, so that no node needs an object of its own; when top-level rows shift, the
// persistent indexes of the children below them (a view's selection, its open nodes) are moved
// along.
class TwoLevelModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    using QAbstractItemModel::QAbstractItemModel;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;

    QModelIndex indexOf(TreePosition position) const;
    static TreePosition positionOf(const QModelIndex& index);
    bool contains(TreePosition position) const;

protected:
    virtual int topCount() const = 0;
    virtual int childCount(int top) const = 0;

    // Each runs change, which alters the document, between the model's signals.
    void insertTops(int first, int count, const std::function<void()>& change);
    void removeTop(int row, const std::function<void()>& change);
    void moveTop(int from, int to, const std::function<void()>& change);
    void insertChild(TreePosition at, const std::function<void()>& change);
    void removeChild(TreePosition at, const std::function<void()>& change);
    // The child at from goes to to, counted as after the move.
    void moveChild(TreePosition from, TreePosition to, const std::function<void()>& change);
    void changed(TreePosition at);

private:
    void moveChildIndexes(const std::function<int(int)>& newTop);
};
