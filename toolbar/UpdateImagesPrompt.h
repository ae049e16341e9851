#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class UpdateImagesPrompt;
}

// Waits while the user edits the image strip in another program: Update closes it with the OK
// result, Cancel (or Esc) without. It has no title-bar buttons, so only these two close it.
class UpdateImagesPrompt : public QDialog
{
    Q_OBJECT

public:
    explicit UpdateImagesPrompt(QWidget* parent = nullptr);
    ~UpdateImagesPrompt() override;

    // True when the user pressed Update.
    static bool ask(QWidget* parent);

private:
    std::unique_ptr<Ui::UpdateImagesPrompt> ui;
};
