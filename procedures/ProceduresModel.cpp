#include "procedures/ProceduresModel.h"

ProceduresModel::ProceduresModel(QObject* parent) : TwoLevelModel(parent)
{
}

void ProceduresModel::setDocument(ProceduresDocument document)
{
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

void ProceduresModel::insertProcedure(TreePosition at, Procedure procedure)
{
    insertChild(
        at, [&] { m_document.sections[at.top].procedures.insert(at.child, std::move(procedure)); });
}

void ProceduresModel::setProcedure(TreePosition at, Procedure procedure)
{
    m_document.sections[at.top].procedures[at.child] = std::move(procedure);
    changed(at);
}

Procedure ProceduresModel::takeProcedure(TreePosition at)
{
    Procedure taken;
    removeChild(at, [&] { taken = m_document.sections[at.top].procedures.takeAt(at.child); });
    return taken;
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
        return at.isTop() ? sectionCaption(section(at.top).number)
                          : procedure(at).caption.toString();
    if (role == CodeRole && !at.isTop())
        return procedure(at).code.toString();
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
