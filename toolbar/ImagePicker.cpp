#include "toolbar/ImagePicker.h"

#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "toolbar/ImageList.h"

#include <QListView>
#include <QStandardItemModel>
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

QIcon crispIcon(const QPixmap& image)
{
    QIcon icon;
    for (int scale = shownScale; scale <= shownScale * 3; ++scale)
        icon.addPixmap(
            image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

// An image alone in its cell: the whole cell shows the selection, not an empty caption's strip
// under the image.
class ImageCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::HasDisplay;
        option->showDecorationSelected = true;
    }
};

QStandardItemModel* imagesModel(const ImageList& images, QObject* parent)
{
    auto* model = new QStandardItemModel(parent);
    for (int index = 0; index < images.count(); ++index) {
        auto* item = new QStandardItem(crispIcon(images.image(index)), QString());
        //: The name of an image of the strip, counted from 1 as the dialogs count them.
        const QString name = ImagePicker::tr("Image %1").arg(index + 1);
        item->setToolTip(name);
        item->setData(name, Qt::AccessibleTextRole);
        item->setEditable(false);
        model->appendRow(item);
    }
    return model;
}

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
    m_grid->setModel(imagesModel(images, this));
    m_grid->setItemDelegate(new ImageCellDelegate(m_grid));
    const int shownRows = std::clamp((images.count() + columns - 1) / columns, 1, rows);
    // The view keeps room for a scroll bar it may need, and wraps a row that would reach its
    // last pixel.
    const int frame =
        2 * m_grid->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    m_grid->setFixedSize(columns * cell + frame, shownRows * cell + 2 * m_grid->frameWidth() + 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
