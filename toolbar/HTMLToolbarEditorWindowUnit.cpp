#include "toolbar/HTMLToolbarEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostOptions.h"
#include "common/Modal.h"
#include "common/SaveGuard.h"
#include "platform/AppError.h"
#include "platform/StrUtils.h"
#include "platform/WholeFile.h"
#include "toolbar/CategoryProperiesWindowUnit.h"
#include "toolbar/ImageList.h"
#include "toolbar/Picture.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "toolbar/ToolbarFile.h"
#include "toolbar/ToolbarItemDelegate.h"
#include "toolbar/UpdateGlyphsWindowUnit.h"
#include "toolbar/ViewImageWindowUnit.h"
#include "ui_HTMLToolbarEditorWindowUnit.h"

#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QShortcut>
#include <QUrl>

namespace {

const QString fieldDelimiter = QStringLiteral(":");

AppError stripTooSmall(const QString& path, QSize size)
{
    return AppError(
        QStringLiteral("The image strip \"%1\" is %2 x %3 pixels: it must be at least 16 "
                       "pixels wide and 16 pixels high to hold one image, so the editor "
                       "shows no images.")
            .arg(displayPath(path))
            .arg(size.width())
            .arg(size.height()));
}

// The dialog protocol: filled before it is shown, read back only when it closed with OK.
template <class Dialog, class Fields>
bool askFields(QWidget* owner, const ImageList& images, Fields& fields)
{
    Dialog dialog(owner, images);
    dialog.Create();
    dialog.setFields(fields);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return false;
    fields = dialog.fields();
    return true;
}

QString tagText(const TagFields& fields)
{
    return fields.caption + fieldDelimiter + fields.tag;
}

} // namespace

THTMLToolbarEditorWindow::THTMLToolbarEditorWindow(QWidget* parent, const HostOptions& options)
    : TForm(parent), ui(std::make_unique<Ui::THTMLToolbarEditorWindow>()), options(options),
      ImageList1(new ImageList(this))
{
    ui->setupUi(this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    ui->tvItems->viewport()->setAttribute(Qt::WA_Hover);
    // Long tags scroll sideways instead of being cut short.
    ui->tvItems->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tvItems->header()->setStretchLastSection(false);
    ui->btnNewTag->setIcon(glyphIcon(Glyph::NewTag));
    ui->btnNewCategory->setIcon(glyphIcon(Glyph::NewCategory));
    ui->btnEditGlyps->setIcon(glyphIcon(Glyph::EditImages));
    ui->btnViewGlyphs->setIcon(glyphIcon(Glyph::ViewImages));
    ui->btnEdit->setIcon(glyphIcon(Glyph::Edit));
    ui->btnRemove->setIcon(glyphIcon(Glyph::Remove));
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    keepPlacement(TFormStorage::Keeps::PositionAndState);

    using W = THTMLToolbarEditorWindow;
    connectGuarded(ui->btnNewTag, &QPushButton::clicked, this, &W::btnNewTagClick);
    connectGuarded(ui->btnNewCategory, &QPushButton::clicked, this, &W::btnNewCategoryClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &W::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &W::btnRemoveClick);
    connectGuarded(ui->btnEditGlyps, &QPushButton::clicked, this, &W::btnEditGlypsClick);
    connectGuarded(ui->btnViewGlyphs, &QPushButton::clicked, this, &W::btnViewGlyphsClick);
    connectGuarded(ui->tvItems, &QTreeWidget::itemDoubleClicked, this, &W::btnEditClick);
    auto* removeKey =
        new QShortcut(QKeySequence::Delete, ui->tvItems, nullptr, nullptr, Qt::WidgetShortcut);
    connectGuarded(removeKey, &QShortcut::activated, this, &W::btnRemoveClick);
    connect(ImageList1, &ImageList::changed, ui->tvItems->viewport(),
            qOverload<>(&QWidget::update));
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

THTMLToolbarEditorWindow::~THTMLToolbarEditorWindow() = default;

// Each load reports its own failure, and the toolbar is read even when the strip fails, so that
// OK never replaces the file with a tree that was not filled from it.
void THTMLToolbarEditorWindow::FormCreate()
{
    runGuarded(this, [this] { LoadGlyphs(); });
    loadedPath = options.ReadString(Opt_HTMLToolbarCFG);
    runGuarded(this, [this] { LoadToolbar(*ui->tvItems, options, toolbarExtent); });
    ui->tvItems->setItemDelegate(new ToolbarItemDelegate(*ImageList1, ui->tvItems));
    ui->tvItems->viewport()->update();
}

void THTMLToolbarEditorWindow::LoadGlyphs()
{
    GlyphsFile = options.ReadString(Opt_HTMLToolbarGlyphs);
    const QImage strip = loadPicture(GlyphsFile, QStringLiteral("image strip"));
    ImageList1->clear();
    ImageList1->addStrip(strip);
    if (ImageList1->count() == 0)
        throw stripTooSmall(GlyphsFile, strip.size());
}

QTreeWidgetItem* THTMLToolbarEditorWindow::selectedNode() const
{
    const QList<QTreeWidgetItem*> selected = ui->tvItems->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void THTMLToolbarEditorWindow::btnNewTagClick()
{
    QTreeWidgetItem* selected = selectedNode();
    if (!selected)
        return;
    QTreeWidgetItem* category = selected->parent() ? selected->parent() : selected;
    TagFields fields;
    if (askFields<TTagPropertiesWindow>(this, *ImageList1, fields))
        category->addChild(newToolbarItem(tagText(fields), fields.imageIndex));
}

void THTMLToolbarEditorWindow::btnNewCategoryClick()
{
    CategoryFields fields;
    if (askFields<TCategoryProperiesWindow>(this, *ImageList1, fields))
        ui->tvItems->addTopLevelItem(newToolbarItem(fields.caption, fields.imageIndex));
}

void THTMLToolbarEditorWindow::btnEditClick()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    if (node->parent())
        editTag(*node);
    else
        editCategory(*node);
}

void THTMLToolbarEditorWindow::editCategory(QTreeWidgetItem& node)
{
    CategoryFields fields{node.text(0), imageIndexOf(node)};
    if (askFields<TCategoryProperiesWindow>(this, *ImageList1, fields))
        setToolbarItem(node, fields.caption, fields.imageIndex);
}

void THTMLToolbarEditorWindow::editTag(QTreeWidgetItem& node)
{
    const QString text = node.text(0);
    TagFields fields{ExtractDelimited(1, text, fieldDelimiter),
                     ExtractDelimited(2, text, fieldDelimiter), imageIndexOf(node)};
    if (askFields<TTagPropertiesWindow>(this, *ImageList1, fields))
        setToolbarItem(node, tagText(fields), fields.imageIndex);
}

void THTMLToolbarEditorWindow::btnRemoveClick()
{
    QTreeWidgetItem* node = selectedNode();
    if (node && Modal::confirm(this, QStringLiteral("Remove selected tag/category")))
        delete node;
}

void THTMLToolbarEditorWindow::btnOkClick()
{
    if (!mayReplaceFile(this, toolbarExtent, loadedPath, options.ReadString(Opt_HTMLToolbarCFG))) {
        keepOpen();
        return;
    }
    SaveToolbar(*ui->tvItems, options);
}

// The strip's program is started and left to run; the prompt is the only link with it.
void THTMLToolbarEditorWindow::btnEditGlypsClick()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(GlyphsFile));
    if (ShowDialog<TUpdateGlyphsWindow>(this))
        LoadGlyphs();
}

void THTMLToolbarEditorWindow::btnViewGlyphsClick()
{
    ShowImage(this, GlyphsFile);
}
