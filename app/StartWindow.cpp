#include "app/StartWindow.h"

#include "app/HostSettings.h"
#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostFiles.h"
#include "common/Modal.h"
#include "common/PlacementKeys.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "maintenance/AdditionalFunctionsDialog.h"
#include "mime/MimeTypesEditor.h"
#include "procedures/ProceduresEditor.h"
#include "toolbar/ToolbarEditor.h"
#include "ui_StartWindow.h"

StartWindow::StartWindow(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::StartWindow>()),
      m_hostSettings(std::make_unique<HostSettings>())
{
    ui->setupUi(this);
    setFrameWithoutButtons(*this);
    WindowSizing::fitToFont(*this);
    keepOpenOnEscape(*this);
    WindowPlacement::keep(this, PlacementKey::startWindow, PlacementStore::Keeps::Position);
    ui->toolbarButton->setIcon(glyphIcon(Glyph::HtmlToolbar));
    ui->proceduresButton->setIcon(glyphIcon(Glyph::Procedures));
    ui->mimeTypesButton->setIcon(glyphIcon(Glyph::MimeTypes));
    ui->additionalButton->setIcon(glyphIcon(Glyph::Additional));
    ui->exitButton->setIcon(glyphIcon(Glyph::Exit));
    connectGuarded(ui->toolbarButton, this, &StartWindow::editToolbar);
    connectGuarded(ui->proceduresButton, this, &StartWindow::editProcedures);
    connectGuarded(ui->mimeTypesButton, this, &StartWindow::editMimeTypes);
    connectGuarded(ui->additionalButton, this, &StartWindow::showAdditionalFunctions);
    ui->toolbarButton->setFocus();
    // A failure is shown and the window opens all the same: each editor then reports its own.
    runGuarded(this, [this] { m_hostSettings->open(); });
    PlacementStore::setReserved([this](const QString& path) {
        return isHostFile(path, *m_hostSettings);
    });
}

StartWindow::~StartWindow()
{
    PlacementStore::setReserved({});
}

const HostOptions& StartWindow::options() const
{
    return *m_hostSettings;
}

// Each window is made for one showing and loads afresh.
void StartWindow::editToolbar()
{
    ToolbarEditor editor(this, *m_hostSettings);
    Modal::exec(editor);
}

void StartWindow::editProcedures()
{
    ProceduresEditor editor(this, *m_hostSettings);
    Modal::exec(editor);
}

void StartWindow::editMimeTypes()
{
    MimeTypesEditor editor(this, *m_hostSettings);
    Modal::exec(editor);
}

void StartWindow::showAdditionalFunctions()
{
    AdditionalFunctionsDialog dialog(this, *m_hostSettings);
    Modal::exec(dialog);
}
