#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QModelIndex;
class QPoint;
class QUndoStack;
class QWidget;

// The commands of an editor's list beyond its buttons, and the context menu that holds them
// all. Each is an action that shows its keys and runs its handler inside the error guard, and
// only where it can act; the menu shows the ones that cannot act now as disabled. Keys work
// while the list has the focus, Undo and Redo anywhere in the window.
class ListCommands : public QObject
{
    Q_OBJECT

public:
    ListCommands(QAbstractItemView* list, QWidget* window);

    QAction* add(const QString& text, const QList<QKeySequence>& keys,
                 const std::function<void()>& run, const std::function<bool()>& canRun);
    void addSeparator();

    // The commands that every editor has beside its own: the clipboard, moving the selected
    // node one place, and Undo and Redo of the window's stack (window-wide).
    struct Editing
    {
        std::function<void()> cut;
        std::function<void()> copy;
        std::function<bool()> canCopy;
        std::function<void()> paste;
        std::function<bool()> canPaste;
        std::function<void(int by)> move;
        std::function<bool(int by)> canMove;
        QUndoStack* undo;
    };
    void addEditing(const Editing& editing);

    // Opens the menu at a point on the screen, or below the current node for a null point.
    void showMenu(const QPoint& at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* newAction(const QString& text, const QList<QKeySequence>& keys,
                       const std::function<void()>& run, const std::function<bool()>& canRun);
    void addUndoAndRedo(QUndoStack* stack);

    struct Command
    {
        QAction* action;
        std::function<bool()> canRun;
    };

    QAbstractItemView* m_list;
    QWidget* m_window;
    QList<Command> m_commands;
};

// A window's handler as a command to run.
template <class Window> std::function<void()> handler(Window* window, void (Window::*run)())
{
    return [window, run] { (window->*run)(); };
}

// The button's tooltip names the keys that do what it does.
void showKeysInToolTip(QAbstractButton* button, const QKeySequence& keys);

// After an editing step: the step's node current, selected and in view; none when the node is
// gone.
void showStepNode(QAbstractItemView* view, const QModelIndex& node);

// The keys of the editing commands, the same in every editor.
namespace EditKeys {
QKeySequence newNode();
QKeySequence newTopNode();
QKeySequence edit();
QKeySequence moveUp();
QKeySequence moveDown();
QList<QKeySequence> redo();
} // namespace EditKeys
