#pragma once

#include "toolbar/ToolbarDocument.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TagDialog;
}
class ImageIndexChooser;
class ImageList;

// A tag's caption, template and image. OK refuses what the toolbar file cannot hold.
class TagDialog : public QDialog
{
    Q_OBJECT

public:
    TagDialog(QWidget* parent, const ToolbarTag& tag, ImageList& images);
    ~TagDialog() override;

    // The tag as the user left it on OK; nothing on Cancel.
    static std::optional<ToolbarTag> edit(QWidget* parent, const ToolbarTag& tag,
                                          ImageList& images);

    ToolbarTag tag() const;

public slots:
    void accept() override;

private slots:
    void insertSelectedTextMacro();
    void insertNewLineMacro();

private:
    std::unique_ptr<Ui::TagDialog> ui;
    ImageIndexChooser* m_imageChooser;
};
