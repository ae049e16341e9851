#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class TCstProcProprtiesWindow;
}

// The caption and code of one procedure, the code in window form. The editor reads them back
// only when the dialog closes with the OK result.
class TCstProcProprtiesWindow : public TForm
{
    Q_OBJECT

public:
    TCstProcProprtiesWindow(QWidget* parent, const QString& caption, const QString& code);
    ~TCstProcProprtiesWindow() override;

    QString caption() const;
    // Line breaks as CR LF.
    QString code() const;

private:
    void btnSelectedTextMacroClick();
    void btnOkClick();

    std::unique_ptr<Ui::TCstProcProprtiesWindow> ui;
};
