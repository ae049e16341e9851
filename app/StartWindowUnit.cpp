#include "app/StartWindowUnit.h"

#include "app/HostSettings.h"
#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "maintenance/AdditionalFunctionsWindowUnit.h"
#include "mime/MIMETypesEditorUnit.h"
#include "procedures/StdProcsPanelEditorWindowUnit.h"
#include "toolbar/HTMLToolbarEditorWindowUnit.h"
#include "ui_StartWindowUnit.h"

TStartWindow::TStartWindow(QWidget* parent)
    : TForm(parent), ui(std::make_unique<Ui::TStartWindow>()),
      OptionsKey(std::make_unique<HostSettings>())
{
    ui->setupUi(this);
    // No title-bar buttons: the window is closed through Exit only.
    removeTitleBarButtons();
    ui->btnEditHTML->setIcon(glyphIcon(Glyph::HtmlToolbar));
    ui->btnStdProcsEditor->setIcon(glyphIcon(Glyph::Procedures));
    ui->btnMIMETypes->setIcon(glyphIcon(Glyph::MimeTypes));
    ui->btnMore->setIcon(glyphIcon(Glyph::Additional));
    ui->btnExit->setIcon(glyphIcon(Glyph::Exit));
    keepPlacement(TFormStorage::Keeps::Position);

    connectGuarded(ui->btnEditHTML, &QPushButton::clicked, this, &TStartWindow::btnEditHTMLClick);
    connectGuarded(ui->btnStdProcsEditor, &QPushButton::clicked, this,
                   &TStartWindow::btnStdProcsEditorClick);
    connectGuarded(ui->btnMIMETypes, &QPushButton::clicked, this, &TStartWindow::btnMIMETypesClick);
    connectGuarded(ui->btnMore, &QPushButton::clicked, this, &TStartWindow::btnMoreClick);
    connectGuarded(ui->btnExit, &QPushButton::clicked, this, &TStartWindow::btnExitClick);
    ui->btnEditHTML->setFocus();
}

TStartWindow::~TStartWindow() = default;

const HostOptions& TStartWindow::options() const
{
    return *OptionsKey;
}

void TStartWindow::FormCreate()
{
    TFormStorage::setRegUseAppTitle(true);
    TFormStorage::setDefCompanyName(QStringLiteral("TarvelSoftware"));
    OptionsKey->Open();
}

void TStartWindow::btnEditHTMLClick()
{
    showModalWindow<THTMLToolbarEditorWindow>(this, *OptionsKey);
}

void TStartWindow::btnStdProcsEditorClick()
{
    showModalWindow<TStdProcsPanelEditorWindow>(this, *OptionsKey);
}

void TStartWindow::btnMIMETypesClick()
{
    showModalWindow<TMIMETypesEditor>(this, *OptionsKey);
}

void TStartWindow::btnMoreClick()
{
    showModalWindow<TAdditionalFunctionsWindow>(this, *OptionsKey);
}

void TStartWindow::btnExitClick()
{
    close();
}
