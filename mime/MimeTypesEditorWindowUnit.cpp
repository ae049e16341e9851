#include "mime/MimeTypesEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "mime/MimeTypePropertiesWindowUnit.h"
#include "mime/MimeTypesModel.h"
#include "ui_MimeTypesEditorWindowUnit.h"

#include <QHeaderView>
#include <QShortcut>

MimeTypesEditorWindow::MimeTypesEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::MimeTypesEditorWindow>()),
      m_types(new MimeTypesModel(this)), m_file(HostFile::MimeTypes, options)
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    ui->btnNewType->setIcon(glyphIcon(Glyph::NewType));
    ui->btnEdit->setIcon(glyphIcon(Glyph::Edit));
    ui->btnRemove->setIcon(glyphIcon(Glyph::Remove));
    setUpList();
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
    keepPlacement(PlacementKey::mimeTypesEditor, PlacementStore::Keeps::PositionAndState);

    connectGuarded(ui->btnNewType, &QPushButton::clicked, this,
                   &MimeTypesEditorWindow::btnNewTypeClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &MimeTypesEditorWindow::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this,
                   &MimeTypesEditorWindow::btnRemoveClick);
    connectGuarded(ui->lvItems, &QAbstractItemView::doubleClicked, this,
                   &MimeTypesEditorWindow::btnEditClick);
    auto* removeKey = new QShortcut(QKeySequence::Delete, ui->lvItems);
    removeKey->setContext(Qt::WidgetShortcut);
    connectGuarded(removeKey, &QShortcut::activated, this, &MimeTypesEditorWindow::btnRemoveClick);
}

MimeTypesEditorWindow::~MimeTypesEditorWindow() = default;

void MimeTypesEditorWindow::onCreate()
{
    m_file.read([this](LineSource& lines) {
        MimeTypesRead read = readMimeTypes(lines);
        m_types->setDocument(std::move(read.document));
        return read.whole;
    });
}

// A table view draws the grid lines of a report list itself; its rows come from a plain list,
// so that filling and saving stay linear on very long files.
void MimeTypesEditorWindow::setUpList()
{
    QTableView& list = *ui->lvItems;
    list.setModel(m_types);
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

void MimeTypesEditorWindow::btnNewTypeClick()
{
    if (std::optional<MimeType> added = MimeTypePropertiesWindow::ask(this, {}))
        m_types->insertRow(m_types->rowCount(), std::move(*added));
}

void MimeTypesEditorWindow::btnEditClick()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    if (std::optional<MimeType> edited = MimeTypePropertiesWindow::ask(this, m_types->row(*row)))
        m_types->setRow(*row, std::move(*edited));
}

void MimeTypesEditorWindow::btnRemoveClick()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    if (!Modal::confirm(this, QStringLiteral("Remove selected type?")))
        return;
    m_types->takeRow(*row);
    // No other row takes the selection, so a second Remove cannot hit a row not chosen.
    ui->lvItems->clearSelection();
}
