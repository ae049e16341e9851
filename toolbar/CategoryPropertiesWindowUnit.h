#pragma once

#include "common/Form.h"

#include <QString>

#include <memory>

namespace Ui {
class CategoryPropertiesWindow;
}
class ImageIndexChooser;
class ImageList;

struct CategoryFields
{
    QString caption;
    int imageIndex = 0;
};

// A category's caption and image. The editor fills it before showing it and reads it back
// when it closed with OK; OK refuses a ":" in the caption.
class CategoryPropertiesWindow : public Form
{
    Q_OBJECT

public:
    CategoryPropertiesWindow(QWidget* parent, const ImageList& images);
    ~CategoryPropertiesWindow() override;

    void setFields(const CategoryFields& fields);
    CategoryFields fields() const;

private:
    void btnOkClick();

    std::unique_ptr<Ui::CategoryPropertiesWindow> ui;
    ImageIndexChooser* m_imageChooser;
};
