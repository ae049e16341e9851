#pragma once

#include "common/Form.h"

#include <QString>

#include <memory>

namespace Ui {
class ViewImageWindow;
}

// Shows a picture at its natural size at the top-left corner, with a button bar below; the
// window is fitted to the picture and scrolls what does not fit.
class ViewImageWindow : public Form
{
    Q_OBJECT

public:
    explicit ViewImageWindow(QWidget* parent = nullptr);
    ~ViewImageWindow() override;

    // Throws when the picture cannot be loaded.
    void loadImage(const QString& fileName);
    // Outer size: the picture and the button bar, at least 200 x 200.
    void fitToImage();

private:
    std::unique_ptr<Ui::ViewImageWindow> ui;
};

// Shows the picture in a new viewer over owner and returns when the viewer closes. A picture
// that does not load throws, and no viewer is shown.
void showImage(QWidget* owner, const QString& fileName);
