#include "toolbar/ViewImageWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "toolbar/Picture.h"
#include "ui_ViewImageWindowUnit.h"

#include <algorithm>

namespace {

constexpr int smallestSide = 200;

} // namespace

TViewImageWindow::TViewImageWindow(QWidget* parent)
    : TForm(parent), ui(std::make_unique<Ui::TViewImageWindow>())
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    setOkButton(ui->btnOk);
}

TViewImageWindow::~TViewImageWindow() = default;

void TViewImageWindow::LoadImage(const QString& fileName)
{
    const QPixmap picture = QPixmap::fromImage(loadPicture(fileName, QStringLiteral("picture")));
    ui->Image1->setPixmap(picture);
    ui->Image1->setFixedSize(picture.size());
    FitToImage();
}

void TViewImageWindow::FitToImage()
{
    const int height = std::max(ui->Image1->height() + ui->Panel1->height(), smallestSide);
    const int width = std::max(ui->Image1->width(), smallestSide);
    setFixedSize(QSize(width, height) - frameExtent());
}

// The frame and title bar around the client area. The viewer is not shown yet, so they are
// taken from the shown window it opens over; where there is none, they count as nothing.
QSize TViewImageWindow::frameExtent() const
{
    const QWidget* shown = parentWidget() ? parentWidget()->window() : nullptr;
    if (!shown || !shown->isVisible())
        return QSize(0, 0);
    return shown->frameGeometry().size() - shown->size();
}

void ShowImage(QWidget* owner, const QString& fileName)
{
    TViewImageWindow viewer(owner);
    viewer.Create();
    viewer.LoadImage(fileName);
    Modal::exec(viewer);
}
