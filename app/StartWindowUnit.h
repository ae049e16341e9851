#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class TStartWindow;
}
class HostSettings;
class HostOptions;

// The program's main menu: opens each editor and the Additional window, and owns the host
// settings for the whole run.
class TStartWindow : public TForm
{
    Q_OBJECT

public:
    explicit TStartWindow(QWidget* parent = nullptr);
    ~TStartWindow() override;

    const HostOptions& options() const;

protected:
    void FormCreate() override;

private:
    void btnEditHTMLClick();
    void btnStdProcsEditorClick();
    void btnMIMETypesClick();
    void btnMoreClick();
    void btnExitClick();

    std::unique_ptr<Ui::TStartWindow> ui;
    std::unique_ptr<HostSettings> OptionsKey;
};
