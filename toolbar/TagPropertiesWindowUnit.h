#pragma once

#include "common/Form.h"

#include <QString>

#include <memory>

namespace Ui {
class TTagPropertiesWindow;
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
class TTagPropertiesWindow : public TForm
{
    Q_OBJECT

public:
    TTagPropertiesWindow(QWidget* parent, const ImageList& images);
    ~TTagPropertiesWindow() override;

    void setFields(const TagFields& fields);
    TagFields fields() const;

private:
    void btnSelTextMacroClick();
    void btnNewLineMacroClick();
    void btnOkClick();

    std::unique_ptr<Ui::TTagPropertiesWindow> ui;
    ImageIndexChooser* imageChooser;
};
