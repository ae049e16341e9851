#include "procedures/ProceduresEditor.h"

#include "common/PlacementKeys.h"
#include "common/QuotedText.h"
#include "common/WholeTextDelegate.h"
#include "common/WindowSizing.h"
#include "procedures/CodeField.h"
#include "procedures/ProcedureDialog.h"
#include "ui_ProceduresEditor.h"

#include <QUndoStack>

#include <utility>

ProceduresEditor::ProceduresEditor(QWidget* parent, const HostOptions& options)
    : NodeEditor(parent, HostFile::Procedures, options, PlacementKey::proceduresEditor,
                 readProcedures, writeProcedures),
      ui(std::make_unique<Ui::ProceduresEditor>())
{
    ui->setupUi(this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrow(*this);
    setView(ui->itemsView, model());
    ui->itemsView->setItemDelegate(new WholeTextDelegate(ui->itemsView));
    setUpCodeField(*ui->codePreview);
    bindButton(ui->newCodeButton,
               addCommand(
                   tr("New code..."), EditKeys::newNode(), [this] { addProcedure(); },
                   [this] { return selectedPosition().isValid(); }),
               Glyph::NewCode);
    addEditingCommands(ui->editButton, ui->removeButton);
    // The preview follows the selection, and a change of the selected procedure.
    connect(this, &EditorWindow::selectedNodeChanged, this, &ProceduresEditor::showSelectedCode);
    connect(model(), &QAbstractItemModel::dataChanged, this, &ProceduresEditor::showSelectedCode);
    connect(undoStack(), &QUndoStack::indexChanged, this, &ProceduresEditor::showTypedCode);
    load();
}

ProceduresEditor::~ProceduresEditor() = default;

void ProceduresEditor::addProcedure()
{
    const TreePosition selected = selectedPosition();
    if (!selected.isValid())
        return;
    const int section = selected.top;
    addNode({section, int(model()->section(section).procedures.size())}, Procedure());
}

// Once the step of New or Edit is taken, the preview shows the code as it was typed.
void ProceduresEditor::showTypedCode()
{
    if (m_typedCode)
        ui->codePreview->setPlainText(*std::exchange(m_typedCode, std::nullopt));
}

// The view moves its selection while a removed node is still in the model, so the preview
// always reads a node that is there.
void ProceduresEditor::showSelectedCode()
{
    const TreePosition at = selectedPosition();
    if (isEditable(at))
        ui->codePreview->setPlainText(decodeNewLines(model()->procedure(at).code()));
    else
        ui->codePreview->clear();
}

bool ProceduresEditor::isEditable(TreePosition at) const
{
    return at.isValid() && !at.isTop();
}

QString ProceduresEditor::removeQuestion() const
{
    return tr("Remove selected code?");
}

std::optional<Procedure> ProceduresEditor::askNode(const Procedure& procedure)
{
    QString typedCode;
    std::optional<Procedure> edited = ProcedureDialog::edit(this, procedure, &typedCode);
    if (edited && *edited != procedure)
        m_typedCode = typedCode;
    return edited;
}

// After the selected procedure, or last in the selected section.
ProceduresEditor::Paste ProceduresEditor::readPaste(const QString& text,
                                                    TreePosition selected) const
{
    ProceduresPaste read = readProceduresPaste(text);
    const TreePosition first =
        selected.isTop()
            ? TreePosition{selected.top, int(model()->section(selected.top).procedures.size())}
            : shifted(selected, 1);
    return {std::move(read.procedures), first, read.refusal};
}

bool ProceduresEditor::canPaste(const QString& text, TreePosition selected) const
{
    return !text.isEmpty() && selected.isValid();
}

QString ProceduresEditor::title(const Procedure& procedure) const
{
    //: Names a node in an undo step ("Remove procedure "print;"").
    return tr("procedure %1").arg(quotedText(procedure.caption()));
}

QString ProceduresEditor::titleOfMany(const QList<Procedure>& procedures) const
{
    //: Names nodes in an undo step ("Paste 3 procedures").
    return tr("%n procedures", nullptr, int(procedures.size()));
}

QString ProceduresEditor::clipboardText(const Procedure& procedure) const
{
    return procedureText(procedure);
}
