#include "toolbar/ToolbarEditorWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "platform/AppError.h"
#include "platform/WholeFile.h"
#include "toolbar/CategoryPropertiesWindowUnit.h"
#include "toolbar/ImageList.h"
#include "toolbar/Picture.h"
#include "toolbar/TagPropertiesWindowUnit.h"
#include "toolbar/ToolbarItemDelegate.h"
#include "toolbar/ToolbarModel.h"
#include "toolbar/UpdateImagesWindowUnit.h"
#include "toolbar/ViewImageWindowUnit.h"
#include "ui_ToolbarEditorWindowUnit.h"

#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QShortcut>
#include <QUrl>

namespace {

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
    dialog.runCreateHandler();
    dialog.setFields(fields);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return false;
    fields = dialog.fields();
    return true;
}

ToolbarTag tagOf(const TagFields& fields)
{
    return {DocumentText(fields.caption), DocumentText(fields.tag), fields.imageIndex};
}

} // namespace

ToolbarEditorWindow::ToolbarEditorWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::ToolbarEditorWindow>()), m_options(options),
      m_images(new ImageList(this)), m_model(new ToolbarModel(this)),
      m_file(HostFile::Toolbar, options)
{
    ui->setupUi(this);
    m_images->setObjectName(QStringLiteral("ImageList1"));
    ui->tvItems->setModel(m_model);
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
    connectGuarded(ui->tvItems, &QTreeView::doubleClicked, this, &W::btnEditClick);
    auto* removeKey =
        new QShortcut(QKeySequence::Delete, ui->tvItems, nullptr, nullptr, Qt::WidgetShortcut);
    connectGuarded(removeKey, &QShortcut::activated, this, &W::btnRemoveClick);
    connect(m_images, &ImageList::changed, ui->tvItems->viewport(), qOverload<>(&QWidget::update));
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

ToolbarEditorWindow::~ToolbarEditorWindow() = default;

// Each load reports its own failure, and the toolbar is read even when the strip fails, so that
// OK never replaces the file with a tree that was not filled from it.
void ToolbarEditorWindow::onCreate()
{
    runGuarded(this, [this] { loadImageStrip(); });
    runGuarded(this, [this] { loadToolbar(); });
    ui->tvItems->setItemDelegate(new ToolbarItemDelegate(*m_images, ui->tvItems));
}

void ToolbarEditorWindow::loadImageStrip()
{
    m_stripPath = m_options.readString(Opt_HTMLToolbarGlyphs);
    const QImage strip = loadPicture(m_stripPath, QStringLiteral("image strip"));
    m_images->clear();
    m_images->addStrip(strip);
    if (m_images->count() == 0)
        throw stripTooSmall(m_stripPath, strip.size());
}

void ToolbarEditorWindow::loadToolbar()
{
    std::optional<AppError> stopped;
    m_file.read([&](LineSource& lines) {
        ToolbarRead read = readToolbar(lines, m_file.readPath());
        m_model->setDocument(std::move(read.document));
        stopped = read.stoppedBy;
        return read.whole;
    });
    if (stopped)
        throw *stopped;
}

TreePosition ToolbarEditorWindow::selectedNode() const
{
    return TwoLevelModel::positionOf(ui->tvItems->selectionModel()->selectedIndexes().value(0));
}

void ToolbarEditorWindow::btnNewTagClick()
{
    const TreePosition selected = selectedNode();
    if (!selected.isValid())
        return;
    TagFields fields;
    if (!askFields<TagPropertiesWindow>(this, *m_images, fields))
        return;
    const int category = selected.top;
    m_model->insertTag({category, int(m_model->category(category).tags.size())}, tagOf(fields));
}

void ToolbarEditorWindow::btnNewCategoryClick()
{
    CategoryFields fields;
    if (askFields<CategoryPropertiesWindow>(this, *m_images, fields))
        m_model->insertCategory(m_model->rowCount(),
                                {DocumentText(fields.caption), fields.imageIndex, {}});
}

void ToolbarEditorWindow::btnEditClick()
{
    const TreePosition selected = selectedNode();
    if (!selected.isValid())
        return;
    if (selected.isTop())
        editCategory(selected.top);
    else
        editTag(selected);
}

void ToolbarEditorWindow::editCategory(int row)
{
    const ToolbarCategory& category = m_model->category(row);
    CategoryFields fields{category.caption.toString(), category.image};
    if (askFields<CategoryPropertiesWindow>(this, *m_images, fields))
        m_model->setCategory(row, DocumentText(fields.caption), fields.imageIndex);
}

void ToolbarEditorWindow::editTag(TreePosition at)
{
    const ToolbarTag& tag = m_model->tag(at);
    TagFields fields{tag.caption.toString(), tag.tag.toString(), tag.image};
    if (askFields<TagPropertiesWindow>(this, *m_images, fields))
        m_model->setTag(at, tagOf(fields));
}

void ToolbarEditorWindow::btnRemoveClick()
{
    const TreePosition selected = selectedNode();
    if (!selected.isValid() ||
        !Modal::confirm(this, QStringLiteral("Remove selected tag/category")))
        return;
    if (selected.isTop())
        m_model->takeCategory(selected.top);
    else
        m_model->takeTag(selected);
}

void ToolbarEditorWindow::btnOkClick()
{
    if (!m_file.save(this, [this](LineSink& lines) { writeToolbar(lines, m_model->document()); }))
        keepOpen();
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
