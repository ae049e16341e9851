#include "toolbar/ToolbarEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/PlacementKeys.h"
#include "common/HostOptions.h"
#include "common/Modal.h"
#include "common/SaveGuard.h"
#include "platform/AppError.h"
#include "platform/StrUtils.h"
#include "platform/WholeFile.h"
#include "toolbar/CategoryPropertiesWindowUnit.h"
#include "toolbar/ImageList.h"
#include "toolbar/Picture.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "toolbar/ToolbarFile.h"
#include "toolbar/ToolbarItemDelegate.h"
#include "toolbar/UpdateImagesWindowUnit.h"
#include "toolbar/ViewImageWindowUnit.h"
#include "ui_ToolbarEditorWindowUnit.h"

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
    dialog.create();
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

ToolbarEditorWindow::ToolbarEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::ToolbarEditorWindow>()), options(options),
      m_images(new ImageList(this))
{
    ui->setupUi(this);
    m_images->setObjectName(QStringLiteral("ImageList1"));
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
    keepPlacement(PlacementKey::toolbarEditor, PlacementStore::Keeps::PositionAndState);

    using W = ToolbarEditorWindow;
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
    connect(m_images, &ImageList::changed, ui->tvItems->viewport(),
            qOverload<>(&QWidget::update));
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

ToolbarEditorWindow::~ToolbarEditorWindow() = default;

// Each load reports its own failure, and the toolbar is read even when the strip fails, so that
// OK never replaces the file with a tree that was not filled from it.
void ToolbarEditorWindow::onCreate()
{
    runGuarded(this, [this] { loadImageStrip(); });
    loadedPath = options.readString(Opt_HTMLToolbarCFG);
    runGuarded(this, [this] { LoadToolbar(*ui->tvItems, options, toolbarExtent); });
    ui->tvItems->setItemDelegate(new ToolbarItemDelegate(*m_images, ui->tvItems));
    ui->tvItems->viewport()->update();
}

void ToolbarEditorWindow::loadImageStrip()
{
    m_stripPath = options.readString(Opt_HTMLToolbarGlyphs);
    const QImage strip = loadPicture(m_stripPath, QStringLiteral("image strip"));
    m_images->clear();
    m_images->addStrip(strip);
    if (m_images->count() == 0)
        throw stripTooSmall(m_stripPath, strip.size());
}

QTreeWidgetItem* ToolbarEditorWindow::selectedNode() const
{
    const QList<QTreeWidgetItem*> selected = ui->tvItems->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ToolbarEditorWindow::btnNewTagClick()
{
    QTreeWidgetItem* selected = selectedNode();
    if (!selected)
        return;
    QTreeWidgetItem* category = selected->parent() ? selected->parent() : selected;
    TagFields fields;
    if (askFields<TagPropertiesWindow>(this, *m_images, fields))
        category->addChild(newToolbarItem(tagText(fields), fields.imageIndex));
}

void ToolbarEditorWindow::btnNewCategoryClick()
{
    CategoryFields fields;
    if (askFields<CategoryPropertiesWindow>(this, *m_images, fields))
        ui->tvItems->addTopLevelItem(newToolbarItem(fields.caption, fields.imageIndex));
}

void ToolbarEditorWindow::btnEditClick()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    if (node->parent())
        editTag(*node);
    else
        editCategory(*node);
}

void ToolbarEditorWindow::editCategory(QTreeWidgetItem& node)
{
    CategoryFields fields{node.text(0), imageIndexOf(node)};
    if (askFields<CategoryPropertiesWindow>(this, *m_images, fields))
        setToolbarItem(node, fields.caption, fields.imageIndex);
}

void ToolbarEditorWindow::editTag(QTreeWidgetItem& node)
{
    const QString text = node.text(0);
    TagFields fields{extractDelimited(1, text, fieldDelimiter),
                     extractDelimited(2, text, fieldDelimiter), imageIndexOf(node)};
    if (askFields<TagPropertiesWindow>(this, *m_images, fields))
        setToolbarItem(node, tagText(fields), fields.imageIndex);
}

void ToolbarEditorWindow::btnRemoveClick()
{
    QTreeWidgetItem* node = selectedNode();
    if (node && Modal::confirm(this, QStringLiteral("Remove selected tag/category")))
        delete node;
}

void ToolbarEditorWindow::btnOkClick()
{
    if (!mayReplaceFile(this, toolbarExtent, loadedPath, options.readString(Opt_HTMLToolbarCFG))) {
        keepOpen();
        return;
    }
    SaveToolbar(*ui->tvItems, options);
}

// The strip's program is started and left to run; the prompt is the only link with it.
void ToolbarEditorWindow::btnEditGlypsClick()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_stripPath));
    if (showDialog<UpdateImagesWindow>(this))
        loadImageStrip();
}

void ToolbarEditorWindow::btnViewGlyphsClick()
{
    showImage(this, m_stripPath);
}
