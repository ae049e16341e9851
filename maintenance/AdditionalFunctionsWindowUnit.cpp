#include "maintenance/AdditionalFunctionsWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/PlacementKeys.h"
#include "common/HostOptions.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/DefaultLines.h"
#include "ui_AdditionalFunctionsWindowUnit.h"

AdditionalFunctionsWindow::AdditionalFunctionsWindow(QWidget* parent, const HostOptions& options)
    : Form(parent), ui(std::make_unique<Ui::AdditionalFunctionsWindow>()), m_options(options),
      shHTMLToolbarCfg(defaultHTMLToolbarLines()), shCstProcsDat(defaultCstProcsLines()),
      shMIMETypesCfg(defaultMIMETypesLines())
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
    reset(m_options.readString(Opt_HTMLToolbarCFG), QStringLiteral("Reset HTML toolbar?"),
          shHTMLToolbarCfg);
}

void AdditionalFunctionsWindow::btnResetStdProcsClick()
{
    reset(proceduresFilePath(m_options), QStringLiteral("Reset standard procedures panel?"),
          shCstProcsDat);
}

void AdditionalFunctionsWindow::btnResetMIMEClick()
{
    reset(m_options.readString(Opt_MIMEPraserCFG), QStringLiteral("Reset MIME types?"),
          shMIMETypesCfg);
}

void AdditionalFunctionsWindow::btnAboutClick()
{
    showModalWindow<AboutWindow>(this);
}

// The path is taken before the question, so the file written is the one named when the
// user clicked.
void AdditionalFunctionsWindow::reset(const QString& path, const QString& question,
                                       const TStrHolder& defaults)
{
    if (Modal::confirm(this, question))
        defaults.saveToFile(path);
}
