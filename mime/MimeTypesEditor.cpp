#include "mime/MimeTypesEditor.h"

#include "common/PlacementKeys.h"
#include "common/QuotedText.h"
#include "common/WholeTextDelegate.h"
#include "common/WindowSizing.h"
#include "mime/MimeTypeDialog.h"
#include "ui_MimeTypesEditor.h"

#include <QHeaderView>

MimeTypesEditor::MimeTypesEditor(QWidget* parent, const HostOptions& options)
    : NodeEditor(parent, HostFile::MimeTypes, options, PlacementKey::mimeTypesEditor, readMimeTypes,
                 writeMimeTypes),
      ui(std::make_unique<Ui::MimeTypesEditor>())
{
    ui->setupUi(this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrow(*this);
    setUpList();
    bindButton(ui->newTypeButton,
               addCommand(
                   tr("New type..."), EditKeys::newNode(), [this] { addType(); },
                   [] { return true; }),
               Glyph::NewType);
    addEditingCommands(ui->editButton, ui->removeButton);
    // OK comes first in the tab order, and takes the focus first, as it always did here.
    ui->okButton->setFocus();
    load();
}

MimeTypesEditor::~MimeTypesEditor() = default;

// A table view draws the grid lines of a report list itself; its rows come from a plain list,
// so that filling and saving stay linear on very long files.
void MimeTypesEditor::setUpList()
{
    QTableView& list = *ui->itemsView;
    setView(&list, model());
    QHeaderView& header = *list.horizontalHeader();
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The suffix keeps its width and the type takes what the window gains: types are the long
    // ones.
    header.setStretchLastSection(false);
    header.resizeSection(MimeTypesModel::SuffixColumn, WindowSizing::scaled(list, 115));
    header.setSectionResizeMode(MimeTypesModel::TypeColumn, QHeaderView::Stretch);
    list.setItemDelegate(new WholeTextDelegate(&list));
    const int rowHeight = list.fontMetrics().height() + 4;
    list.verticalHeader()->setMinimumSectionSize(rowHeight);
    list.verticalHeader()->setDefaultSectionSize(rowHeight);
    // The selected row stays as visible as with the focus, since the buttons act on it.
    QPalette palette = list.palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
    list.setPalette(palette);
}

void MimeTypesEditor::addType()
{
    addNode({model()->rowCount(), -1}, MimeType());
}

QString MimeTypesEditor::removeQuestion() const
{
    return tr("Remove selected type?");
}

std::optional<MimeType> MimeTypesEditor::askNode(const MimeType& type)
{
    return MimeTypeDialog::edit(this, type);
}

// After the selected row, or last.
MimeTypesEditor::Paste MimeTypesEditor::readPaste(const QString& text,
                                                  TreePosition selected) const
{
    MimeTypesPaste read = readMimeTypesPaste(text);
    const TreePosition first{selected.isValid() ? selected.top + 1 : model()->rowCount(), -1};
    return {std::move(read.types), first, read.refusal};
}

QString MimeTypesEditor::title(const MimeType& type) const
{
    //: Names a node in an undo step ("Remove MIME type "TEXT/HTML"").
    return tr("MIME type %1").arg(quotedText(type.type()));
}

QString MimeTypesEditor::titleOfMany(const QList<MimeType>& types) const
{
    //: Names nodes in an undo step ("Paste 3 MIME types").
    return tr("%n MIME types", nullptr, int(types.size()));
}

QString MimeTypesEditor::clipboardText(const MimeType& type) const
{
    return mimeTypeText(type);
}
