#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ImageViewer;
}
class QImage;

// Shows a picture at its natural size at the top-left corner, with a button bar below; the
// window is fitted to the picture and scrolls what does not fit on the screen. OK, Enter and the
// close box close it; Esc does not, as it has no Cancel button.
class ImageViewer : public QDialog
{
    Q_OBJECT

public:
    ImageViewer(QWidget* parent, const QImage& picture);
    ~ImageViewer() override;

    // Shows the picture file in a viewer over parent and returns when the viewer closes. A
    // picture that does not load throws, and no viewer is shown.
    static void view(QWidget* parent, const QString& fileName);
    static void view(QWidget* parent, const QImage& picture);

private:
    void fitToPicture();

    std::unique_ptr<Ui::ImageViewer> ui;
};
