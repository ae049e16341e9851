#include "maintenance/AdditionalFunctionsWindowUnit.h"

#include "common/EditedFile.h"
#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/LineFile.h"
#include "common/PlacementKeys.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/DefaultLines.h"
#include "ui_AdditionalFunctionsWindowUnit.h"

AdditionalFunctionsWindow::AdditionalFunctionsWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::AdditionalFunctionsWindow>()), m_options(options)
{
    ui->setupUi(this);
    ui->btnExit->setIcon(glyphIcon(Glyph::Close));
    // Close is the cancel button: it and Esc end the window with the Cancel result.
    setCancelButton(ui->btnExit);
    keepPlacement(PlacementKey::additionalFunctions, PlacementStore::Keeps::PositionAndState);

    connectGuarded(ui->btnResetHTMLToolbar, &QPushButton::clicked, this,
                   &AdditionalFunctionsWindow::btnResetHTMLToolbarClick);
    connectGuarded(ui->btnResetStdProcs, &QPushButton::clicked, this,
                   &AdditionalFunctionsWindow::btnResetStdProcsClick);
    connectGuarded(ui->btnResetMIME, &QPushButton::clicked, this,
                   &AdditionalFunctionsWindow::btnResetMIMEClick);
    connectGuarded(ui->btnAbout, &QPushButton::clicked, this,
                   &AdditionalFunctionsWindow::btnAboutClick);
    ui->btnResetHTMLToolbar->setFocus();
}

AdditionalFunctionsWindow::~AdditionalFunctionsWindow() = default;

void AdditionalFunctionsWindow::btnResetHTMLToolbarClick()
{
    reset(HostFile::Toolbar, tr("Reset HTML toolbar?"));
}

void AdditionalFunctionsWindow::btnResetStdProcsClick()
{
    reset(HostFile::Procedures, tr("Reset standard procedures panel?"));
}

void AdditionalFunctionsWindow::btnResetMIMEClick()
{
    reset(HostFile::MimeTypes, tr("Reset MIME types?"));
}

void AdditionalFunctionsWindow::btnAboutClick()
{
    showModalWindow<AboutWindow>(this);
}

// The path is taken before the question, so the file written is the one named when the
// user clicked.
void AdditionalFunctionsWindow::reset(HostFile file, const QString& question)
{
    EditedFile::reset(this, file, m_options, question,
                      [file](LineSink& lines) { writeDefaultLines(lines, file); });
}
