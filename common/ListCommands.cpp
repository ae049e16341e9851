#include "common/ListCommands.h"

#include "common/ErrorGuard.h"
#include "common/Modal.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QUndoStack>

ListCommands::ListCommands(QAbstractItemView* list, QWidget* window)
    : QObject(window), m_list(list), m_window(window)
{
    // A right click comes to the viewport, the Menu key to the list itself.
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    // Shift+F10 opens the menu as the Menu key does, where a keyboard has none.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_list->addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { showMenu({}); });
}

QAction* ListCommands::newAction(const QString& text, const QList<QKeySequence>& keys,
                                 const std::function<void()>& run,
                                 const std::function<bool()>& canRun)
{
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, run, canRun] {
        runGuarded(m_window, [&] {
            if (canRun())
                run();
        });
    });
    m_commands.append(Command{action, canRun});
    return action;
}

QAction* ListCommands::add(const QString& text, const QList<QKeySequence>& keys,
                           const std::function<void()>& run, const std::function<bool()>& canRun)
{
    QAction* action = newAction(text, keys, run, canRun);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_list->addAction(action);
    return action;
}

void ListCommands::addSeparator()
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_commands.append(Command{separator, {}});
}

void ListCommands::addEditing(const Editing& editing)
{
    const auto keys = [](QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); };
    addSeparator();
    add(tr("Cut"), keys(QKeySequence::Cut), editing.cut, editing.canCopy);
    add(tr("Copy"), keys(QKeySequence::Copy), editing.copy, editing.canCopy);
    add(tr("Paste"), keys(QKeySequence::Paste), editing.paste, editing.canPaste);
    addSeparator();
    for (const int by : {-1, +1}) {
        const std::function<void()> move = [=] { editing.move(by); };
        const std::function<bool()> canMove = [=] { return editing.canMove(by); };
        add(by < 0 ? tr("Move up") : tr("Move down"),
            {by < 0 ? EditKeys::moveUp() : EditKeys::moveDown()}, move, canMove);
    }
    addSeparator();
    addUndoAndRedo(editing.undo);
}

void ListCommands::addUndoAndRedo(QUndoStack* stack)
{
    const auto addWindowWide = [this](QAction* action) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
    };
    addWindowWide(newAction(
        tr("Undo"), QKeySequence::keyBindings(QKeySequence::Undo), [stack] { stack->undo(); },
        [stack] { return stack->canUndo(); }));
    addWindowWide(newAction(
        tr("Redo"), EditKeys::redo(), [stack] { stack->redo(); },
        [stack] { return stack->canRedo(); }));
}

// A right click opens the menu where it is; the Menu key below the current node.
bool ListCommands::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    const auto* request = static_cast<QContextMenuEvent*>(event);
    showMenu(request->reason() == QContextMenuEvent::Mouse ? request->globalPos() : QPoint());
    return true;
}

void ListCommands::showMenu(const QPoint& at)
{
    QMenu menu(m_list);
    for (const Command& command : m_commands) {
        command.action->setEnabled(!command.canRun || command.canRun());
        menu.addAction(command.action);
    }
    QPoint where = at;
    const QModelIndex current = m_list->currentIndex();
    if (where.isNull() && current.isValid())
        where = m_list->viewport()->mapToGlobal(m_list->visualRect(current).bottomLeft());
    if (where.isNull())
        where = m_list->mapToGlobal(m_list->rect().center());
    Modal::showMenu(menu, where);
    for (const Command& command : m_commands)
        command.action->setEnabled(true);
}

void showKeysInToolTip(QAbstractButton* button, const QKeySequence& keys)
{
    button->setToolTip(QStringLiteral("%1 (%2)").arg(button->text().remove(QLatin1Char('&')),
                                                     keys.toString(QKeySequence::NativeText)));
}

void showStepNode(QAbstractItemView* view, const QModelIndex& node)
{
    if (!node.isValid()) {
        view->selectionModel()->clear();
        return;
    }
    view->setCurrentIndex(node);
    view->scrollTo(node);
}

namespace EditKeys {

QKeySequence newNode()
{
    return QKeySequence(Qt::Key_Insert);
}

QKeySequence newTopNode()
{
    return QKeySequence(Qt::ALT | Qt::Key_Insert);
}

QKeySequence edit()
{
    return QKeySequence(Qt::Key_F2);
}

QKeySequence moveUp()
{
    return QKeySequence(Qt::ALT | Qt::Key_Up);
}

QKeySequence moveDown()
{
    return QKeySequence(Qt::ALT | Qt::Key_Down);
}

// The platform's own keys, and Ctrl+Y and Ctrl+Shift+Z everywhere.
QList<QKeySequence> redo()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& also :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        if (!keys.contains(also))
            keys.append(also);
    }
    return keys;
}

} // namespace EditKeys
