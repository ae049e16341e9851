#include "tools/DemoProfile.h"
#include "platform/AppError.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

// halvex-demo-profile FOLDER: writes a demo host profile; run the editor with
// XDG_CONFIG_HOME=FOLDER/config to use it.
int main(int argc, char* argv[])
{
    // Drawing the strip needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    // An option is never taken for a folder to create.
    const bool help = argc == 2 && std::strcmp(argv[1], "--help") == 0;
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(help ? stdout : stderr,
                     "usage: halvex-demo-profile FOLDER\n"
                     "Writes a demo host profile in FOLDER and prints the configuration folder "
                     "to give the editor as XDG_CONFIG_HOME.\n");
        return help ? 0 : 2;
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
