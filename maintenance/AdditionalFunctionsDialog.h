#pragma once

#include "common/HostFiles.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AdditionalFunctionsDialog;
}
class HostOptions;

// Puts each of the host's three files back to the built-in contents, and opens the about box.
// Close and Esc close it.
class AdditionalFunctionsDialog : public QDialog
{
    Q_OBJECT

public:
    AdditionalFunctionsDialog(QWidget* parent, const HostOptions& options);
    ~AdditionalFunctionsDialog() override;

public slots:
    void resetToolbar();
    void resetProcedures();
    void resetMimeTypes();
    void showAbout();

private:
    void reset(HostFile file, const QString& question);

    std::unique_ptr<Ui::AdditionalFunctionsDialog> ui;
    const HostOptions& m_options;
};
