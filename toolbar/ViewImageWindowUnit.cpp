#include "toolbar/ViewImageWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "toolbar/Picture.h"
#include "ui_ViewImageWindowUnit.h"

#include <algorithm>

namespace {

constexpr int smallestSide = 200;

} // namespace

ViewImageWindow::ViewImageWindow(QWidget* parent)
    : Form(parent), ui(std::make_unique<Ui::ViewImageWindow>())
{
    ui->setupUi(this);
    ui->btnOk->setIcon(glyphIcon(Glyph::Ok));
    setOkButton(ui->btnOk);
}

ViewImageWindow::~ViewImageWindow() = default;

void ViewImageWindow::loadImage(const QString& fileName)
{
    const QPixmap picture = QPixmap::fromImage(loadPicture(fileName, QStringLiteral("picture")));
    ui->Image1->setPixmap(picture);
    ui->Image1->setFixedSize(picture.size());
    fitToImage();
}

void ViewImageWindow::fitToImage()
{
    const int height = std::max(ui->Image1->height() + ui->Panel1->height(), smallestSide);
    const int width = std::max(ui->Image1->width(), smallestSide);
    setFixedSize(QSize(width, height) - frameExtent());
}

// The frame and title bar around the client area. The viewer is not shown yet, so they are
// taken from the shown window it opens over; where there is none, they count as nothing.
QSize ViewImageWindow::frameExtent() const
{
    const QWidget* shown = parentWidget() ? parentWidget()->window() : nullptr;
    if (!shown || !shown->isVisible())
        return QSize(0, 0);
    return shown->frameGeometry().size() - shown->size();
}

void showImage(QWidget* owner, const QString& fileName)
{
    ViewImageWindow viewer(owner);
    viewer.runCreateHandler();
    viewer.loadImage(fileName);
    Modal::exec(viewer);
}
