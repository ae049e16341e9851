#include "procedures/ProceduresEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/LineFile.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "procedures/CodeField.h"
#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "procedures/ProceduresModel.h"
#include "ui_ProceduresEditorWindowUnit.h"

#include <QShortcut>

ProceduresEditorWindow::ProceduresEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::ProceduresEditorWindow>()),
      m_model(new ProceduresModel(this)), m_file(HostFile::Procedures, options)
{
    ui->setupUi(this);
    ui->tvItems->setModel(m_model);
    ui->btnNewCode->setIcon(glyphIcon(Glyph::NewCode));
    ui->btnEdit->setIcon(glyphIcon(Glyph::Edit));
    ui->btnRemove->setIcon(glyphIcon(Glyph::Remove));
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    ui->tvItems->viewport()->setAttribute(Qt::WA_Hover);
    setUpCodeField(*ui->txtCode);
    keepPlacement(PlacementKey::proceduresEditor, PlacementStore::Keeps::PositionAndState);
    connectHandlers();
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
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), ui->tvItems, nullptr, nullptr,
                                    Qt::WidgetShortcut);
    connectGuarded(deleteKey, &QShortcut::activated, this, &W::btnRemoveClick);
    connectGuarded(ui->btnNewCode, &QPushButton::clicked, this, &W::btnNewCodeClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &W::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &W::btnRemoveClick);
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

void ProceduresEditorWindow::onCreate()
{
    std::optional<AppError> stopped;
    m_file.read([&](LineSource& lines) {
        ProceduresRead read = readProcedures(lines, m_file.readPath());
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
    const int count = int(m_model->section(node.top).procedures.size());
    m_model->insertProcedure({node.top, count},
                             {DocumentText(caption), DocumentText(encodeNewLines(code))});
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
    m_model->setProcedure(at, {DocumentText(caption), DocumentText(encodeNewLines(code))});
    ui->txtCode->setPlainText(code);
}

void ProceduresEditorWindow::btnRemoveClick()
{
    const TreePosition at = selectedProcedure();
    if (!at.isValid() || !Modal::confirm(this, QStringLiteral("Remove selected code?")))
        return;
    m_model->takeProcedure(at);
    tvItemsChange();
}

void ProceduresEditorWindow::btnOkClick()
{
    if (!m_file.save(this,
                     [this](LineSink& lines) { writeProcedures(lines, m_model->document()); }))
        keepOpen();
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
