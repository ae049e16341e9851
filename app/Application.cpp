#include "app/Application.h"

#include "common/Glyphs.h"

#include <QApplication>
#include <QFont>

void setUpCommandLine(QCoreApplication& application)
{
    Q_UNUSED(application);
    QCoreApplication::setApplicationName(QStringLiteral("Tarvel Halvex configuration"));
    QCoreApplication::setOrganizationName(QStringLiteral("TarvelSoftware"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));
}

void setUpApplication(QApplication& application)
{
    setUpCommandLine(application);
    // The windows' fixed sizes were laid out for 11-pixel text.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QApplication::setWindowIcon(programIcon());
    // Wayland desktops take the window's icon from the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("halvex-config"));
    application.setQuitOnLastWindowClosed(true);
}
