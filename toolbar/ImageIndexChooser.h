#pragma once

#include <QObject>

class ImageList;
class QLabel;
class ArrowSpinBox;

// The image spin edit of the property dialogs: it counts images from 1 where the tree counts
// from 0, is bounded by the images of the list, and shows the chosen image beside it at its
// natural size and enlarged. It gives back the index it was given until the user changes the
// number, so that an index outside the strip survives an edit of the caption. With no images to
// choose from it is disabled. A click on the image, or F4 or Alt+Down in the number field, opens
// the picker, which shows every image of the strip at once.
class ImageIndexChooser : public QObject
{
    Q_OBJECT

public:
    ImageIndexChooser(ArrowSpinBox* spin, QLabel* image, QLabel* enlarged, ImageList& images);

    void setImageIndex(int index);
    int imageIndex() const;

public slots:
    void pickImage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showChosen();

    ArrowSpinBox* m_spin;
    QLabel* m_image;
    QLabel* m_enlarged;
    ImageList& m_images;
    int m_keptIndex = 0;
    bool m_choosing = false;
    bool m_changed = false;
};
