#pragma once

#include "common/Form.h"
#include "common/StrHolder.h"

#include <memory>

namespace Ui {
class TAdditionalFunctionsWindow;
}
class HostOptions;

// Puts each of the host's three files back to the built-in contents, and opens the about box.
class TAdditionalFunctionsWindow : public TForm
{
    Q_OBJECT

public:
    TAdditionalFunctionsWindow(QWidget* parent, const HostOptions& options);
    ~TAdditionalFunctionsWindow() override;

private:
    void btnResetHTMLToolbarClick();
    void btnResetStdProcsClick();
    void btnResetMIMEClick();
    void btnAboutClick();

    void reset(const QString& path, const QString& question, const TStrHolder& defaults);

    std::unique_ptr<Ui::TAdditionalFunctionsWindow> ui;
    const HostOptions& m_options;
    const TStrHolder shHTMLToolbarCfg;
    const TStrHolder shCstProcsDat;
    const TStrHolder shMIMETypesCfg;
};
