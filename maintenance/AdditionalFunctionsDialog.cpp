#include "maintenance/AdditionalFunctionsDialog.h"

#include "common/EditedFile.h"
#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/LineFile.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "maintenance/AboutDialog.h"
#include "maintenance/DefaultLines.h"
#include "ui_AdditionalFunctionsDialog.h"

AdditionalFunctionsDialog::AdditionalFunctionsDialog(QWidget* parent, const HostOptions& options)
    : QDialog(parent), ui(std::make_unique<Ui::AdditionalFunctionsDialog>()), m_options(options)
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowPlacement::keep(this, PlacementKey::additionalFunctions,
                          PlacementStore::Keeps::PositionAndState);
    ui->closeButton->setIcon(glyphIcon(Glyph::Close));
    using Dialog = AdditionalFunctionsDialog;
    connectGuarded(ui->resetToolbarButton, this, &Dialog::resetToolbar);
    connectGuarded(ui->resetProceduresButton, this, &Dialog::resetProcedures);
    connectGuarded(ui->resetMimeTypesButton, this, &Dialog::resetMimeTypes);
    connectGuarded(ui->aboutButton, this, &Dialog::showAbout);
}

AdditionalFunctionsDialog::~AdditionalFunctionsDialog() = default;

void AdditionalFunctionsDialog::resetToolbar()
{
    reset(HostFile::Toolbar, tr("Reset HTML toolbar?"));
}

void AdditionalFunctionsDialog::resetProcedures()
{
    reset(HostFile::Procedures, tr("Reset standard procedures panel?"));
}

void AdditionalFunctionsDialog::resetMimeTypes()
{
    reset(HostFile::MimeTypes, tr("Reset MIME types?"));
}

void AdditionalFunctionsDialog::showAbout()
{
    AboutDialog about(this);
    Modal::exec(about);
}

// The path is taken before the question, so the file written is the one named when the user
// clicked.
void AdditionalFunctionsDialog::reset(HostFile file, const QString& question)
{
    const FileReplacement replacement = EditedFile::reset(file, m_options);
    if (Modal::confirm(this, question))
        replacement.write([file](LineSink& lines) { writeDefaultLines(lines, file); });
}
