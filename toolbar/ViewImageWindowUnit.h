#pragma once

#include "common/Form.h"

#include <QString>

#include <memory>

namespace Ui {
class TViewImageWindow;
}

// Shows a picture at its natural size at the top-left corner, with a button bar below; the
// window is fitted to the picture and scrolls what does not fit.
class TViewImageWindow : public TForm
{
    Q_OBJECT

public:
    explicit TViewImageWindow(QWidget* parent = nullptr);
    ~TViewImageWindow() override;

    // Throws when the picture cannot be loaded.
    void LoadImage(const QString& fileName);
    // Outer size: the picture and the button bar, at least 200 x 200.
    void FitToImage();

private:
    QSize frameExtent() const;

    std::unique_ptr<Ui::TViewImageWindow> ui;
};

// Shows the picture in a new viewer over owner and returns when the viewer closes. A picture
// that does not load throws, and no viewer is shown.
void ShowImage(QWidget* owner, const QString& fileName);
