#include "app/Application.h"
#include "app/StartWindowUnit.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);
    TStartWindow startWindow;
    startWindow.Create();
    startWindow.show();
    return application.exec();
}
