#pragma once

#include "toolbar/ToolbarDocument.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class CategoryDialog;
}
class ImageIndexChooser;
class ImageList;

// A category's caption and image; the focus starts on OK, so that Enter confirms at once. OK
// refuses what the toolbar file cannot hold.
class CategoryDialog : public QDialog
{
    Q_OBJECT

public:
    CategoryDialog(QWidget* parent, const ToolbarCategory& category, ImageList& images);
    ~CategoryDialog() override;

    // The category as the user left it on OK, its tags kept; nothing on Cancel.
    static std::optional<ToolbarCategory> edit(QWidget* parent, const ToolbarCategory& category,
                                               ImageList& images);

    ToolbarCategory category() const;

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::CategoryDialog> ui;
    ToolbarCategory m_category;
    ImageIndexChooser* m_imageChooser;
};
