#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/StartWindow.h"
#include "common/ErrorGuard.h"
#include "platform/DisplayCheck.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails with an error that the save reports, instead
    // of the signal ending the program half-way through.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // The command line needs no window system; the windows need one that answers.
    const QStringList arguments = argumentsOf(argc, argv);
    const bool commandLine = asksForCommandLine(arguments);
    if (commandLine || !hasWindowSystem(arguments)) {
        QCoreApplication application(argc, argv);
        setUpCommandLine(application);
        return commandLine ? runCommandLine(application) : refuseWithoutWindowSystem();
    }
    GuardedApplication application(argc, argv);
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
