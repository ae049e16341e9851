#pragma once

#include "common/Form.h"
#include "common/HostFiles.h"

#include <QStringList>

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

    void reset(HostFile file, const QString& question);

    std::unique_ptr<Ui::AdditionalFunctionsWindow> ui;
    const HostOptions& m_options;
};
