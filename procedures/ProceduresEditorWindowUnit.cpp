#include "procedures/ProceduresEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/LineFile.h"
#include "common/ListCommands.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "common/ViewRoom.h"
#include "procedures/CodeField.h"
#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "procedures/ProceduresModel.h"
#include "ui_ProceduresEditorWindowUnit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUndoStack>

ProceduresEditorWindow::ProceduresEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::ProceduresEditorWindow>()),
      m_model(new ProceduresModel(this)), m_undo(new QUndoStack(this)),
      m_file(HostFile::Procedures, options)
{
    ui->setupUi(this);
    ui->tvItems->setModel(m_model);
    ui->tvItems->setDragDropMode(QAbstractItemView::InternalMove);
    ui->tvItems->setDefaultDropAction(Qt::MoveAction);
    ui->btnNewCode->setIcon(glyphIcon(Glyph::NewCode));
    ui->btnEdit->setIcon(glyphIcon(Glyph::Edit));
    ui->btnRemove->setIcon(glyphIcon(Glyph::Remove));
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    ui->tvItems->viewport()->setAttribute(Qt::WA_Hover);
    setUpCodeField(*ui->txtCode);
    keepPlacement(PlacementKey::proceduresEditor, PlacementStore::Keeps::PositionAndState);
    connectHandlers();
    setUpCommands();
}

ProceduresEditorWindow::~ProceduresEditorWindow() = default;

void ProceduresEditorWindow::connectHandlers()
{
    using W = ProceduresEditorWindow;
    connectGuarded(ui->tvItems->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                   &W::tvItemsChange);
    connect(ui->tvItems, &QTreeView::doubleClicked, this, [this](const QModelIndex& node) {
        runGuarded(this, [this, node] { tvItemsDblClick(node); });
    });
    connect(ui->tvItems, &QTreeView::collapsed, this, [this](const QModelIndex& section) {
        runGuarded(this, [this, section] { tvItemsCollapsed(section); });
    });
    connect(m_model, &ProceduresModel::moveRequested, this,
            [this](TreePosition from, TreePosition to) {
                push(new MoveNode<ProceduresModel>(*m_model, from, to, selector()));
            });
    connectGuarded(ui->btnNewCode, &QPushButton::clicked, this, &W::btnNewCodeClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &W::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &W::btnRemoveClick);
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

void ProceduresEditorWindow::setUpCommands()
{
    using W = ProceduresEditorWindow;
    m_commands = new ListCommands(ui->tvItems, this);
    ListCommands& c = *m_commands;
    const auto node = [this] { return selectedNode().isValid(); };
    const auto procedure = [this] { return selectedProcedure().isValid(); };
    c.add(tr("New code..."), {EditKeys::newNode()}, handler(this, &W::btnNewCodeClick), node);
    c.add(tr("Edit..."), {EditKeys::edit()}, handler(this, &W::btnEditClick), procedure);
    c.add(tr("Remove"), {QKeySequence::Delete}, handler(this, &W::btnRemoveClick), procedure);
    ListCommands::Editing editing;
    editing.cut = handler(this, &W::cutClick);
    editing.copy = handler(this, &W::copyClick);
    editing.canCopy = procedure;
    editing.paste = handler(this, &W::pasteClick);
    editing.canPaste = [node] { return node() && !QGuiApplication::clipboard()->text().isEmpty(); };
    editing.move = [this](int by) { moveClick(by); };
    editing.canMove = [this](int by) { return canMove(by); };
    editing.undo = m_undo;
    c.addEditing(editing);
    showKeysInToolTip(ui->btnNewCode, EditKeys::newNode());
    showKeysInToolTip(ui->btnEdit, EditKeys::edit());
    showKeysInToolTip(ui->btnRemove, QKeySequence::Delete);
}

// The first node is selected, so that the commands act on what the tree shows as current; the
// part of a file read before a line that stopped the reader is there to select.
void ProceduresEditorWindow::onCreate()
{
    runGuarded(this, [this] { load(); });
    select({0, -1}, false);
}

void ProceduresEditorWindow::load()
{
    std::optional<AppError> stopped;
    m_file.read([&](LineSource& lines) {
        ProceduresRead read = readProcedures(lines);
        requireRoomToShow(read.document.sections.size());
        m_model->setDocument(std::move(read.document));
        stopped = read.stoppedBy;
        return read.whole;
    });
    if (stopped)
        throw *stopped;
}

// The view moves its selection while a removed node is still in the model, so the preview
// always reads a node that is there.
void ProceduresEditorWindow::tvItemsChange()
{
    const TreePosition node = selectedNode();
    if (node.isValid() && !node.isTop())
        ui->txtCode->setPlainText(decodeNewLines(m_model->procedure(node).code.toString()));
    else
        ui->txtCode->clear();
}

void ProceduresEditorWindow::tvItemsDblClick(const QModelIndex& node)
{
    const TreePosition at = TwoLevelModel::positionOf(node);
    if (at.isValid() && !at.isTop() && at == selectedNode())
        btnEditClick();
}

// As the system's tree does: a selection hidden by collapsing its section moves to the section,
// so that no command works on a node the user cannot see.
void ProceduresEditorWindow::tvItemsCollapsed(const QModelIndex& section)
{
    const TreePosition selected = selectedNode();
    if (selected.isValid() && !selected.isTop() &&
        selected.top == TwoLevelModel::positionOf(section).top)
        ui->tvItems->setCurrentIndex(section);
}

void ProceduresEditorWindow::btnNewCodeClick()
{
    const TreePosition node = selectedNode();
    if (!node.isValid())
        return;
    QString caption;
    QString code;
    if (!askProcedure(caption, code))
        return;
    const TreePosition last{node.top, int(m_model->section(node.top).procedures.size())};
    const Procedure added{DocumentText(caption), DocumentText(encodeNewLines(code))};
    push(new InsertNodes<ProceduresModel>(*m_model, last, {added}, selector(), false));
    ui->txtCode->setPlainText(code);
}

void ProceduresEditorWindow::btnEditClick()
{
    const TreePosition at = selectedProcedure();
    if (!at.isValid())
        return;
    const Procedure& procedure = m_model->procedure(at);
    QString caption = procedure.caption.toString();
    QString code = decodeNewLines(procedure.code.toString());
    if (!askProcedure(caption, code))
        return;
    const Procedure edited{DocumentText(caption), DocumentText(encodeNewLines(code))};
    if (edited != m_model->procedure(at))
        push(new ReplaceNode<ProceduresModel>(*m_model, at, edited, selector()));
    ui->txtCode->setPlainText(code);
}

void ProceduresEditorWindow::btnRemoveClick()
{
    const TreePosition at = selectedProcedure();
    if (!at.isValid() || !Modal::confirm(this, tr("Remove selected code?")))
        return;
    push(new RemoveNode<ProceduresModel>(*m_model, at, selector()));
}

void ProceduresEditorWindow::btnOkClick()
{
    if (!m_file.save(this,
                     [this](LineSink& lines) { writeProcedures(lines, m_model->document()); }))
        keepOpen();
}

void ProceduresEditorWindow::cutClick()
{
    copyClick();
    push(new RemoveNode<ProceduresModel>(*m_model, selectedProcedure(), selector()));
}

void ProceduresEditorWindow::copyClick()
{
    QGuiApplication::clipboard()->setText(procedureText(m_model->procedure(selectedProcedure())));
}

// After the selected procedure, or last in the selected section.
void ProceduresEditorWindow::pasteClick()
{
    const ProceduresPaste paste = readProceduresPaste(QGuiApplication::clipboard()->text());
    if (!paste.refusal.isEmpty()) {
        Modal::refuse(this, paste.refusal);
        return;
    }
    const TreePosition node = selectedNode();
    const TreePosition first =
        node.isTop() ? TreePosition{node.top, int(m_model->section(node.top).procedures.size())}
                     : shifted(node, 1);
    push(new InsertNodes<ProceduresModel>(*m_model, first, paste.procedures, selector(), true));
}

void ProceduresEditorWindow::moveClick(int by)
{
    const TreePosition from = selectedProcedure();
    push(new MoveNode<ProceduresModel>(*m_model, from, shifted(from, by), selector()));
}

bool ProceduresEditorWindow::canMove(int by) const
{
    return canShift(*m_model, selectedProcedure(), by);
}

void ProceduresEditorWindow::push(QUndoCommand* step)
{
    m_undo->push(step);
}

SelectNode ProceduresEditorWindow::selector()
{
    return [this](TreePosition at, bool removed) { select(at, removed); };
}

// A step leaves its node selected and in view, and the preview showing it, also when the node
// was selected already; a removal leaves the node that took its place.
void ProceduresEditorWindow::select(TreePosition at, bool removed)
{
    showStepNode(ui->tvItems, m_model->indexOf(removed ? afterRemoval(*m_model, at) : at));
    tvItemsChange();
}

TreePosition ProceduresEditorWindow::selectedNode() const
{
    return TwoLevelModel::positionOf(ui->tvItems->selectionModel()->selectedIndexes().value(0));
}

TreePosition ProceduresEditorWindow::selectedProcedure() const
{
    const TreePosition node = selectedNode();
    return node.isValid() && !node.isTop() ? node : TreePosition();
}

bool ProceduresEditorWindow::askProcedure(QString& caption, QString& code)
{
    ProcedurePropertiesWindow dialog(this, caption, code);
    dialog.runCreateHandler();
    if (Modal::exec(dialog) != QDialog::Accepted)
        return false;
    caption = dialog.caption();
    code = dialog.code();
    return true;
}
