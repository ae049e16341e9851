#include "app/StartWindowUnit.h"

#include "app/HostSettings.h"
#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/PlacementKeys.h"
#include "maintenance/AdditionalFunctionsWindowUnit.h"
#include "mime/MimeTypesEditorWindowUnit.h"
#include "procedures/ProceduresEditorWindowUnit.h"
#include "toolbar/ToolbarEditorWindowUnit.h"
#include "ui_StartWindowUnit.h"

StartWindow::StartWindow(QWidget* parent)
    : Form(parent), ui(std::make_unique<Ui::StartWindow>()),
      m_hostSettings(std::make_unique<HostSettings>())
{
    ui->setupUi(this);
    // No title-bar buttons: the window is closed through Exit only.
    removeTitleBarButtons();
    ui->btnEditHTML->setIcon(glyphIcon(Glyph::HtmlToolbar));
    ui->btnStdProcsEditor->setIcon(glyphIcon(Glyph::Procedures));
    ui->btnMIMETypes->setIcon(glyphIcon(Glyph::MimeTypes));
    ui->btnMore->setIcon(glyphIcon(Glyph::Additional));
    ui->btnExit->setIcon(glyphIcon(Glyph::Exit));
    keepPlacement(PlacementKey::startWindow, PlacementStore::Keeps::Position);

    connectGuarded(ui->btnEditHTML, &QPushButton::clicked, this, &StartWindow::btnEditHTMLClick);
    connectGuarded(ui->btnStdProcsEditor, &QPushButton::clicked, this,
                   &StartWindow::btnStdProcsEditorClick);
    connectGuarded(ui->btnMIMETypes, &QPushButton::clicked, this, &StartWindow::btnMIMETypesClick);
    connectGuarded(ui->btnMore, &QPushButton::clicked, this, &StartWindow::btnMoreClick);
    connectGuarded(ui->btnExit, &QPushButton::clicked, this, &StartWindow::btnExitClick);
    ui->btnEditHTML->setFocus();
}

StartWindow::~StartWindow() = default;

const HostOptions& StartWindow::options() const
{
    return *m_hostSettings;
}

void StartWindow::onCreate()
{
    m_hostSettings->open();
}

void StartWindow::btnEditHTMLClick()
{
    showModalWindow<ToolbarEditorWindow>(this, *m_hostSettings);
}

void StartWindow::btnStdProcsEditorClick()
{
    showModalWindow<ProceduresEditorWindow>(this, *m_hostSettings);
}

void StartWindow::btnMIMETypesClick()
{
    showModalWindow<MimeTypesEditorWindow>(this, *m_hostSettings);
}

void StartWindow::btnMoreClick()
{
    showModalWindow<AdditionalFunctionsWindow>(this, *m_hostSettings);
}

void StartWindow::btnExitClick()
{
    close();
}
