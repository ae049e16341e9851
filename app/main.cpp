#include "app/Application.h"
#include "app/StartWindowUnit.h"

#include <QApplication>

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
    return application.exec();
}
