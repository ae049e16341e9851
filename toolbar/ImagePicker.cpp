#include "toolbar/ImagePicker.h"

#include "common/ErrorGuard.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "toolbar/AddImagesDialog.h"
#include "toolbar/ImageList.h"
#include "toolbar/PictureSquares.h"

#include <QAbstractListModel>
#include <QHBoxLayout>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The images are drawn at whole multiples of their size, pixel for pixel, so that they stay crisp
// on any screen.
constexpr int shownScale = 2;
constexpr int cell = ImageList::imageSize * shownScale + 12;
constexpr int columns = 8;
constexpr int rows = 5;

// The strip's images as rows. Nothing is made or kept for an image until its cell is painted:
// a strip of ten thousand images opens the picker as fast as one of ten.
class StripImagesModel : public QAbstractListModel
{
public:
    StripImagesModel(const ImageList& images, QObject* parent)
        : QAbstractListModel(parent), m_images(images)
    {
        connect(&images, &ImageList::changed, this, [this] {
            beginResetModel();
            endResetModel();
        });
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_images.count();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
            return {};
        //: The name of an image of the strip, counted from 1 as the dialogs count them.
        return ImagePicker::tr("Image %1").arg(index.row() + 1);
    }

private:
    const ImageList& m_images;
};

// An image alone in its cell, drawn from the strip when the cell is painted: the whole cell shows
// the selection, and the image is scaled pixel for pixel.
class ImageCellDelegate : public QStyledItemDelegate
{
public:
    ImageCellDelegate(const ImageList& images, QObject* parent)
        : QStyledItemDelegate(parent), m_images(images)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QSize shown = QSize(ImageList::imageSize, ImageList::imageSize) * shownScale;
        QRect target(QPoint(), shown);
        target.moveCenter(option.rect.center());
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter->drawPixmap(target, m_images.image(index.row()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {cell, cell};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &=
            ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
        option->showDecorationSelected = true;
    }

private:
    const ImageList& m_images;
};

} // namespace

ImagePicker::ImagePicker(QWidget* parent, ImageList& images, int current)
    : QDialog(parent), m_images(images), m_grid(new QListView(this)),
      m_addButton(new QPushButton(tr("Add images…"), this)),
      m_replaceButton(new QPushButton(tr("Replace image…"), this))
{
    setObjectName(QStringLiteral("ImagePicker"));
    setWindowTitle(tr("Choose an image"));
    setDialogFrame(*this);
    WindowPlacement::centreOnScreen(this);
    m_grid->setObjectName(QStringLiteral("imageGrid"));
    m_grid->setAccessibleName(tr("Images"));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setMovement(QListView::Static);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setUniformItemSizes(true);
    m_grid->setIconSize(QSize(ImageList::imageSize, ImageList::imageSize) * shownScale);
    m_grid->setGridSize(QSize(cell, cell));
    m_grid->setModel(new StripImagesModel(images, this));
    m_grid->setItemDelegate(new ImageCellDelegate(images, m_grid));
    const int shownRows = std::clamp((images.count() + columns - 1) / columns, 1, rows);
    // The view keeps room for a scroll bar it may need, and wraps a row that would reach its
    // last pixel.
    const int frame =
        2 * m_grid->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    m_grid->setMinimumSize(columns * cell + frame, shownRows * cell + 2 * m_grid->frameWidth() + 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(imageButtons());
    WindowSizing::letGrow(*this);
    const QModelIndex shown = m_grid->model()->index(std::clamp(current, 0, images.count() - 1), 0);
    m_grid->setCurrentIndex(shown);
    m_grid->scrollTo(shown);
    connect(m_grid, &QListView::activated, this, &ImagePicker::take);
    connect(m_grid, &QListView::clicked, this, &ImagePicker::take);
}

// Add and Replace, for images drawn nowhere else: picture files and the desktop's icons.
QHBoxLayout* ImagePicker::imageButtons()
{
    m_addButton->setObjectName(QStringLiteral("addImagesButton"));
    m_replaceButton->setObjectName(QStringLiteral("replaceImageButton"));
    m_addButton->setAutoDefault(false);
    m_replaceButton->setAutoDefault(false);
    m_replaceButton->setEnabled(m_images.count() > 0);
    connect(m_addButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { addImages(); }); });
    connect(m_replaceButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { replaceImage(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_replaceButton);
    buttons->addStretch();
    return buttons;
}

// The new images go after the last one, the first of them selected: Enter takes it.
void ImagePicker::addImages()
{
    const std::optional<QList<QImage>> added =
        AddImagesDialog::chooseImages(this, PictureSquares::cornerColour(cornerSamples()));
    if (!added || added->isEmpty())
        return;
    const int first = m_images.count();
    m_images.addImages(*added);
    select(first);
}

void ImagePicker::replaceImage()
{
    const int number = chosen();
    if (number < 0)
        return;
    const std::optional<QImage> image = AddImagesDialog::chooseReplacement(
        this, PictureSquares::cornerColour(cornerSamples()), number + 1);
    if (!image)
        return;
    m_images.replaceImage(number, *image);
    select(number);
}

void ImagePicker::select(int index)
{
    const QModelIndex shown = m_grid->model()->index(index, 0);
    m_grid->setCurrentIndex(shown);
    m_grid->scrollTo(shown);
    m_replaceButton->setEnabled(m_images.count() > 0);
    m_grid->setFocus();
}

QList<QImage> ImagePicker::cornerSamples() const
{
    QList<QImage> samples;
    for (int index = 0; index < m_images.count(); ++index)
        samples.append(m_images.image(index).toImage());
    return samples;
}

std::optional<int> ImagePicker::pick(QWidget* parent, ImageList& images, int current)
{
    ImagePicker picker(parent, images, current);
    if (Modal::exec(picker) != QDialog::Accepted)
        return std::nullopt;
    return picker.chosen();
}

int ImagePicker::chosen() const
{
    return m_grid->currentIndex().row();
}

void ImagePicker::take(const QModelIndex& image)
{
    m_grid->setCurrentIndex(image);
    accept();
}
