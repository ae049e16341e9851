#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class ProcedurePropertiesWindow;
}

// The caption and code of one procedure, the code in window form. The editor reads them back
// only when the dialog closes with the OK result.
class ProcedurePropertiesWindow : public Form
{
    Q_OBJECT

public:
    ProcedurePropertiesWindow(QWidget* parent, const QString& caption, const QString& code);
    ~ProcedurePropertiesWindow() override;

    QString caption() const;
    // Line breaks as CR LF.
    QString code() const;

private:
    void btnSelectedTextMacroClick();
    void btnOkClick();

    std::unique_ptr<Ui::ProcedurePropertiesWindow> ui;
};
