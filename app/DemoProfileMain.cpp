#include "app/DemoProfile.h"
#include "platform/AppError.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// halvex-demo-profile FOLDER: writes a demo host profile; run the editor with
// XDG_CONFIG_HOME=FOLDER/config to use it.
int main(int argc, char* argv[])
{
    // Drawing the strip needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvex-demo-profile FOLDER\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    try {
        writeDemoProfile(folder);
    } catch (const AppError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(folder + QStringLiteral("/config"))));
    return 0;
}
