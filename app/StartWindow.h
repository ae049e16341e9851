#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class StartWindow;
}
class HostSettings;
class HostOptions;

// The program's main menu: opens each editor and the Additional window, and owns the host
// settings for the whole run. It has no title-bar buttons: Exit closes it.
class StartWindow : public QDialog
{
    Q_OBJECT

public:
    explicit StartWindow(QWidget* parent = nullptr);
    ~StartWindow() override;

    const HostOptions& options() const;

public slots:
    void editToolbar();
    void editProcedures();
    void editMimeTypes();
    void showAdditionalFunctions();

private:
    std::unique_ptr<Ui::StartWindow> ui;
    std::unique_ptr<HostSettings> m_hostSettings;
};
