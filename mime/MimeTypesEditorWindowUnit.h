#pragma once

#include "common/Form.h"
#include "common/LineFile.h"

#include <memory>
#include <optional>

namespace Ui {
class MimeTypesEditorWindow;
}
class HostOptions;
class MimeTypeTable;

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
    const HostOptions& m_options;
    MimeTypeTable* m_types;
    ReadExtent m_extent = ReadExtent::NoFile;
    QString m_loadedPath; // the file that m_extent is about
};
