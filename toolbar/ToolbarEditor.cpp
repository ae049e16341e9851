#include "toolbar/ToolbarEditor.h"

#include "common/HostOptions.h"
#include "common/PlacementKeys.h"
#include "common/QuotedText.h"
#include "common/WindowSizing.h"
#include "platform/AppError.h"
#include "platform/BitmapSquares.h"
#include "platform/ExternalProgram.h"
#include "toolbar/CategoryDialog.h"
#include "toolbar/ImageList.h"
#include "toolbar/ImageViewer.h"
#include "toolbar/Picture.h"
#include "toolbar/TagDialog.h"
#include "toolbar/ToolbarItemDelegate.h"
#include "toolbar/UpdateImagesPrompt.h"
#include "ui_ToolbarEditor.h"

#include <QBuffer>
#include <QHeaderView>
#include <QImageWriter>

// The strip is loaded before the toolbar, and the toolbar is read even when the strip fails, so
// that OK never replaces the file with a tree that was not filled from it.
ToolbarEditor::ToolbarEditor(QWidget* parent, const HostOptions& options)
    : NodeEditor(parent, HostFile::Toolbar, options, PlacementKey::toolbarEditor, readToolbar,
                 writeToolbar),
      ui(std::make_unique<Ui::ToolbarEditor>()), m_options(options), m_images(new ImageList(this)),
      m_stripFile(HostFile::ImageStrip, options)
{
    ui->setupUi(this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrow(*this);
    m_images->setObjectName(QStringLiteral("imageList"));
    m_images->setUndoStack(undoStack());
    setUpTree();
    setUpCommands();
    runGuarded(this, [this] { loadImageStrip(); });
    load();
}

ToolbarEditor::~ToolbarEditor() = default;

void ToolbarEditor::setUpTree()
{
    QTreeView& tree = *ui->itemsView;
    setView(&tree, model());
    tree.setItemDelegate(new ToolbarItemDelegate(*m_images, &tree));
    // A long tag ends in "…" where the window is narrower than it, and its tooltip shows it.
    tree.header()->setStretchLastSection(true);
    connect(m_images, &ImageList::changed, tree.viewport(), qOverload<>(&QWidget::update));
}

void ToolbarEditor::setUpCommands()
{
    const auto takesTags = [this] { return model()->takesTags(selectedPosition()); };
    const auto always = [] { return true; };
    bindButton(ui->newTagButton,
               addCommand(
                   tr("New tag..."), EditKeys::newNode(), [this] { addTag(); }, takesTags),
               Glyph::NewTag);
    bindButton(ui->newCategoryButton,
               addCommand(tr("New category..."), EditKeys::newTopNode(),
                          [this] { addCategory(); }, always),
               Glyph::NewCategory);
    addEditingCommands(ui->editButton, ui->removeButton);
    addSeparator();
    bindButton(ui->editImagesButton,
               addCommand(tr("Edit images"), {}, [this] { editImages(); }, always),
               Glyph::EditImages);
    bindButton(ui->viewImagesButton,
               addCommand(tr("View images"), {}, [this] { viewImages(); }, always),
               Glyph::ViewImages);
}

void ToolbarEditor::loadImageStrip()
{
    m_stripPath.clear();
    m_stripBytes.clear();
    m_stripPath = hostFilePath(HostFile::ImageStrip, m_options);
    requirePictureFile(m_stripPath, hostFileTitle(HostFile::ImageStrip));
    const QByteArray bytes = m_stripFile.readBytes();
    const Picture strip = decodePicture(bytes, m_stripPath, hostFileTitle(HostFile::ImageStrip));
    m_images->clear();
    m_images->addStrip(strip.image);
    m_stripBytes = bytes;
    m_stripFormat = strip.format;
    requireOneImage(strip.image, m_stripPath);
}

void ToolbarEditor::addTag()
{
    const TreePosition selected = selectedPosition();
    if (!model()->takesTags(selected))
        return;
    const int category = selected.top;
    addNode({category, int(model()->category(category).tags().size())}, ToolbarTag());
}

void ToolbarEditor::addCategory()
{
    addNode({model()->rowCount(), -1}, ToolbarCategory());
}

// The strip's program is started and left to run; the prompt is the only link with it. Where
// no program could start, there is nothing to wait for.
void ToolbarEditor::editImages()
{
    ExternalProgram::open(m_stripPath);
    if (!UpdateImagesPrompt::ask(this))
        return;
    if (m_images->isChanged() &&
        !Modal::confirm(this,
                        tr("The images added or replaced here are not written to the strip yet. "
                           "Read the strip again and drop them?"),
                        Modal::Default::No))
        return;
    loadImageStrip();
}

// The strip as the editor holds it, images added here included.
void ToolbarEditor::viewImages()
{
    ImageViewer::view(this, m_images->strip());
}

void ToolbarEditor::accept()
{
    bool stripReady = false;
    m_stripWritten = false;
    runGuarded(this, [&] { stripReady = writeChangedStrip(); });
    if (!stripReady)
        return;
    const QString note =
        m_stripWritten ? tr("The image strip \"%1\" was written: it holds the new images, with "
                            "the numbers shown here.")
                             .arg(displayPath(m_stripPath))
                       : QString();
    bool written = false;
    runGuarded(this, [&] { written = writeEditedFile(); }, note);
    if (written)
        QDialog::accept();
}

// Written with the same care as the toolbar file, after its own questions; false when one was
// answered No. Afterwards the file holds the images as they stand, and counts as read.
bool ToolbarEditor::writeChangedStrip()
{
    if (!m_images->isChanged())
        return true;
    const FileReplacement replacement = m_stripFile.replacement();
    bool formatKept = true;
    const QByteArray bytes = changedStripBytes(formatKept);
    if (!replacement.question().isEmpty() &&
        !Modal::confirm(this, replacement.question(), Modal::Default::No))
        return false;
    if (!formatKept &&
        !Modal::confirm(this, tr("The image strip \"%1\" cannot hold the new images' colours "
                                 "in its own kind of bitmap. OK writes it as a bitmap of 24 bits "
                                 "per pixel, its images as they look now.\n\nWrite it so?")
                                  .arg(displayPath(replacement.path()))))
        return false;
    replacement.write(bytes);
    m_stripWritten = true;
    m_stripBytes = m_stripFile.readBytes();
    m_images->markWritten();
    return true;
}

// A bitmap keeps its bytes where it can; a strip in another format is written anew in it.
QByteArray ToolbarEditor::changedStripBytes(bool& formatKept) const
{
    if (m_stripFormat == "bmp") {
        if (const std::optional<WrittenBitmap> bitmap =
                writeBitmapSquares(m_stripBytes, m_images->changes())) {
            formatKept = bitmap->formatKept;
            return bitmap->bytes;
        }
    } else {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, m_stripFormat);
        if (writer.write(m_images->strip()))
            return buffer.data();
    }
    throw AppError(tr("Cannot write the image strip \"%1\": this program cannot write a "
                      "picture of its kind (%2).")
                       .arg(displayPath(m_stripPath), QString::fromLatin1(m_stripFormat)));
}

QString ToolbarEditor::removeQuestion() const
{
    return tr("Remove selected tag/category");
}

std::optional<ToolbarNode> ToolbarEditor::askNode(const ToolbarNode& node)
{
    if (const auto* category = std::get_if<ToolbarCategory>(&node))
        return CategoryDialog::edit(this, *category, *m_images);
    return TagDialog::edit(this, std::get<ToolbarTag>(node), *m_images);
}

// Tags go after the selected tag, or last in the selected category; categories after the
// selected category or the category of the selected tag, or last.
ToolbarEditor::Paste ToolbarEditor::readPaste(const QString& text, TreePosition selected) const
{
    ToolbarPaste read = readToolbarPaste(text);
    Paste paste;
    paste.refusal = read.refusal;
    if (!read.tags.isEmpty() && !model()->takesTags(selected)) {
        paste.refusal = tr("A tag line that stands before the first category holds no tags: "
                           "select a category or a tag to paste tags. Nothing was pasted.");
        return paste;
    }
    if (!read.tags.isEmpty()) {
        paste.nodes = QList<ToolbarNode>(read.tags.cbegin(), read.tags.cend());
        paste.first =
            selected.isTop()
                ? TreePosition{selected.top, int(model()->category(selected.top).tags().size())}
                : shifted(selected, 1);
        return paste;
    }
    paste.nodes = QList<ToolbarNode>(read.categories.cbegin(), read.categories.cend());
    // Categories go below the tag lines that stand before the first category.
    paste.first = {std::max(selected.isValid() ? selected.top + 1 : model()->rowCount(),
                            model()->leadingTagCount()),
                   -1};
    return paste;
}

// Tags need a place among tags; categories always have one.
bool ToolbarEditor::canPaste(const QString& text, TreePosition selected) const
{
    return !text.isEmpty() && (!startsWithTag(text) || model()->takesTags(selected));
}

QString ToolbarEditor::title(const ToolbarNode& node) const
{
    if (const auto* category = std::get_if<ToolbarCategory>(&node))
        //: Names a node in an undo step ("Remove category "Lists"").
        return tr("category %1").arg(quotedText(category->caption()));
    //: Names a node in an undo step ("Remove tag "Bold"").
    return tr("tag %1").arg(quotedText(std::get<ToolbarTag>(node).caption()));
}

QString ToolbarEditor::titleOfMany(const QList<ToolbarNode>& nodes) const
{
    const int count = int(nodes.size());
    if (!nodes.isEmpty() && std::holds_alternative<ToolbarCategory>(nodes.first()))
        //: Names nodes in an undo step ("Paste 3 categories").
        return tr("%n categories", nullptr, count);
    //: Names nodes in an undo step ("Paste 3 tags").
    return tr("%n tags", nullptr, count);
}

QString ToolbarEditor::clipboardText(const ToolbarNode& node) const
{
    return toolbarNodeText(node);
}
