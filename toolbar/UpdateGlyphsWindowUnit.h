#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class TUpdateGlyphsWindow;
}

// Waits while the user edits the image strip in another program: Update closes it with the OK
// result, Cancel (or Esc) without. It has no title-bar buttons, so only these two close it.
class TUpdateGlyphsWindow : public TForm
{
    Q_OBJECT

public:
    explicit TUpdateGlyphsWindow(QWidget* parent = nullptr);
    ~TUpdateGlyphsWindow() override;

private:
    std::unique_ptr<Ui::TUpdateGlyphsWindow> ui;
};
