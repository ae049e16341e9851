#include "toolbar/UpdateImagesPrompt.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "ui_UpdateImagesPrompt.h"

namespace {

// Where the prompt's frame stands on the screen, away from the editor it was opened over.
constexpr QPoint designedPlace(205, 121);

} // namespace

UpdateImagesPrompt::UpdateImagesPrompt(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::UpdateImagesPrompt>())
{
    ui->setupUi(this);
    setFrameWithoutButtons(*this);
    WindowPlacement::placeFrameAt(this, designedPlace);
    // The prompt speaks larger than the other windows: 16 pixels to their 11, as designed.
    QFont promptFont = ui->promptLabel->font();
    promptFont.setPixelSize(WindowSizing::scaled(*this, 16));
    ui->promptLabel->setFont(promptFont);
    WindowSizing::fitToFont(*this);
    ui->updateButton->setIcon(glyphIcon(Glyph::Update));
    ui->cancelButton->setIcon(glyphIcon(Glyph::Cancel));
}

UpdateImagesPrompt::~UpdateImagesPrompt() = default;

bool UpdateImagesPrompt::ask(QWidget* parent)
{
    UpdateImagesPrompt prompt(parent);
    return Modal::exec(prompt) == QDialog::Accepted;
}
