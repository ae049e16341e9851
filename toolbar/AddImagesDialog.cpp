#include "toolbar/AddImagesDialog.h"

#include "common/Glyphs.h"
#include "common/Modal.h"
#include "common/WindowPlacement.h"
#include "common/WindowSizing.h"
#include "platform/IconTheme.h"
#include "toolbar/ImageCandidatesModel.h"
#include "toolbar/PictureSquares.h"
#include "ui_AddImagesDialog.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTabBar>

namespace {

constexpr int cell = PictureSquares::side * 2 + 12;

QString pictureFilter()
{
    QStringList patterns{QStringLiteral("*.svg"), QStringLiteral("*.svgz")};
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    patterns.removeDuplicates();
    //: A file dialog's filter; %1 is a list of patterns.
    return AddImagesDialog::tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

// The colour in a frame of the text's colour, so that it shows on a button of its own colour.
QPixmap swatch(const QColor& colour, const QColor& frame)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(frame);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

AddImagesDialog::AddImagesDialog(QWidget* parent, const QColor& background, int replacing)
    : QDialog(parent), ui(std::make_unique<Ui::AddImagesDialog>()),
      m_files(new ImageCandidatesModel(this)), m_icons(new ImageCandidatesModel(this)),
      m_shownIcons(new QSortFilterProxyModel(this)), m_background(background),
      m_single(replacing > 0)
{
    ui->setupUi(this);
    setDialogFrame(*this);
    WindowSizing::fitToFont(*this);
    WindowSizing::letGrow(*this);
    WindowPlacement::centreOnScreen(this);
    setButtonBoxGlyphs(*ui->buttonBox);
    if (m_single) {
        //: The window's title; %1 is the image's number.
        setWindowTitle(tr("Replace image %1").arg(replacing));
        ui->replaceNote->setText(tr("Every tag and category that shows image %1 will show the "
                                    "image chosen here; no number changes.")
                                     .arg(replacing));
    } else {
        ui->replaceNote->hide();
    }
    m_shownIcons->setSourceModel(m_icons);
    m_shownIcons->setFilterRole(ImageCandidatesModel::NameRole);
    m_shownIcons->setFilterCaseSensitivity(Qt::CaseInsensitive);
    setUpView(*ui->fileImagesView, m_files);
    setUpView(*ui->themeIconsView, m_shownIcons);
    connect(ui->themeSearchEdit, &QLineEdit::textChanged, m_shownIcons,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(ui->chooseFilesButton, &QPushButton::clicked, this, &AddImagesDialog::chooseFiles);
    connect(ui->backgroundButton, &QPushButton::clicked, this, &AddImagesDialog::changeBackground);
    listThemeIcons();
    showBackground();
    setTabOrder();
}

// The pages' controls follow the tab bar, the page not shown is passed over; uic cannot name
// the tab bar, which takes the tab widget's focus.
void AddImagesDialog::setTabOrder()
{
    const QList<QWidget*> order = {
        ui->sourceTabs->tabBar(), ui->chooseFilesButton, ui->fileImagesView, ui->themeSearchEdit,
        ui->themeIconsView,       ui->backgroundButton,  ui->buttonBox};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

AddImagesDialog::~AddImagesDialog() = default;

void AddImagesDialog::setUpView(QAbstractItemView& view, QAbstractItemModel* model)
{
    auto& list = static_cast<QListView&>(view);
    list.setViewMode(QListView::IconMode);
    list.setMovement(QListView::Static);
    list.setResizeMode(QListView::Adjust);
    list.setUniformItemSizes(true);
    list.setIconSize(QSize(PictureSquares::side, PictureSquares::side) * 2);
    list.setGridSize(QSize(cell, cell));
    list.setModel(model);
    list.setSelectionMode(m_single ? QAbstractItemView::SingleSelection
                                   : QAbstractItemView::ExtendedSelection);
    connect(list.selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AddImagesDialog::showPreview);
}

namespace {

// Where themes are: Qt's own list, which a platform without a theme of its own leaves short,
// and the freedesktop places.
QStringList themeFolders()
{
    QStringList folders = QIcon::themeSearchPaths();
    folders << QDir::homePath() + QStringLiteral("/.icons");
    folders << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    folders.removeDuplicates();
    return folders;
}

QString themeName()
{
    if (!QIcon::themeName().isEmpty())
        return QIcon::themeName();
    return QIcon::fallbackThemeName().isEmpty() ? QStringLiteral("hicolor")
                                                : QIcon::fallbackThemeName();
}

} // namespace

// Every icon of the current theme, of the themes it inherits and of hicolor, at its 16-pixel
// size where the theme has one.
void AddImagesDialog::listThemeIcons()
{
    const QString name = themeName();
    const IconTheme theme(themeFolders(), name);
    for (const ThemeIcon& icon : theme.icons(PictureSquares::side)) {
        const QString path = icon.path;
        m_icons->append(icon.name, [path] { return PictureSquares::readPicture(path); });
    }
    //: %1 is the name of the desktop's icon theme.
    ui->themeLabel->setText(tr("Icons of the desktop's theme \"%1\", of the themes it takes "
                               "icons from and of hicolor: %2 icons.")
                                .arg(name)
                                .arg(m_icons->rowCount()));
}

void AddImagesDialog::chooseFiles()
{
    QFileDialog files(this, tr("Choose pictures"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setFileMode(QFileDialog::ExistingFiles);
    files.setNameFilters({pictureFilter(), tr("All files (*)")});
    if (Modal::exec(files) != QDialog::Accepted)
        return;
    for (const QString& path : files.selectedFiles())
        addFile(path);
}

// A picture that is a strip of its own gives a row for each of its squares.
void AddImagesDialog::addFile(const QString& path)
{
    const QList<QImage> pieces = PictureSquares::piecesOf(PictureSquares::readPicture(path));
    const QString name = QFileInfo(path).fileName();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QImage piece = pieces[i];
        m_files->append(pieces.size() == 1
                            ? name
                            //: %1 is a file's name; %2 and %3 count its images.
                            : tr("%1, image %2 of %3").arg(name).arg(i + 1).arg(pieces.size()),
                        [piece] { return piece; });
    }
    const QModelIndex first = m_files->index(m_files->rowCount() - int(pieces.size()));
    ui->fileImagesView->setCurrentIndex(first);
}

void AddImagesDialog::changeBackground()
{
    QColorDialog colours(m_background, this);
    colours.setOption(QColorDialog::DontUseNativeDialog);
    if (Modal::exec(colours) != QDialog::Accepted)
        return;
    m_background = colours.selectedColor();
    showBackground();
}

void AddImagesDialog::showBackground()
{
    ui->backgroundButton->setIcon(
        swatch(m_background, ui->backgroundButton->palette().color(QPalette::ButtonText)));
    m_files->setBackground(m_background);
    m_icons->setBackground(m_background);
    showPreview(ui->sourceTabs->currentIndex() == 0 ? ui->fileImagesView->currentIndex()
                                                    : ui->themeIconsView->currentIndex());
}

void AddImagesDialog::showPreview(const QModelIndex& current)
{
    const QImage image = current.isValid()
                             ? (current.model() == m_files
                                    ? m_files->square(current.row())
                                    : m_icons->square(m_shownIcons->mapToSource(current).row()))
                             : QImage();
    if (image.isNull()) {
        ui->previewView->clear();
        ui->enlargedPreviewView->clear();
        return;
    }
    ui->previewView->setPixmap(QPixmap::fromImage(image));
    ui->enlargedPreviewView->setPixmap(
        QPixmap::fromImage(image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

QList<QImage> AddImagesDialog::chosen() const
{
    QList<QImage> images;
    const auto take = [&](const QModelIndexList& rows, auto row) {
        QModelIndexList sorted = rows;
        std::sort(sorted.begin(), sorted.end());
        for (const QModelIndex& index : sorted)
            if (const QImage image = row(index); !image.isNull())
                images.append(image);
    };
    take(ui->fileImagesView->selectionModel()->selectedIndexes(),
         [&](const QModelIndex& index) { return m_files->square(index.row()); });
    take(ui->themeIconsView->selectionModel()->selectedIndexes(), [&](const QModelIndex& index) {
        return m_icons->square(m_shownIcons->mapToSource(index).row());
    });
    return images;
}

void AddImagesDialog::accept()
{
    const QList<QImage> images = chosen();
    if (images.isEmpty()) {
        Modal::refuse(this, tr("Choose a picture file or an icon first."));
        return;
    }
    if (m_single && images.size() > 1) {
        Modal::refuse(this, tr("Choose one picture: one image is replaced."));
        return;
    }
    QDialog::accept();
}

std::optional<QList<QImage>> AddImagesDialog::chooseImages(QWidget* parent,
                                                           const QColor& background)
{
    AddImagesDialog dialog(parent, background);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

std::optional<QImage> AddImagesDialog::chooseReplacement(QWidget* parent, const QColor& background,
                                                         int number)
{
    AddImagesDialog dialog(parent, background, number);
    if (Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen().value(0);
}
