#include "app/Application.h"

#include "common/Glyphs.h"

#include <QApplication>
#include <QFont>

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Tarvel Halvex configuration"));
    QApplication::setOrganizationName(QStringLiteral("TarvelSoftware"));
    // The windows' fixed sizes were laid out for 11-pixel text.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QApplication::setWindowIcon(programIcon());
    // Wayland desktops take the window's icon from the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("halvex-config"));
    application.setQuitOnLastWindowClosed(true);
}
