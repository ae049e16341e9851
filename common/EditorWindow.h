#pragma once

#include "common/EditedFile.h"
#include "common/Glyphs.h"
#include "common/NodeCommands.h"
#include "common/NodeModel.h"

#include <QDialog>
#include <QKeySequence>
#include <QList>

#include <functional>
#include <optional>

class FindFilter;
class HostOptions;
class LineSink;
class QAbstractButton;
class QAbstractItemView;
class QAction;
class QKeyEvent;
class QUndoStack;

// What the three editors share: a view over the editor's model, with the find bar under it;
// commands as actions, on buttons, keys and a context menu alike, each enabled exactly when it
// can act; an undo stack that every change goes through, each step named; the OK and Cancel
// buttons; and the file that the editor read, which OK replaces. The typed part, NodeEditor,
// knows the model's nodes: an editor gives only its model and view, the dialog for a node, where
// a paste goes and how a node is named and copied.
class EditorWindow : public QDialog
{
    Q_OBJECT

public:
    ~EditorWindow() override;

    QUndoStack* undoStack() const { return m_undoStack; }

public slots:
    void editSelected();
    void removeSelected();
    void cutSelected();
    void copySelected();
    void paste();
    void moveSelectedUp();
    void moveSelectedDown();
    // Ctrl+F: the find bar under the view, the focus in its field.
    void openFindBar();
    // OK: replaces the file with what the editor shows, after the question the file calls for.
    // The window stays open when the answer was No or the file could not be written, so that
    // nothing the user did is lost.
    void accept() override;

signals:
    // Another node is selected, or none.
    void selectedNodeChanged();

protected:
    EditorWindow(QWidget* parent, HostFile file, const HostOptions& options,
                 const QString& placementKey);

    // Once the editor's form is set up: the view and the model it shows. The view stands alone
    // in a box layout, which the find bar joins under it; the form's okButton and cancelButton
    // get their pictures.
    void setView(QAbstractItemView* view, NodeModel* model);
    // A command of the editor's own, in the context menu in the order added; its keys work
    // while the view has the focus.
    QAction* addCommand(const QString& text, const QKeySequence& keys,
                        const std::function<void()>& run, const std::function<bool()>& canRun);
    void addSeparator();
    // The commands that every editor has after its own New: Edit and Remove (on these buttons
    // too), the clipboard, moving the selected node, and Undo and Redo (window-wide).
    void addEditingCommands(QAbstractButton* editButton, QAbstractButton* removeButton);
    // A button that runs the command: enabled with it, with its picture, and its keys in its
    // tooltip.
    static void bindButton(QAbstractButton* button, QAction* action, Glyph glyph);

    // Enables each command as it can act now; called whenever that may have changed.
    void updateCommands();

    QAbstractItemView* view() const { return m_view; }
    EditedFile& editedFile() { return m_file; }
    TreePosition selectedPosition() const;
    // The node current, selected and in view; none selected for an invalid position.
    void showNode(TreePosition at);
    // The note above the view that the file read holds text that OK does not write.
    void showDroppedText(const DroppedTexts& dropped);
    // How a step sets the selection: its node, or after a removal the node that took its place.
    SelectNode selector();
    void push(QUndoCommand* step);
    // OK's write of the editor's file, after the question it calls for: false when the answer
    // was No. Throws when the file cannot be written.
    bool writeEditedFile();

    // The texts of the steps, for the typed part.
    static QString addStepText(const QString& title);
    static QString changeStepText(const QString& title);
    static QString pasteStepText(const QString& title);
    static QString pasteTooLargeText();
    QString leftCopyQuestion(const QString& copy) const;
    static QString putBackStepText();
    // Where the step that puts the copy back says whether it is in effect: if it is when OK has
    // written the file, the copy has done its work and goes.
    bool& putBackApplied(const QString& copy);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the typed part, NodeEditor, answers for the model's nodes; an editor itself answers
    // at that level only.
    virtual bool isEditableNode(TreePosition at) const = 0;
    virtual QString removeQuestionText() const = 0;
    virtual void writeDocument(LineSink& lines) const = 0;
    // The node as an undo step names it: tag "Bold".
    virtual QString nodeTitle(TreePosition at) const = 0;
    virtual void editNode(TreePosition at) = 0;
    virtual void removeNode(TreePosition at, const QString& stepText) = 0;
    virtual QString nodeText(TreePosition at) const = 0;
    virtual void pasteText(const QString& text, TreePosition selected) = 0;
    virtual bool canPasteText(const QString& text, TreePosition selected) const = 0;

    struct Command
    {
        QAction* action; // nullptr for a separator
        std::function<bool()> canRun;
    };

    QAction* newAction(const QString& text, const QList<QKeySequence>& keys,
                       const std::function<void()>& run, const std::function<bool()>& canRun);
    void addUndoAndRedo();
    void moveSelected(int by);
    void explainMoves();
    void select(TreePosition at, bool removed);
    bool canMoveSelected(int by) const;
    void collapsed(const QModelIndex& parent);
    void showMenu(const QPoint& at);
    bool isKeyOfDisabledCommand(const QKeyEvent& key) const;
    const QString& clipboardText();
    void runIfAble(const std::function<void()>& run, const std::function<bool()>& canRun);
    // The clipboard format that marks lines copied from that file's editor.
    static QString clipboardKind(HostFile file);

    EditedFile m_file;
    QUndoStack* m_undoStack;
    QAbstractItemView* m_view = nullptr;
    NodeModel* m_model = nullptr;
    FindFilter* m_find = nullptr;
    QList<QAction*> m_moveActions;
    QList<Command> m_commands;
    // The clipboard's text, read once after each change of the clipboard: commands ask for it
    // whenever the selection moves, and another program may take a while to hand it over.
    std::optional<QString> m_clipboardText;
    QString m_leftCopy;
    bool m_leftCopyPutBack = false;
};

// The keys of the editing commands, the same in every editor.
namespace EditKeys {
QKeySequence newNode();
QKeySequence newTopNode();
QKeySequence edit();
QKeySequence moveUp();
QKeySequence moveDown();
QList<QKeySequence> redo();
} // namespace EditKeys
