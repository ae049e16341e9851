#pragma once

#include "common/TwoLevelModel.h"

#include <QList>
#include <QUndoCommand>

#include <functional>

// The steps of an editor's undo stack, over any of the editors' models: each model takes and
// gives its nodes (categories and tags, procedures, MIME types) at tree positions, and the
// window says how a step sets the selection. The first run of a step is the command itself;
// undoing every step gives the model back the document it had.

// Called after each step with the node it concerns, or, when removed is true, with the place
// where a node was taken away.
using SelectNode = std::function<void(TreePosition at, bool removed)>;

// The position count places after at, among the same siblings.
inline TreePosition shifted(TreePosition at, int count)
{
    return at.isTop() ? TreePosition{at.top + count, -1} : TreePosition{at.top, at.child + count};
}

// Whether the node at can go count places among its siblings and stay among them.
template <class Model> bool canShift(const Model& model, TreePosition at, int count)
{
    const TreePosition to = shifted(at, count);
    return at.isValid() && (at.isTop() ? to.top : to.child) >= 0 && model.contains(to);
}

// The node that takes a removed node's place in a tree's selection, as a tree view picks it: the
// next sibling, else the one before, else the parent.
template <class Model> TreePosition afterRemoval(const Model& model, TreePosition removed)
{
    if (model.contains(removed))
        return removed;
    if ((removed.isTop() ? removed.top : removed.child) > 0)
        return shifted(removed, -1);
    return removed.isTop() ? TreePosition() : removed.parent();
}

// Nodes put in one after another from first: a new node, or what a paste holds. The command
// itself leaves the selection where it was when told to (a new node does not take it).
template <class Model> class InsertNodes : public QUndoCommand
{
public:
    using Node = typename Model::Node;

    InsertNodes(Model& model, TreePosition first, QList<Node> nodes, SelectNode select,
                bool selectAtOnce)
        : m_model(model), m_first(first), m_nodes(std::move(nodes)), m_select(std::move(select)),
          m_selectNext(selectAtOnce)
    {
    }

    void redo() override
    {
        for (int i = 0; i < m_nodes.size(); ++i)
            m_model.insertNode(shifted(m_first, i), m_nodes[i]);
        if (m_selectNext)
            m_select(shifted(m_first, int(m_nodes.size()) - 1), false);
        m_selectNext = true;
    }

    void undo() override
    {
        for (int i = int(m_nodes.size()) - 1; i >= 0; --i)
            m_nodes[i] = m_model.takeNode(shifted(m_first, i));
        m_select(m_first, true);
    }

private:
    Model& m_model;
    TreePosition m_first;
    QList<Node> m_nodes;
    SelectNode m_select;
    bool m_selectNext;
};

template <class Model> class RemoveNode : public QUndoCommand
{
public:
    using Node = typename Model::Node;

    RemoveNode(Model& model, TreePosition at, SelectNode select)
        : m_model(model), m_at(at), m_select(std::move(select))
    {
    }

    void redo() override
    {
        m_node = m_model.takeNode(m_at);
        m_select(m_at, true);
    }

    void undo() override
    {
        m_model.insertNode(m_at, m_node);
        m_select(m_at, false);
    }

private:
    Model& m_model;
    TreePosition m_at;
    Node m_node;
    SelectNode m_select;
};

// A node given new fields in its place.
template <class Model> class ReplaceNode : public QUndoCommand
{
public:
    using Node = typename Model::Node;

    ReplaceNode(Model& model, TreePosition at, Node after, SelectNode select)
        : m_model(model), m_at(at), m_before(model.node(at)), m_after(std::move(after)),
          m_select(std::move(select))
    {
    }

    void redo() override { set(m_after); }
    void undo() override { set(m_before); }

private:
    void set(const Node& node)
    {
        m_model.setNode(m_at, node);
        m_select(m_at, false);
    }

    Model& m_model;
    TreePosition m_at;
    Node m_before;
    Node m_after;
    SelectNode m_select;
};

// to counts as after the move.
template <class Model> class MoveNode : public QUndoCommand
{
public:
    MoveNode(Model& model, TreePosition from, TreePosition to, SelectNode select)
        : m_model(model), m_from(from), m_to(to), m_select(std::move(select))
    {
    }

    void redo() override
    {
        m_model.moveNode(m_from, m_to);
        m_select(m_to, false);
    }

    void undo() override
    {
        m_model.moveNode(m_to, m_from);
        m_select(m_from, false);
    }

private:
    Model& m_model;
    TreePosition m_from;
    TreePosition m_to;
    SelectNode m_select;
};
