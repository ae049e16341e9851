#include "toolbar/ToolbarEditorWindowUnit.h"

#include "common/EditCommands.h"
#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostFiles.h"
#include "common/HostOptions.h"
#include "common/LineFile.h"
#include "common/ListCommands.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "common/ViewRoom.h"
#include "platform/AppError.h"
#include "platform/ExternalProgram.h"
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

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QUndoStack>

namespace {

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
      m_images(new ImageList(this)), m_model(new ToolbarModel(this)), m_undo(new QUndoStack(this)),
      m_file(HostFile::Toolbar, options)
{
    ui->setupUi(this);
    m_images->setObjectName(QStringLiteral("ImageList1"));
    setUpTree();
    ui->btnNewTag->setIcon(glyphIcon(Glyph::NewTag));
    ui->btnNewCategory->setIcon(glyphIcon(Glyph::NewCategory));
    ui->btnEditGlyps->setIcon(glyphIcon(Glyph::EditImages));
    ui->btnViewGlyphs->setIcon(glyphIcon(Glyph::ViewImages));
    ui->btnEdit->setIcon(glyphIcon(Glyph::Edit));
    ui->btnRemove->setIcon(glyphIcon(Glyph::Remove));
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    ui->btnCancel->setIcon(glyphIcon(Glyph::Cancel));
    keepPlacement(PlacementKey::toolbarEditor, PlacementStore::Keeps::PositionAndState);
    connectButtons();
    setUpCommands();
}

void ToolbarEditorWindow::setUpTree()
{
    QTreeView& tree = *ui->tvItems;
    tree.setModel(m_model);
    tree.viewport()->setAttribute(Qt::WA_Hover);
    // Long tags scroll sideways instead of being cut short.
    tree.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree.header()->setStretchLastSection(false);
    tree.setDragDropMode(QAbstractItemView::InternalMove);
    tree.setDefaultDropAction(Qt::MoveAction);
    connect(m_images, &ImageList::changed, tree.viewport(), qOverload<>(&QWidget::update));
    connect(m_model, &ToolbarModel::moveRequested, this,
            [this](TreePosition from, TreePosition to) {
                push(new MoveNode<ToolbarModel>(*m_model, from, to, selector()));
            });
}

void ToolbarEditorWindow::connectButtons()
{
    using W = ToolbarEditorWindow;
    connectGuarded(ui->btnNewTag, &QPushButton::clicked, this, &W::btnNewTagClick);
    connectGuarded(ui->btnNewCategory, &QPushButton::clicked, this, &W::btnNewCategoryClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &W::btnEditClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &W::btnRemoveClick);
    connectGuarded(ui->btnEditGlyps, &QPushButton::clicked, this, &W::btnEditGlypsClick);
    connectGuarded(ui->btnViewGlyphs, &QPushButton::clicked, this, &W::btnViewGlyphsClick);
    connectGuarded(ui->tvItems, &QTreeView::doubleClicked, this, &W::btnEditClick);
    setOkButton(ui->btnOk, [this] { btnOkClick(); });
    setCancelButton(ui->btnCancel);
}

void ToolbarEditorWindow::setUpCommands()
{
    using W = ToolbarEditorWindow;
    m_commands = new ListCommands(ui->tvItems, this);
    ListCommands& c = *m_commands;
    const auto always = [] { return true; };
    const auto selected = [this] { return selectedNode().isValid(); };
    c.add(tr("New tag..."), {EditKeys::newNode()}, handler(this, &W::btnNewTagClick), selected);
    c.add(tr("New category..."), {EditKeys::newTopNode()}, handler(this, &W::btnNewCategoryClick),
          always);
    c.add(tr("Edit..."), {EditKeys::edit()}, handler(this, &W::btnEditClick), selected);
    c.add(tr("Remove"), {QKeySequence::Delete}, handler(this, &W::btnRemoveClick), selected);
    ListCommands::Editing editing;
    editing.cut = handler(this, &W::cutClick);
    editing.copy = handler(this, &W::copyClick);
    editing.canCopy = selected;
    editing.paste = handler(this, &W::pasteClick);
    editing.canPaste = [this] { return canPaste(); };
    editing.move = [this](int by) { moveClick(by); };
    editing.canMove = [this](int by) { return canMove(by); };
    editing.undo = m_undo;
    c.addEditing(editing);
    c.addSeparator();
    c.add(tr("Edit images"), {}, handler(this, &W::btnEditGlypsClick), always);
    c.add(tr("View images"), {}, handler(this, &W::btnViewGlyphsClick), always);
    showKeysInToolTip(ui->btnNewTag, EditKeys::newNode());
    showKeysInToolTip(ui->btnNewCategory, EditKeys::newTopNode());
    showKeysInToolTip(ui->btnEdit, EditKeys::edit());
    showKeysInToolTip(ui->btnRemove, QKeySequence::Delete);
}

ToolbarEditorWindow::~ToolbarEditorWindow() = default;

// Each load reports its own failure, and the toolbar is read even when the strip fails, so that
// OK never replaces the file with a tree that was not filled from it.
void ToolbarEditorWindow::onCreate()
{
    runGuarded(this, [this] { loadImageStrip(); });
    runGuarded(this, [this] { loadToolbar(); });
    ui->tvItems->setItemDelegate(new ToolbarItemDelegate(*m_images, ui->tvItems));
    // The first node is selected, so that the commands act on what the tree shows as current.
    select({0, -1}, false);
}

void ToolbarEditorWindow::loadImageStrip()
{
    m_stripPath = m_options.readString(Opt_HTMLToolbarGlyphs);
    const QImage strip = loadPicture(m_stripPath, hostFileTitle(HostFile::ImageStrip));
    m_images->clear();
    m_images->addStrip(strip);
    requireOneImage(strip, m_stripPath);
}

void ToolbarEditorWindow::loadToolbar()
{
    std::optional<AppError> stopped;
    m_file.read([&](LineSource& lines) {
        ToolbarRead read = readToolbar(lines);
        requireRoomToShow(read.document.categories.size());
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

// A new node goes last and leaves the selection where it was.
void ToolbarEditorWindow::btnNewTagClick()
{
    const TreePosition selected = selectedNode();
    if (!selected.isValid())
        return;
    TagFields fields;
    if (!askFields<TagPropertiesWindow>(this, *m_images, fields))
        return;
    const int category = selected.top;
    const TreePosition last{category, int(m_model->category(category).tags.size())};
    push(new InsertNodes<ToolbarModel>(*m_model, last, {tagOf(fields)}, selector(), false));
}

void ToolbarEditorWindow::btnNewCategoryClick()
{
    CategoryFields fields;
    if (!askFields<CategoryPropertiesWindow>(this, *m_images, fields))
        return;
    const ToolbarCategory category{DocumentText(fields.caption), fields.imageIndex, {}};
    push(new InsertNodes<ToolbarModel>(*m_model, {m_model->rowCount(), -1}, {category}, selector(),
                                       false));
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
    if (!askFields<CategoryPropertiesWindow>(this, *m_images, fields))
        return;
    const ToolbarCategory edited{DocumentText(fields.caption), fields.imageIndex, category.tags};
    if (edited != category)
        push(new ReplaceNode<ToolbarModel>(*m_model, {row, -1}, edited, selector()));
}

void ToolbarEditorWindow::editTag(TreePosition at)
{
    const ToolbarTag& tag = m_model->tag(at);
    TagFields fields{tag.caption.toString(), tag.tag.toString(), tag.image};
    if (!askFields<TagPropertiesWindow>(this, *m_images, fields))
        return;
    if (const ToolbarTag edited = tagOf(fields); edited != tag)
        push(new ReplaceNode<ToolbarModel>(*m_model, at, edited, selector()));
}

void ToolbarEditorWindow::btnRemoveClick()
{
    const TreePosition selected = selectedNode();
    if (!selected.isValid() || !Modal::confirm(this, tr("Remove selected tag/category")))
        return;
    push(new RemoveNode<ToolbarModel>(*m_model, selected, selector()));
}

void ToolbarEditorWindow::btnOkClick()
{
    if (!m_file.save(this, [this](LineSink& lines) { writeToolbar(lines, m_model->document()); }))
        keepOpen();
}

// The strip's program is started and left to run; the prompt is the only link with it. Where
// no program could start, there is nothing to wait for.
void ToolbarEditorWindow::btnEditGlypsClick()
{
    ExternalProgram::open(m_stripPath);
    if (showDialog<UpdateImagesWindow>(this))
        loadImageStrip();
}

void ToolbarEditorWindow::btnViewGlyphsClick()
{
    showImage(this, m_stripPath);
}

void ToolbarEditorWindow::cutClick()
{
    copyClick();
    push(new RemoveNode<ToolbarModel>(*m_model, selectedNode(), selector()));
}

void ToolbarEditorWindow::copyClick()
{
    QGuiApplication::clipboard()->setText(toolbarNodeText(m_model->node(selectedNode())));
}

// Tags go after the selected tag, or last in the selected category; categories after the
// selected category or the category of the selected tag, or last.
void ToolbarEditorWindow::pasteClick()
{
    ToolbarPaste paste = readToolbarPaste(QGuiApplication::clipboard()->text());
    if (!paste.refusal.isEmpty()) {
        Modal::refuse(this, paste.refusal);
        return;
    }
    const TreePosition selected = selectedNode();
    if (!paste.tags.isEmpty()) {
        const TreePosition first =
            selected.isTop()
                ? TreePosition{selected.top, m_model->rowCount(m_model->indexOf(selected))}
                : shifted(selected, 1);
        QList<ToolbarNode> tags(paste.tags.cbegin(), paste.tags.cend());
        push(new InsertNodes<ToolbarModel>(*m_model, first, tags, selector(), true));
        return;
    }
    const TreePosition first{selected.isValid() ? selected.top + 1 : m_model->rowCount(), -1};
    QList<ToolbarNode> categories(paste.categories.cbegin(), paste.categories.cend());
    push(new InsertNodes<ToolbarModel>(*m_model, first, categories, selector(), true));
}

void ToolbarEditorWindow::moveClick(int by)
{
    const TreePosition from = selectedNode();
    push(new MoveNode<ToolbarModel>(*m_model, from, shifted(from, by), selector()));
}

bool ToolbarEditorWindow::canMove(int by) const
{
    return canShift(*m_model, selectedNode(), by);
}

// Tags need a place among tags; categories always have one.
bool ToolbarEditorWindow::canPaste() const
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return false;
    return selectedNode().isValid() || readToolbarPaste(text).tags.isEmpty();
}

void ToolbarEditorWindow::push(QUndoCommand* step)
{
    m_undo->push(step);
}

SelectNode ToolbarEditorWindow::selector()
{
    return [this](TreePosition at, bool removed) { select(at, removed); };
}

// A step leaves its node selected and in view; a removal leaves the node that took its place.
void ToolbarEditorWindow::select(TreePosition at, bool removed)
{
    showStepNode(ui->tvItems, m_model->indexOf(removed ? afterRemoval(*m_model, at) : at));
}
