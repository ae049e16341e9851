#include "toolbar/ImageViewer.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "toolbar/Picture.h"
#include "ui_ImageViewer.h"

#include <QScreen>

#include <algorithm>

namespace {

constexpr int smallestSide = 200;
constexpr int buttonBarHeight = 41;

} // namespace

ImageViewer::ImageViewer(QWidget* parent, const QImage& picture)
    : QDialog(parent), ui(std::make_unique<Ui::ImageViewer>())
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrow(*this);
    WindowPlacement::centreOnScreen(this);
    keepOpenOnEscape(*this);
    ui->okButton->setIcon(glyphIcon(Glyph::Ok));
    ui->pictureLabel->setPixmap(QPixmap::fromImage(picture));
    ui->pictureLabel->setFixedSize(picture.size());
    fitToPicture();
    // OK first, as in every window; the picture takes the focus after it, for the arrow keys.
    ui->okButton->setFocus();
}

ImageViewer::~ImageViewer() = default;

void ImageViewer::view(QWidget* parent, const QString& fileName)
{
    //: Stands for %1 in "Cannot load the %1 ...".
    ImageViewer viewer(parent, loadPicture(fileName, tr("picture")));
    Modal::exec(viewer);
}

void ImageViewer::view(QWidget* parent, const QImage& picture)
{
    ImageViewer viewer(parent, picture);
    Modal::exec(viewer);
}

// The size the window opens at, and its smallest, is its outer one, frame and title bar
// included: the picture and the button bar, at least 200 x 200. The viewer is not shown yet, so its
// frame is taken to be that of the window it opens over. A picture larger than the screen is
// scrolled in a viewer that the screen holds.
void ImageViewer::fitToPicture()
{
    const QSize picture = ui->pictureLabel->size();
    const int smallest = WindowSizing::scaled(*this, smallestSide);
    const QSize outer(
        std::max(picture.width(), smallest),
        std::max(picture.height() + WindowSizing::scaled(*this, buttonBarHeight), smallest));
    const QMargins frame = WindowPlacement::expectedFrameMargins(*this);
    QSize client = outer.shrunkBy(frame);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        client = client.boundedTo(screen->availableGeometry().size().shrunkBy(frame));
    resize(client);
    setMinimumSize(client);
}
