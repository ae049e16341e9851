#include "procedures/ProceduresEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/PlacementKeys.h"
#include "common/HostOptions.h"
#include "common/Modal.h"
#include "common/SaveGuard.h"
#include "procedures/CodeField.h"
#include "procedures/ProcedurePropertiesWindowUnit.h"
#include "procedures/ProcsFile.h"
#include "ui_ProceduresEditorWindowUnit.h"

#include <QShortcut>
#include <QSignalBlocker>

ProceduresEditorWindow::ProceduresEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::ProceduresEditorWindow>()), m_options(options)
{
    ui->setupUi(this);
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

ProceduresEditorWindow::~ProceduresEditorWindow()
{
    FormDestroy();
}

void ProceduresEditorWindow::connectHandlers()
{
    connect(ui->tvItems, &QTreeWidget::itemSelectionChanged, this,
            [this] { runGuarded(this, [this] { tvItemsChange(selectedNode()); }); });
    connect(ui->tvItems, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) {
        runGuarded(this, [this, node] { tvItemsDblClick(node); });
    });
    connect(ui->tvItems, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* node) {
        runGuarded(this, [this, node] { tvItemsCollapsed(node); });
    });
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), ui->tvItems, nullptr, nullptr,
                                    Qt::WidgetShortcut);
    connectGuarded(deleteKey, &QShortcut::activated, this,
                   &ProceduresEditorWindow::btnRemoveClick);
    connectGuarded(ui->btnNewCode, &QPushButton::clicked, this,
                   &ProceduresEditorWindow::btnNewCodeClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this,
                   &ProceduresEditorWindow::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this,
                   &ProceduresEditorWindow::btnRemoveClick);
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

void ProceduresEditorWindow::onCreate()
{
    Codes.clear();
    m_loadedPath = proceduresFilePath(m_options);
    LoadProcs(*ui->tvItems, Codes, m_options, m_extent);
}

void ProceduresEditorWindow::FormDestroy()
{
    Codes.clear();
}

void ProceduresEditorWindow::tvItemsChange(QTreeWidgetItem* node)
{
    if (node && isProcedure(*node))
        ui->txtCode->setPlainText(DecodeNewLines(Codes.at(absoluteIndex(*node))));
    else
        ui->txtCode->clear();
}

void ProceduresEditorWindow::tvItemsDblClick(QTreeWidgetItem* node)
{
    if (node && isProcedure(*node) && node == selectedNode())
        btnEditClick();
}

// As the system's tree does: a selection hidden by collapsing its section moves to the section,
// so that no command works on a node the user cannot see.
void ProceduresEditorWindow::tvItemsCollapsed(QTreeWidgetItem* node)
{
    const QTreeWidgetItem* selected = selectedNode();
    if (selected && selected->parent() == node)
        ui->tvItems->setCurrentItem(node);
}

void ProceduresEditorWindow::btnNewCodeClick()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    QTreeWidgetItem* section = isProcedure(*node) ? node->parent() : node;
    QString caption;
    QString code;
    if (!askProcedure(caption, code))
        return;
    appendProcedure(*section, Codes, caption, EncodeNewLines(code));
    ui->txtCode->setPlainText(code);
}

void ProceduresEditorWindow::btnEditClick()
{
    QTreeWidgetItem* procedure = selectedProcedure();
    if (!procedure)
        return;
    const int index = absoluteIndex(*procedure);
    QString caption = procedure->text(0);
    QString code = DecodeNewLines(Codes.at(index));
    if (!askProcedure(caption, code))
        return;
    procedure->setText(0, caption);
    Codes[index] = EncodeNewLines(code);
    ui->txtCode->setPlainText(code);
}

void ProceduresEditorWindow::btnRemoveClick()
{
    QTreeWidgetItem* procedure = selectedProcedure();
    if (!procedure || !Modal::confirm(this, QStringLiteral("Remove selected code?")))
        return;
    {
        // The tree moves its selection while the node is still in it; the preview is read once
        // the node and its entry are both gone.
        const QSignalBlocker blocker(ui->tvItems);
        removeProcedure(procedure, Codes);
    }
    tvItemsChange(selectedNode());
}

void ProceduresEditorWindow::btnOkClick()
{
    if (!mayReplaceFile(this, m_extent, m_loadedPath, proceduresFilePath(m_options))) {
        keepOpen();
        return;
    }
    SaveProcs(*ui->tvItems, Codes, m_options);
}

QTreeWidgetItem* ProceduresEditorWindow::selectedNode() const
{
    return ui->tvItems->selectedItems().value(0);
}

QTreeWidgetItem* ProceduresEditorWindow::selectedProcedure() const
{
    QTreeWidgetItem* node = selectedNode();
    return node && isProcedure(*node) ? node : nullptr;
}

bool ProceduresEditorWindow::askProcedure(QString& caption, QString& code)
{
    ProcedurePropertiesWindow dialog(this, caption, code);
    dialog.create();
    if (Modal::exec(dialog) != QDialog::Accepted)
        return false;
    caption = dialog.caption();
    code = dialog.code();
    return true;
}
