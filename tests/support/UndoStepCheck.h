#pragma once

#include <QAbstractItemView>
#include <QByteArray>
#include <QItemSelectionModel>
#include <QTest>
#include <QUndoStack>

#include <functional>

// Watches one command given through an editor window: a change must be one step on the window's
// undo stack, which undo takes back and redo makes again; no change, no step. A change made past
// the stack would leave every step before it pointing at the wrong nodes. The view's current node
// is put back afterwards, since undo and redo select the node they change.
class UndoStepCheck
{
public:
    UndoStepCheck(QAbstractItemView& view, std::function<QByteArray()> documentBytes)
        : m_view(view), m_stack(view.window()->findChild<QUndoStack*>()),
          m_bytes(std::move(documentBytes)), m_before(m_bytes()), m_index(m_stack->index())
    {
    }

    void verify() const
    {
        const QByteArray after = m_bytes();
        QCOMPARE(m_stack->index() - m_index, after == m_before ? 0 : 1);
        if (after == m_before)
            return;
        const QModelIndex current = m_view.currentIndex();
        const int row = current.row(), parentRow = current.parent().row();
        const bool selected = m_view.selectionModel()->isSelected(current);
        m_stack->undo();
        QCOMPARE(m_bytes(), m_before);
        m_stack->redo();
        QCOMPARE(m_bytes(), after);
        const QAbstractItemModel& model = *m_view.model();
        const QModelIndex parent = parentRow < 0 ? QModelIndex() : model.index(parentRow, 0);
        m_view.selectionModel()->setCurrentIndex(
            row < 0 ? QModelIndex() : model.index(row, 0, parent),
            selected ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                     : QItemSelectionModel::Clear);
    }

private:
    QAbstractItemView& m_view;
    QUndoStack* m_stack;
    std::function<QByteArray()> m_bytes;
    QByteArray m_before;
    int m_index;
};
