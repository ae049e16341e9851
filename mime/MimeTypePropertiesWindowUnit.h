#pragma once

#include "common/Form.h"
#include "mime/MimeTypesDocument.h"

#include <memory>
#include <optional>

namespace Ui {
class MimeTypePropertiesWindow;
}

// The dialog for one MIME type and its suffix. Nothing typed is checked or changed.
class MimeTypePropertiesWindow : public Form
{
    Q_OBJECT

public:
    explicit MimeTypePropertiesWindow(QWidget* parent = nullptr);
    ~MimeTypePropertiesWindow() override;

    // Shows the dialog with the fields filled from shown; the fields' texts when it closes
    // with OK, nothing otherwise.
    static std::optional<MimeType> ask(QWidget* owner, const MimeType& shown);

    MimeType fields() const;
    void setFields(const MimeType& shown);

private:
    std::unique_ptr<Ui::MimeTypePropertiesWindow> ui;
};
