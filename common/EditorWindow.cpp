#include "common/EditorWindow.h"

#include "common/ErrorGuard.h"
#include "common/FileNote.h"
#include "common/FindFilter.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTreeView>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <utility>

EditorWindow::EditorWindow(QWidget* parent, HostFile file, const HostOptions& options,
                           const QString& placementKey)
    : QDialog(parent), m_file(file, options), m_undoStack(new QUndoStack(this))
{
    setDialogFrame(*this);
    WindowPlacement::keep(this, placementKey, PlacementStore::Keeps::PositionSizeAndState);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        m_clipboardText.reset();
        updateCommands();
    });
    connect(m_undoStack, &QUndoStack::indexChanged, this, &EditorWindow::updateCommands);
}

// The undo stack empties itself as it goes, after the editor's own parts are gone: nothing may
// ask them then whether a command can act.
EditorWindow::~EditorWindow()
{
    disconnect(m_undoStack, nullptr, this, nullptr);
    m_commands.clear();
}

void EditorWindow::setView(QAbstractItemView* view, NodeModel* model)
{
    m_view = view;
    m_model = model;
    m_find = new FindFilter(*view, *model, this);
    for (const auto& [name, glyph] :
         {std::pair{"okButton", Glyph::Ok}, {"cancelButton", Glyph::Cancel}})
        if (auto* button = findChild<QAbstractButton*>(QLatin1String(name)))
            button->setIcon(glyphIcon(glyph));
    view->setDefaultDropAction(Qt::MoveAction);
    view->viewport()->setAttribute(Qt::WA_Hover);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        updateCommands();
        emit selectedNodeChanged();
    });
    connect(m_find, &FindFilter::filterChanged, this, &EditorWindow::updateCommands);
    auto* find = new QAction(this);
    find->setShortcuts(QKeySequence::keyBindings(QKeySequence::Find));
    find->setShortcutContext(Qt::WindowShortcut);
    addAction(find);
    connect(find, &QAction::triggered, this, &EditorWindow::openFindBar);
    // A right click comes to the viewport, the Menu key to the view itself.
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    // Shift+F10 opens the menu as the Menu key does, where a keyboard has none.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view->addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { showMenu({}); });

    connect(model, &QAbstractItemModel::rowsInserted, this, &EditorWindow::updateCommands);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &EditorWindow::updateCommands);
    connect(model, &QAbstractItemModel::rowsMoved, this, &EditorWindow::updateCommands);
    connect(model, &QAbstractItemModel::modelReset, this, &EditorWindow::updateCommands);
    connect(model, &NodeModel::moveRequested, this, [this](TreePosition from, TreePosition to) {
        runGuarded(this, [&] {
            //: An undo step: a node dragged to another place. %1 is "tag "Bold"" or the like.
            push(new MoveNode(*m_model, from, to, tr("Move %1").arg(nodeTitle(from)), selector()));
        });
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& node) {
        if (m_find->positionOf(node) == selectedPosition())
            runGuarded(this, [this] { editSelected(); });
    });
    if (auto* tree = qobject_cast<QTreeView*>(view))
        connect(tree, &QTreeView::collapsed, this, &EditorWindow::collapsed);
}

QAction* EditorWindow::newAction(const QString& text, const QList<QKeySequence>& keys,
                                 const std::function<void()>& run,
                                 const std::function<bool()>& canRun)
{
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, run, canRun] { runIfAble(run, canRun); });
    m_commands.append(Command{action, canRun});
    action->setEnabled(canRun());
    return action;
}

// A key can reach a command in the moment between a change and the update that disables it.
void EditorWindow::runIfAble(const std::function<void()>& run, const std::function<bool()>& canRun)
{
    runGuarded(this, [&] {
        if (canRun())
            run();
    });
}

QAction* EditorWindow::addCommand(const QString& text, const QKeySequence& keys,
                                  const std::function<void()>& run,
                                  const std::function<bool()>& canRun)
{
    QAction* action = newAction(text, keys.isEmpty() ? QList<QKeySequence>() : QList{keys}, run,
                                canRun);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_view->addAction(action);
    return action;
}

void EditorWindow::addSeparator()
{
    m_commands.append(Command{nullptr, {}});
}

void EditorWindow::addEditingCommands(QAbstractButton* editButton, QAbstractButton* removeButton)
{
    const auto editable = [this] { return isEditableNode(selectedPosition()); };
    const auto keys = [](QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); };
    bindButton(editButton,
               addCommand(tr("Edit..."), EditKeys::edit(), [this] { editSelected(); }, editable),
               Glyph::Edit);
    bindButton(removeButton,
               addCommand(tr("Remove"), QKeySequence::Delete, [this] { removeSelected(); },
                          editable),
               Glyph::Remove);
    addSeparator();
    const auto clipboardCommand = [&](const QString& text, QKeySequence::StandardKey key,
                                      const std::function<void()>& run,
                                      const std::function<bool()>& canRun) {
        QAction* action = newAction(text, keys(key), run, canRun);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_view->addAction(action);
    };
    clipboardCommand(tr("Cut"), QKeySequence::Cut, [this] { cutSelected(); }, editable);
    clipboardCommand(tr("Copy"), QKeySequence::Copy, [this] { copySelected(); }, editable);
    clipboardCommand(
        tr("Paste"), QKeySequence::Paste, [this] { paste(); },
        [this] { return canPasteText(clipboardText(), selectedPosition()); });
    addSeparator();
    m_moveActions = {addCommand(
                         tr("Move up"), EditKeys::moveUp(), [this] { moveSelectedUp(); },
                         [this] { return canMoveSelected(-1); }),
                     addCommand(
                         tr("Move down"), EditKeys::moveDown(), [this] { moveSelectedDown(); },
                         [this] { return canMoveSelected(+1); })};
    addSeparator();
    addUndoAndRedo();
}

// Qt's own actions, which follow the stack: enabled when there is a step, named after it in
// Qt's words ("Undo Remove tag "Bold"").
void EditorWindow::addUndoAndRedo()
{
    QAction* undo = m_undoStack->createUndoAction(this);
    undo->setShortcuts(QKeySequence::keyBindings(QKeySequence::Undo));
    QAction* redo = m_undoStack->createRedoAction(this);
    redo->setShortcuts(EditKeys::redo());
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        m_commands.append(Command{action, {}});
    }
}

void EditorWindow::bindButton(QAbstractButton* button, QAction* action, Glyph glyph)
{
    button->setIcon(glyphIcon(glyph));
    button->setEnabled(action->isEnabled());
    connect(action, &QAction::enabledChanged, button, &QAbstractButton::setEnabled);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    const QKeySequence keys = action->shortcut();
    if (!keys.isEmpty())
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->text().remove(QLatin1Char('&')),
                                                         keys.toString(QKeySequence::NativeText)));
}

void EditorWindow::updateCommands()
{
    for (const Command& command : std::as_const(m_commands)) {
        if (command.action && command.canRun)
            command.action->setEnabled(command.canRun());
    }
    explainMoves();
}

// A move greyed out for a reason of its own says why in its tooltip.
void EditorWindow::explainMoves()
{
    const TreePosition at = selectedPosition();
    for (int i = 0; i < m_moveActions.size(); ++i) {
        const TreePosition to = shifted(at, i == 0 ? -1 : +1);
        QString why = m_find->moveRefusal();
        if (why.isEmpty() && at.isValid() && m_model->contains(to))
            why = m_model->moveRefusal(at, to);
        m_moveActions[i]->setToolTip(why);
    }
}

TreePosition EditorWindow::selectedPosition() const
{
    if (!m_view)
        return {};
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? TreePosition() : m_find->positionOf(selected.first());
}

bool EditorWindow::canMoveSelected(int by) const
{
    return m_find->moveRefusal().isEmpty() && m_model->canMove(selectedPosition(), by);
}

// The node's parent is opened first: a node moved into a closed category (a drop) would stay
// selected but hidden, and the keys would act on a node the user cannot see.
void EditorWindow::showNode(TreePosition at)
{
    const QModelIndex node = m_find->show(at);
    if (!node.isValid()) {
        m_view->selectionModel()->clear();
        return;
    }
    if (auto* tree = qobject_cast<QTreeView*>(m_view); tree && node.parent().isValid())
        tree->expand(node.parent());
    m_view->setCurrentIndex(node);
    m_view->scrollTo(node);
}

SelectNode EditorWindow::selector()
{
    return [this](TreePosition at, bool removed) { select(at, removed); };
}

void EditorWindow::select(TreePosition at, bool removed)
{
    showNode(removed ? m_find->afterRemoval(at) : at);
}

// A step that fails in its first run is not on the stack: it is ours to free.
void EditorWindow::push(QUndoCommand* step)
{
    std::unique_ptr<QUndoCommand> owned(step);
    m_undoStack->push(step);
    owned.release();
}

void EditorWindow::editSelected()
{
    const TreePosition at = selectedPosition();
    if (isEditableNode(at))
        editNode(at);
}

void EditorWindow::removeSelected()
{
    const TreePosition at = selectedPosition();
    if (!isEditableNode(at) || !Modal::confirm(this, removeQuestionText()))
        return;
    //: An undo step. %1 is "tag "Bold"" or the like.
    removeNode(at, tr("Remove %1").arg(nodeTitle(at)));
}

// Cut asks nothing: it can be undone, and the node is on the clipboard.
void EditorWindow::cutSelected()
{
    const TreePosition at = selectedPosition();
    if (!isEditableNode(at))
        return;
    copySelected();
    //: An undo step. %1 is "tag "Bold"" or the like.
    removeNode(at, tr("Cut %1").arg(nodeTitle(at)));
}

// Beside the text, the clipboard says which file's lines it holds, so that another editor does
// not take them for its own.
void EditorWindow::copySelected()
{
    const TreePosition at = selectedPosition();
    if (!isEditableNode(at))
        return;
    const QString text = nodeText(at);
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(clipboardKind(m_file.file()), text.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

void EditorWindow::paste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    for (const HostFile kind : everyHostFile) {
        if (kind != m_file.file() && data && data->hasFormat(clipboardKind(kind))) {
            //: %1 is a file's title: "standard procedures file".
            Modal::refuse(this, tr("The clipboard holds lines of the %1, which cannot be pasted "
                                   "here. Nothing was pasted.")
                                    .arg(hostFileTitle(kind)));
            return;
        }
    }
    pasteText(clipboardText(), selectedPosition());
}

QString EditorWindow::clipboardKind(HostFile file)
{
    switch (file) {
    case HostFile::Toolbar:
        return QStringLiteral("application/x-halvex-config-toolbar");
    case HostFile::Procedures:
        return QStringLiteral("application/x-halvex-config-procedures");
    case HostFile::MimeTypes:
        return QStringLiteral("application/x-halvex-config-mime-types");
    case HostFile::ImageStrip:
        break;
    }
    return QStringLiteral("application/x-halvex-config-image-strip");
}

void EditorWindow::moveSelectedUp()
{
    moveSelected(-1);
}

void EditorWindow::moveSelectedDown()
{
    moveSelected(+1);
}

void EditorWindow::moveSelected(int by)
{
    const TreePosition from = selectedPosition();
    if (!canMoveSelected(by))
        return;
    const QString title = nodeTitle(from);
    //: An undo step. %1 is "category "Lists"" or the like.
    const QString text = by < 0 ? tr("Move %1 up").arg(title) : tr("Move %1 down").arg(title);
    push(new MoveNode(*m_model, from, shifted(from, by), text, selector()));
}

void EditorWindow::accept()
{
    bool written = false;
    runGuarded(this, [&] { written = writeEditedFile(); });
    if (written)
        QDialog::accept();
}

bool EditorWindow::writeEditedFile()
{
    const FileReplacement replacement = m_file.replacement();
    if (!replacement.question().isEmpty() &&
        !Modal::confirm(this, replacement.question(), Modal::Default::No))
        return false;
    replacement.write([this](LineSink& lines) { writeDocument(lines); });
    if (m_leftCopyPutBack)
        QFile::remove(m_leftCopy);
    return true;
}

void EditorWindow::openFindBar()
{
    m_find->open();
}

QString EditorWindow::addStepText(const QString& title)
{
    //: An undo step: a node made with New. %1 is "tag "Bold"" or the like.
    return tr("Add %1").arg(title);
}

QString EditorWindow::changeStepText(const QString& title)
{
    //: An undo step: a node changed with Edit. %1 is "tag "Bold"" or the like.
    return tr("Change %1").arg(title);
}

QString EditorWindow::pasteTooLargeText()
{
    return tr("Cannot paste: what the clipboard holds is too large for the memory available. "
              "Nothing was pasted.");
}

void EditorWindow::showDroppedText(const DroppedTexts& dropped)
{
    const qsizetype count = dropped.count();
    const QString text =
        count == 1
            ? tr("1 line holds text the file cannot keep; OK writes it without it")
            : tr("%1 lines hold text the file cannot keep; OK writes them without it").arg(count);
    QStringList details;
    for (const DroppedText& line : dropped.first())
        details << describeDroppedText(line);
    if (count > dropped.first().size())
        //: Ends a list of lines that was cut short.
        details << tr("… and %1 more.").arg(count - dropped.first().size());
    const QString message =
        tr("These lines hold text after their last field, which the file's rules leave out: the "
           "host reads them without it, and OK writes them without it.") +
        QStringLiteral("\n\n") + details.join(QLatin1Char('\n'));
    auto* note = new FileNote(text, tr("Show the lines"), m_view->parentWidget());
    if (auto* pane = qobject_cast<QBoxLayout*>(m_view->parentWidget()->layout()))
        pane->insertWidget(0, note);
    connect(note, &FileNote::linkActivated, this,
            [this, message] { Modal::inform(this, message); });
}

QString EditorWindow::leftCopyQuestion(const QString& copy) const
{
    return tr("A save of \"%1\" was cut short, and a copy of what the file held before it was "
              "kept at \"%2\".\n\nPut that copy back? It becomes a step that you can undo, and "
              "OK writes it. No leaves the copy where it is.")
        .arg(displayPath(m_file.readPath()), displayPath(copy));
}

QString EditorWindow::putBackStepText()
{
    //: An undo step: the copy kept by a save that was cut short, made the editor's content.
    return tr("Put back the copy from the cut-short save");
}

bool& EditorWindow::putBackApplied(const QString& copy)
{
    m_leftCopy = copy;
    return m_leftCopyPutBack;
}

QString EditorWindow::pasteStepText(const QString& title)
{
    //: An undo step. %1 is "tag "Bold"" or "3 tags" or the like.
    return tr("Paste %1").arg(title);
}

const QString& EditorWindow::clipboardText()
{
    if (!m_clipboardText)
        m_clipboardText = QGuiApplication::clipboard()->text();
    return *m_clipboardText;
}

// As the system's tree does: a selection hidden by collapsing its parent moves to the parent,
// so that no command works on a node the user cannot see.
void EditorWindow::collapsed(const QModelIndex& parent)
{
    const TreePosition selected = selectedPosition();
    if (selected.isValid() && !selected.isTop() && selected.top == m_find->positionOf(parent).top)
        m_view->setCurrentIndex(parent);
}

// A right click opens the menu where it is; the Menu key below the current node. The keys of a
// command that cannot act now do nothing: the view would take them for its own (Alt+Down would
// move the current node, Ctrl+C copy a section's caption).
bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_view || (watched != m_view && watched != m_view->viewport()))
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return isKeyOfDisabledCommand(*static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::ContextMenu)
        return false;
    const auto* request = static_cast<QContextMenuEvent*>(event);
    showMenu(request->reason() == QContextMenuEvent::Mouse ? request->globalPos() : QPoint());
    return true;
}

// While the find bar shows, Esc anywhere in the window closes it first, as in Kate: only an Esc
// with no find bar is the window's Cancel, so that one key never drops the edits of a window whose
// list the user took for the whole.
void EditorWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        m_find->isOpen()) {
        m_find->close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EditorWindow::isKeyOfDisabledCommand(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const Command& command : m_commands) {
        if (command.action && !command.action->isEnabled() &&
            command.action->shortcuts().contains(pressed))
            return true;
    }
    return false;
}

void EditorWindow::showMenu(const QPoint& at)
{
    updateCommands();
    QMenu menu(m_view);
    // An entry greyed out for a reason of its own (moving while filtering) says why.
    menu.setToolTipsVisible(true);
    for (const Command& command : std::as_const(m_commands)) {
        if (command.action)
            menu.addAction(command.action);
        else
            menu.addSeparator();
    }
    QPoint where = at;
    const QModelIndex current = m_view->currentIndex();
    if (where.isNull() && current.isValid())
        where = m_view->viewport()->mapToGlobal(m_view->visualRect(current).bottomLeft());
    if (where.isNull())
        where = m_view->mapToGlobal(m_view->rect().center());
    Modal::showMenu(menu, where);
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
