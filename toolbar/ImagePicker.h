#pragma once

#include <QDialog>

#include <optional>

class ImageList;
class QListView;
class QModelIndex;

// Every image of the strip at once, in a grid, drawn larger than the strip holds them: the
// arrow keys, Home and End or the mouse move through them; Enter or a click takes one, Esc
// leaves the choice as it was.
class ImagePicker : public QDialog
{
    Q_OBJECT

public:
    ImagePicker(QWidget* parent, const ImageList& images, int current);

    // The image taken, counted from 0; nothing when the picker was left with Esc.
    static std::optional<int> pick(QWidget* parent, const ImageList& images, int current);

    int chosen() const;

private:
    void take(const QModelIndex& image);

    QListView* m_grid;
};
