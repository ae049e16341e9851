#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class UpdateImagesWindow;
}

// Waits while the user edits the image strip in another program: Update closes it with the OK
// result, Cancel (or Esc) without. It has no title-bar buttons, so only these two close it.
class UpdateImagesWindow : public Form
{
    Q_OBJECT

public:
    explicit UpdateImagesWindow(QWidget* parent = nullptr);
    ~UpdateImagesWindow() override;

private:
    std::unique_ptr<Ui::UpdateImagesWindow> ui;
};
