#pragma once

#include "procedures/ProceduresDocument.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class ProcedureDialog;
}

// The caption and code of one procedure, the code shown with its line breaks. OK refuses a
// caption that the procedures file would read back as something else.
class ProcedureDialog : public QDialog
{
    Q_OBJECT

public:
    ProcedureDialog(QWidget* parent, const Procedure& procedure);
    ~ProcedureDialog() override;

    // The procedure as the user left it on OK, and in typedCode, if given, its code as typed;
    // nothing on Cancel.
    static std::optional<Procedure> edit(QWidget* parent, const Procedure& procedure,
                                         QString* typedCode = nullptr);

    Procedure procedure() const;
    // The code as typed, line breaks as CR LF.
    QString code() const;

public slots:
    void accept() override;

private slots:
    void insertSelectedTextMacro();

private:
    std::unique_ptr<Ui::ProcedureDialog> ui;
};
