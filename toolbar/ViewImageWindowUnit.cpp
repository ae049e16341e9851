#include "toolbar/ViewImageWindowUnit.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "toolbar/Picture.h"
#include "ui_ViewImageWindowUnit.h"

#include <QScreen>

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
    // OK first, as in every window; the picture takes the focus after it, for the arrow keys.
    ui->btnOk->setFocus();
}

ViewImageWindow::~ViewImageWindow() = default;

void ViewImageWindow::loadImage(const QString& fileName)
{
    //: Stands for %1 in "Cannot load the %1 ...".
    const QPixmap picture = QPixmap::fromImage(loadPicture(fileName, tr("picture")));
    ui->Image1->setPixmap(picture);
    ui->Image1->setFixedSize(picture.size());
    fitToImage();
}

// The size is the outer one, frame and title bar included; the viewer is not shown yet, so its
// frame is taken to be that of the window it opens over. A picture larger than the screen is
// scrolled in a viewer that the screen holds.
void ViewImageWindow::fitToImage()
{
    const int height = std::max(ui->Image1->height() + ui->Panel1->height(), smallestSide);
    const int width = std::max(ui->Image1->width(), smallestSide);
    const QMargins frame = expectedFrameMargins();
    QSize client = QSize(width, height).shrunkBy(frame);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        client = client.boundedTo(screen->availableGeometry().size().shrunkBy(frame));
    setFixedSize(client);
}

void showImage(QWidget* owner, const QString& fileName)
{
    ViewImageWindow viewer(owner);
    viewer.runCreateHandler();
    viewer.loadImage(fileName);
    Modal::exec(viewer);
}
