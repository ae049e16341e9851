#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class TAboutWindow;
}

// The program's name, version and maker. Only OK, Enter or the close box close it.
class TAboutWindow : public TForm
{
    Q_OBJECT

public:
    explicit TAboutWindow(QWidget* parent = nullptr);
    ~TAboutWindow() override;

private:
    std::unique_ptr<Ui::TAboutWindow> ui;
};
