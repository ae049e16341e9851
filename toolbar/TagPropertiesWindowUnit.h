#pragma once

#include "common/Form.h"

#include <QString>

#include <memory>

namespace Ui {
class TagPropertiesWindow;
}
class ImageIndexChooser;
class ImageList;

struct TagFields
{
    QString caption;
    QString tag;
    int imageIndex = 0;
};

// A tag's caption, template and image. The editor fills it before showing it and reads it back
// when it closed with OK; OK refuses a ":" in either text.
class TagPropertiesWindow : public Form
{
    Q_OBJECT

public:
    TagPropertiesWindow(QWidget* parent, const ImageList& images);
    ~TagPropertiesWindow() override;

    void setFields(const TagFields& fields);
    TagFields fields() const;

private:
    void btnSelTextMacroClick();
    void btnNewLineMacroClick();
    void btnOkClick();

    std::unique_ptr<Ui::TagPropertiesWindow> ui;
    ImageIndexChooser* m_imageChooser;
};
