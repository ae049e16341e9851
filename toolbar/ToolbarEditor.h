#pragma once

#include "common/NodeEditor.h"
#include "toolbar/ToolbarModel.h"

#include <QString>

#include <memory>

namespace Ui {
class ToolbarEditor;
}
class HostOptions;
class ImageList;

// The toolbar editor: categories and their tags in a tree, each with its image from the image
// strip. Edits stay in the model until OK writes the whole file.
class ToolbarEditor : public NodeEditor<ToolbarModel>
{
    Q_OBJECT

public:
    ToolbarEditor(QWidget* parent, const HostOptions& options);
    ~ToolbarEditor() override;

public slots:
    // A new tag goes last in the selected category, or in the category of the selected tag.
    void addTag();
    // A new category goes last.
    void addCategory();
    // Opens the strip in the program that the system has for it, and reads it again once the
    // user says it was saved there.
    void editImages();
    void viewImages();
    // OK: the strip first, when images were added or replaced, then the toolbar file.
    void accept() override;

protected:
    QString removeQuestion() const override;
    std::optional<ToolbarNode> askNode(const ToolbarNode& node) override;
    Paste readPaste(const QString& text, TreePosition selected) const override;
    bool canPaste(const QString& text, TreePosition selected) const override;
    QString title(const ToolbarNode& node) const override;
    QString titleOfMany(const QList<ToolbarNode>& nodes) const override;
    QString clipboardText(const ToolbarNode& node) const override;

private:
    void setUpTree();
    void setUpCommands();
    void loadImageStrip();
    bool writeChangedStrip();
    QByteArray changedStripBytes(bool& formatKept) const;

    std::unique_ptr<Ui::ToolbarEditor> ui;
    const HostOptions& m_options;
    ImageList* m_images;
    EditedFile m_stripFile;
    // The strip's file as read, and the format Qt found in it.
    QByteArray m_stripBytes;
    QByteArray m_stripFormat;
    // The strip's path as the last loadImageStrip read it, also when that load failed.
    QString m_stripPath;
    bool m_stripWritten = false;
};
