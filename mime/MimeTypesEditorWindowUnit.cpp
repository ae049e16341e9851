#include "mime/MimeTypesEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "common/ListCommands.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "common/ViewRoom.h"
#include "mime/MimeTypePropertiesWindowUnit.h"
#include "mime/MimeTypesModel.h"
#include "ui_MimeTypesEditorWindowUnit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QUndoStack>

MimeTypesEditorWindow::MimeTypesEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::MimeTypesEditorWindow>()),
      m_types(new MimeTypesModel(this)), m_undo(new QUndoStack(this)),
      m_file(HostFile::MimeTypes, options)
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    ui->btnNewType->setIcon(glyphIcon(Glyph::NewType));
    ui->btnEdit->setIcon(glyphIcon(Glyph::Edit));
    ui->btnRemove->setIcon(glyphIcon(Glyph::Remove));
    setUpList();
    keepPlacement(PlacementKey::mimeTypesEditor, PlacementStore::Keeps::PositionAndState);
    connectButtons();
    setUpCommands();
}

void MimeTypesEditorWindow::connectButtons()
{
    using W = MimeTypesEditorWindow;
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
    connectGuarded(ui->btnNewType, &QPushButton::clicked, this, &W::btnNewTypeClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &W::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &W::btnRemoveClick);
    connectGuarded(ui->lvItems, &QAbstractItemView::doubleClicked, this, &W::btnEditClick);
    connect(m_types, &MimeTypesModel::moveRequested, this,
            [this](TreePosition from, TreePosition to) {
                push(new MoveNode<MimeTypesModel>(*m_types, from, to, selector()));
            });
}

void MimeTypesEditorWindow::setUpCommands()
{
    using W = MimeTypesEditorWindow;
    auto& c = *new ListCommands(ui->lvItems, this);
    const auto always = [] { return true; };
    const auto row = [this] { return selectedRow().has_value(); };
    c.add(tr("New type..."), {EditKeys::newNode()}, handler(this, &W::btnNewTypeClick), always);
    c.add(tr("Edit..."), {EditKeys::edit()}, handler(this, &W::btnEditClick), row);
    c.add(tr("Remove"), {QKeySequence::Delete}, handler(this, &W::btnRemoveClick), row);
    ListCommands::Editing editing;
    editing.cut = handler(this, &W::cutClick);
    editing.copy = handler(this, &W::copyClick);
    editing.canCopy = row;
    editing.paste = handler(this, &W::pasteClick);
    editing.canPaste = [] { return !QGuiApplication::clipboard()->text().isEmpty(); };
    editing.move = [this](int by) { moveClick(by); };
    editing.canMove = [this](int by) { return canMove(by); };
    editing.undo = m_undo;
    c.addEditing(editing);
    showKeysInToolTip(ui->btnNewType, EditKeys::newNode());
    showKeysInToolTip(ui->btnEdit, EditKeys::edit());
    showKeysInToolTip(ui->btnRemove, QKeySequence::Delete);
}

MimeTypesEditorWindow::~MimeTypesEditorWindow() = default;

// The first row is selected, so that the commands act on what the list shows as current.
void MimeTypesEditorWindow::onCreate()
{
    m_file.read([this](LineSource& lines) {
        MimeTypesRead read = readMimeTypes(lines);
        requireRoomToShow(read.document.rows.size());
        m_types->setDocument(std::move(read.document));
        return read.whole;
    });
    if (m_types->rowCount() > 0)
        select({0, -1}, false);
}

// A table view draws the grid lines of a report list itself; its rows come from a plain list,
// so that filling and saving stay linear on very long files.
void MimeTypesEditorWindow::setUpList()
{
    QTableView& list = *ui->lvItems;
    list.setModel(m_types);
    list.setDragDropMode(QAbstractItemView::InternalMove);
    list.setDefaultDropAction(Qt::MoveAction);
    QHeaderView& header = *list.horizontalHeader();
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header.resizeSection(MimeTypesModel::TypeColumn, 150);
    header.resizeSection(MimeTypesModel::SuffixColumn, 115);
    const int rowHeight = list.fontMetrics().height() + 4;
    list.verticalHeader()->setMinimumSectionSize(rowHeight);
    list.verticalHeader()->setDefaultSectionSize(rowHeight);
    // The selected row stays as visible as with the focus, since the buttons act on it.
    QPalette palette = list.palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
    list.setPalette(palette);
}

std::optional<int> MimeTypesEditorWindow::selectedRow() const
{
    const QModelIndexList rows = ui->lvItems->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().row();
}

void MimeTypesEditorWindow::btnOkClick()
{
    if (!m_file.save(this, [this](LineSink& lines) { writeMimeTypes(lines, m_types->document()); }))
        keepOpen();
}

// A new row goes last and leaves the selection where it was.
void MimeTypesEditorWindow::btnNewTypeClick()
{
    std::optional<MimeType> added = MimeTypePropertiesWindow::ask(this, {});
    if (added)
        push(new InsertNodes<MimeTypesModel>(*m_types, {m_types->rowCount(), -1}, {*added},
                                             selector(), false));
}

void MimeTypesEditorWindow::btnEditClick()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    const std::optional<MimeType> edited = MimeTypePropertiesWindow::ask(this, m_types->row(*row));
    if (edited && *edited != m_types->row(*row))
        push(new ReplaceNode<MimeTypesModel>(*m_types, {*row, -1}, *edited, selector()));
}

void MimeTypesEditorWindow::btnRemoveClick()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    if (!Modal::confirm(this, tr("Remove selected type?")))
        return;
    push(new RemoveNode<MimeTypesModel>(*m_types, {*row, -1}, selector()));
}

void MimeTypesEditorWindow::cutClick()
{
    copyClick();
    push(new RemoveNode<MimeTypesModel>(*m_types, {*selectedRow(), -1}, selector()));
}

void MimeTypesEditorWindow::copyClick()
{
    QGuiApplication::clipboard()->setText(mimeTypeText(m_types->row(*selectedRow())));
}

// After the selected row, or last.
void MimeTypesEditorWindow::pasteClick()
{
    const MimeTypesPaste paste = readMimeTypesPaste(QGuiApplication::clipboard()->text());
    if (!paste.refusal.isEmpty()) {
        Modal::refuse(this, paste.refusal);
        return;
    }
    const std::optional<int> row = selectedRow();
    const TreePosition first{row ? *row + 1 : m_types->rowCount(), -1};
    push(new InsertNodes<MimeTypesModel>(*m_types, first, paste.types, selector(), true));
}

void MimeTypesEditorWindow::moveClick(int by)
{
    const TreePosition from{*selectedRow(), -1};
    push(new MoveNode<MimeTypesModel>(*m_types, from, shifted(from, by), selector()));
}

bool MimeTypesEditorWindow::canMove(int by) const
{
    const std::optional<int> row = selectedRow();
    return row && canShift(*m_types, {*row, -1}, by);
}

void MimeTypesEditorWindow::push(QUndoCommand* step)
{
    m_undo->push(step);
}

SelectNode MimeTypesEditorWindow::selector()
{
    return [this](TreePosition at, bool removed) { select(at, removed); };
}

// A step leaves its row selected and in view. After a removal no other row takes the
// selection, so that a second Remove cannot hit a row not chosen.
void MimeTypesEditorWindow::select(TreePosition at, bool removed)
{
    if (removed) {
        ui->lvItems->clearSelection();
        return;
    }
    ui->lvItems->selectRow(at.top);
    ui->lvItems->scrollTo(m_types->index(at.top, 0));
}
