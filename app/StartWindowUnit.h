#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class StartWindow;
}
class HostSettings;
class HostOptions;

// The program's main menu: opens each editor and the Additional window, and owns the host
// settings for the whole run.
class StartWindow : public Form
{
    Q_OBJECT

public:
    explicit StartWindow(QWidget* parent = nullptr);
    ~StartWindow() override;

    const HostOptions& options() const;

protected:
    void onCreate() override;

private:
    void btnEditHTMLClick();
    void btnStdProcsEditorClick();
    void btnMIMETypesClick();
    void btnMoreClick();
    void btnExitClick();

    std::unique_ptr<Ui::StartWindow> ui;
    std::unique_ptr<HostSettings> m_hostSettings;
};
