#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

// The program's name, version and maker. It has no cancel button: only OK, Enter or the close
// box close it, not Esc.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
