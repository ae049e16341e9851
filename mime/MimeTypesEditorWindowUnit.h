#pragma once

#include "common/EditedFile.h"
#include "common/Form.h"

#include <memory>
#include <optional>

namespace Ui {
class MimeTypesEditorWindow;
}
class HostOptions;
class MimeTypesModel;

// The list of MIME types and their suffixes: loaded when the window is created, changed one
// row at a time through MimeTypePropertiesWindow, written back whole by OK.
class MimeTypesEditorWindow : public Form
{
    Q_OBJECT

public:
    MimeTypesEditorWindow(QWidget* parent, const HostOptions& options);
    ~MimeTypesEditorWindow() override;

protected:
    void onCreate() override;

private:
    void setUpList();
    std::optional<int> selectedRow() const;

    void btnOkClick();
    void btnNewTypeClick();
    void btnEditClick();
    void btnRemoveClick();

    std::unique_ptr<Ui::MimeTypesEditorWindow> ui;
    MimeTypesModel* m_types;
    EditedFile m_file;
};
