#include "procedures/ProceduresModel.h"

#include "common/ListRoom.h"
#include "common/RowRoom.h"
#include "common/TextMatch.h"

ProceduresModel::ProceduresModel(QObject* parent) : TwoLevelModel(parent)
{
}

// A view keeps a little for each row it shows: room for all of them is made first.
void ProceduresModel::setDocument(ProceduresDocument document)
{
    qsizetype rows = document.sections.size();
    for (const ProcedureSection& section : std::as_const(document.sections))
        rows += section.procedures.size();
    requireRoomForRows(rows);
    beginResetModel();
    m_document = std::move(document);
    endResetModel();
}

const ProcedureSection& ProceduresModel::section(int row) const
{
    return m_document.sections.at(row);
}

const Procedure& ProceduresModel::procedure(TreePosition at) const
{
    return m_document.sections.at(at.top).procedures.at(at.child);
}

// Room is made before the model's signals, and the procedures move only then: running out of
// memory changes nothing.
void ProceduresModel::insertNodes(TreePosition first, QList<Procedure>& procedures)
{
    const int count = int(procedures.size());
    requireRoomForRows(count);
    procedures.detach();
    QList<Procedure>& list = m_document.sections[first.top].procedures;
    makeRoom(list, count);
    insertChildren(first, count, [&] {
        moveIn(list, first.child, procedures, [](Procedure&& procedure) { return procedure; });
    });
}

QList<Procedure> ProceduresModel::takeNodes(TreePosition first, int count)
{
    QList<Procedure>& list = m_document.sections[first.top].procedures;
    QList<Procedure> taken = roomToMoveOut<Procedure>(list, count);
    removeChildren(first, count, [&] {
        moveOut(list, first.child, count, taken);
        list.remove(first.child, count);
    });
    return taken;
}

void ProceduresModel::setNode(TreePosition at, const Procedure& procedure)
{
    m_document.sections[at.top].procedures[at.child] = procedure;
    changed(at);
}

void ProceduresModel::moveNode(TreePosition from, TreePosition to)
{
    if (from == to)
        return;
    moveChild(from, to, [&] {
        QList<Procedure>& source = m_document.sections[from.top].procedures;
        if (from.top == to.top)
            source.move(from.child, to.child);
        else
            m_document.sections[to.top].procedures.insert(to.child, source.takeAt(from.child));
    });
}

QVariant ProceduresModel::data(const QModelIndex& index, int role) const
{
    const TreePosition at = positionOf(index);
    if (!contains(at))
        return {};
    if (role == Qt::DisplayRole)
        return at.isTop() ? sectionCaption(section(at.top).number) : procedure(at).caption();
    if (role == CodeRole && !at.isTop())
        return procedure(at).code();
    return {};
}

int ProceduresModel::topCount() const
{
    return int(m_document.sections.size());
}

int ProceduresModel::childCount(int top) const
{
    return int(m_document.sections.at(top).procedures.size());
}

bool ProceduresModel::nodeMatches(TreePosition at, const TextMatch& match) const
{
    return at.isTop() ? match.in(sectionCaption(section(at.top).number))
                      : procedure(at).matches(match);
}

void ProceduresModel::appendChildMatches(int top, const TextMatch& match,
                                         std::vector<char>& matches) const
{
    for (const Procedure& child : m_document.sections.at(top).procedures)
        matches.push_back(child.matches(match));
}
