#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QList>

#include <memory>
#include <optional>

namespace Ui {
class AddImagesDialog;
}
class ImageCandidatesModel;
class QAbstractItemModel;
class QAbstractItemView;
class QSortFilterProxyModel;

// New images for the strip from two sources in one window: picture files of any kind Qt reads,
// and the icons of the desktop's icon theme. Each becomes a 16 x 16 image, its transparency drawn
// over the background colour, which the window shows beside the image it makes and lets change.
class AddImagesDialog : public QDialog
{
    Q_OBJECT

public:
    // replacing: the number of the image that the chosen one replaces, counted from 1; 0 to add
    // as many as are chosen.
    AddImagesDialog(QWidget* parent, const QColor& background, int replacing = 0);
    ~AddImagesDialog() override;

    // The images chosen, in the order shown, files first; nothing on Cancel.
    static std::optional<QList<QImage>> chooseImages(QWidget* parent, const QColor& background);
    static std::optional<QImage> chooseReplacement(QWidget* parent, const QColor& background,
                                                   int number);

    QList<QImage> chosen() const;

public slots:
    void chooseFiles();
    void changeBackground();
    void accept() override;

private:
    void setUpView(QAbstractItemView& view, QAbstractItemModel* model);
    void setTabOrder();
    void listThemeIcons();
    void addFile(const QString& path);
    void showBackground();
    void showPreview(const QModelIndex& current);

    std::unique_ptr<Ui::AddImagesDialog> ui;
    ImageCandidatesModel* m_files;
    ImageCandidatesModel* m_icons;
    QSortFilterProxyModel* m_shownIcons;
    QColor m_background;
    bool m_single;
};
