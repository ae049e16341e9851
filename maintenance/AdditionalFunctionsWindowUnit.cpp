#include "maintenance/AdditionalFunctionsWindowUnit.h"

#include "common/ErrorGuard.h"
#include "common/Glyphs.h"
#include "common/HostOptions.h"
#include "maintenance/AboutWindowUnit.h"
#include "maintenance/DefaultLines.h"
#include "ui_AdditionalFunctionsWindowUnit.h"

TAdditionalFunctionsWindow::TAdditionalFunctionsWindow(QWidget* parent, const HostOptions& options)
    : TForm(parent), ui(std::make_unique<Ui::TAdditionalFunctionsWindow>()), m_options(options),
      shHTMLToolbarCfg(defaultHTMLToolbarLines()), shCstProcsDat(defaultCstProcsLines()),
      shMIMETypesCfg(defaultMIMETypesLines())
{
    ui->setupUi(this);
    ui->btnExit->setIcon(glyphIcon(Glyph::Close));
    // Close is the cancel button: it and Esc end the window with the Cancel result.
    setCancelButton(ui->btnExit);
    keepPlacement(TFormStorage::Keeps::PositionAndState);

    connectGuarded(ui->btnResetHTMLToolbar, &QPushButton::clicked, this,
                   &TAdditionalFunctionsWindow::btnResetHTMLToolbarClick);
    connectGuarded(ui->btnResetStdProcs, &QPushButton::clicked, this,
                   &TAdditionalFunctionsWindow::btnResetStdProcsClick);
    connectGuarded(ui->btnResetMIME, &QPushButton::clicked, this,
                   &TAdditionalFunctionsWindow::btnResetMIMEClick);
    connectGuarded(ui->btnAbout, &QPushButton::clicked, this,
                   &TAdditionalFunctionsWindow::btnAboutClick);
    ui->btnResetHTMLToolbar->setFocus();
}

TAdditionalFunctionsWindow::~TAdditionalFunctionsWindow() = default;

void TAdditionalFunctionsWindow::btnResetHTMLToolbarClick()
{
    reset(m_options.ReadString(Opt_HTMLToolbarCFG), QStringLiteral("Reset HTML toolbar?"),
          shHTMLToolbarCfg);
}

void TAdditionalFunctionsWindow::btnResetStdProcsClick()
{
    reset(cstProcsPath(m_options), QStringLiteral("Reset standard procedures panel?"),
          shCstProcsDat);
}

void TAdditionalFunctionsWindow::btnResetMIMEClick()
{
    reset(m_options.ReadString(Opt_MIMEPraserCFG), QStringLiteral("Reset MIME types?"),
          shMIMETypesCfg);
}

void TAdditionalFunctionsWindow::btnAboutClick()
{
    showModalWindow<TAboutWindow>(this);
}

// The path is taken before the question, so the file written is the one named when the
// user clicked.
void TAdditionalFunctionsWindow::reset(const QString& path, const QString& question,
                                       const TStrHolder& defaults)
{
    if (Modal::confirm(this, question))
        defaults.saveToFile(path);
}
