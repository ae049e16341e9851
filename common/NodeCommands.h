#pragma once

#include "common/NodeModel.h"

#include <QList>
#include <QScopeGuard>
#include <QUndoCommand>

#include <functional>

// The steps of an editor's undo stack. Each model takes and gives its nodes (categories and
// tags, procedures, MIME types) at tree positions, and the editor says how a step sets the
// selection. The first run of a step is the command itself; undoing every step gives the model
// back the document it had.

// Called after each step with the node it concerns, or, when removed is true, with the place
// where a node was taken away.
using SelectNode = std::function<void(TreePosition at, bool removed)>;

// Nodes put in one after another from first, in one change of the model: a new node, or what a
// paste holds. The command itself leaves the selection where it was when told to (a new node
// does not take it).
template <class Model> class InsertNodes : public QUndoCommand
{
public:
    using Node = typename Model::Node;

    InsertNodes(Model& model, TreePosition first, QList<Node> nodes, const QString& text,
                SelectNode select, bool selectAtOnce)
        : QUndoCommand(text), m_model(model), m_first(first), m_count(int(nodes.size())),
          m_nodes(std::move(nodes)), m_select(std::move(select)), m_selectNext(selectAtOnce)
    {
    }

    // The model holds the nodes while they are in, so that a large paste is not kept twice.
    void redo() override
    {
        m_model.insertNodes(m_first, m_nodes);
        m_nodes.clear();
        if (m_selectNext)
            m_select(shifted(m_first, m_count - 1), false);
        m_selectNext = true;
    }

    void undo() override
    {
        m_nodes = m_model.takeNodes(m_first, m_count);
        m_select(m_first, true);
    }

private:
    Model& m_model;
    TreePosition m_first;
    int m_count;
    QList<Node> m_nodes;
    SelectNode m_select;
    bool m_selectNext;
};

template <class Model> class RemoveNode : public QUndoCommand
{
public:
    using Node = typename Model::Node;

    RemoveNode(Model& model, TreePosition at, const QString& text, SelectNode select)
        : QUndoCommand(text), m_model(model), m_at(at), m_select(std::move(select))
    {
    }

    void redo() override
    {
        m_node = std::move(m_model.takeNodes(m_at, 1).first());
        m_select(m_at, true);
    }

    // The node stays the step's own until the model has taken it.
    void undo() override
    {
        QList<Node> node;
        node.reserve(1);
        node.append(std::move(m_node));
        auto giveBack = qScopeGuard([&] { m_node = std::move(node.first()); });
        m_model.insertNodes(m_at, node);
        giveBack.dismiss();
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

    ReplaceNode(Model& model, TreePosition at, Node after, const QString& text, SelectNode select)
        : QUndoCommand(text), m_model(model), m_at(at), m_before(model.node(at)),
          m_after(std::move(after)), m_select(std::move(select))
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
class MoveNode : public QUndoCommand
{
public:
    MoveNode(NodeModel& model, TreePosition from, TreePosition to, const QString& text,
             SelectNode select)
        : QUndoCommand(text), m_model(model), m_from(from), m_to(to), m_select(std::move(select))
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
    NodeModel& m_model;
    TreePosition m_from;
    TreePosition m_to;
    SelectNode m_select;
};

// The whole document swapped for another: a copy of the file put back. applied follows whether
// the step is in effect.
template <class Model> class ReplaceDocument : public QUndoCommand
{
public:
    using Document = typename Model::Document;

    ReplaceDocument(Model& model, Document other, const QString& text, bool& applied)
        : QUndoCommand(text), m_model(model), m_other(std::move(other)), m_applied(applied)
    {
    }

    void redo() override { swap(true); }
    void undo() override { swap(false); }

private:
    void swap(bool applied)
    {
        Document shown = m_model.document();
        m_model.setDocument(std::move(m_other));
        m_other = std::move(shown);
        m_applied = applied;
    }

    Model& m_model;
    Document m_other;
    bool& m_applied;
};
