#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/StartWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails with an error that the save reports, instead
    // of the signal ending the program half-way through.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Any option asks for the command line, which needs no window system.
    if (argc > 1 || !hasWindowSystem()) {
        QCoreApplication application(argc, argv);
        setUpCommandLine(application);
        return argc > 1 ? runCommandLine(application) : refuseWithoutWindowSystem();
    }
    QApplication application(argc, argv);
    setUpApplication(application);
    StartWindow startWindow;
    startWindow.show();
    // Lets the start-up benchmark time a real start: it learns when the start window was shown.
    if (qEnvironmentVariableIsSet("HALVEX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, [&startWindow] {
            startWindow.repaint(); // painted, not only mapped
            std::printf("%lld\n", QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs());
            QCoreApplication::quit();
        });
    return application.exec();
}
