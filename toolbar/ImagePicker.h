#pragma once

#include <QDialog>
#include <QList>

#include <optional>

class ImageList;
class QHBoxLayout;
class QImage;
class QListView;
class QModelIndex;
class QPushButton;

// Every image of the strip at once, in a grid, drawn larger than the strip holds them: the
// arrow keys, Home and End or the mouse move through them; Enter or a click takes one, Esc
// leaves the choice as it was. Add images and Replace image make new images from picture files
// and the desktop's icons, each a step on the editor's undo stack.
class ImagePicker : public QDialog
{
    Q_OBJECT

public:
    ImagePicker(QWidget* parent, ImageList& images, int current);

    // The image taken, counted from 0; nothing when the picker was left with Esc.
    static std::optional<int> pick(QWidget* parent, ImageList& images, int current);

    int chosen() const;

public slots:
    void addImages();
    void replaceImage();

private:
    QHBoxLayout* imageButtons();
    void select(int index);
    QList<QImage> cornerSamples() const;
    void take(const QModelIndex& image);

    ImageList& m_images;
    QListView* m_grid;
    QPushButton* m_addButton;
    QPushButton* m_replaceButton;
};
