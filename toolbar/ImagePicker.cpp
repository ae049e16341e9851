#include "toolbar/ImagePicker.h"

#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "toolbar/ImageList.h"

#include <QAbstractListModel>
#include <QListView>
#include <QPainter>
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

ImagePicker::ImagePicker(QWidget* parent, const ImageList& images, int current)
    : QDialog(parent), m_grid(new QListView(this))
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
    WindowSizing::letGrow(*this);
    const QModelIndex shown = m_grid->model()->index(std::clamp(current, 0, images.count() - 1), 0);
    m_grid->setCurrentIndex(shown);
    m_grid->scrollTo(shown);
    connect(m_grid, &QListView::activated, this, &ImagePicker::take);
    connect(m_grid, &QListView::clicked, this, &ImagePicker::take);
}

std::optional<int> ImagePicker::pick(QWidget* parent, const ImageList& images, int current)
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
