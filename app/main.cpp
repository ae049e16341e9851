#include "app/Application.h"
#include "app/StartWindowUnit.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails with an error that the save reports, instead
    // of the signal ending the program half-way through.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication application(argc, argv);
    setUpApplication(application);
    TStartWindow startWindow;
    startWindow.Create();
    startWindow.show();
    // Lets the start-up benchmark time a real start: up to the start window shown, then out.
    if (qEnvironmentVariableIsSet("HALVEX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}
