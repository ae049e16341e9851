#pragma once

#include "common/Form.h"
#include "common/StrHolder.h"

#include <memory>

namespace Ui {
class AdditionalFunctionsWindow;
}
class HostOptions;

// Puts each of the host's three files back to the built-in contents, and opens the about box.
class AdditionalFunctionsWindow : public Form
{
    Q_OBJECT

public:
    AdditionalFunctionsWindow(QWidget* parent, const HostOptions& options);
    ~AdditionalFunctionsWindow() override;

private:
    void btnResetHTMLToolbarClick();
    void btnResetStdProcsClick();
    void btnResetMIMEClick();
    void btnAboutClick();

    void reset(const QString& path, const QString& question, const TStrHolder& defaults);

    std::unique_ptr<Ui::AdditionalFunctionsWindow> ui;
    const HostOptions& m_options;
    const TStrHolder shHTMLToolbarCfg;
    const TStrHolder shCstProcsDat;
    const TStrHolder shMIMETypesCfg;
};
