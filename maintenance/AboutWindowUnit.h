#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class AboutWindow;
}

// The program's name, version and maker. Only OK, Enter or the close box close it.
class AboutWindow : public Form
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    std::unique_ptr<Ui::AboutWindow> ui;
};
