// The floor of the start-up benchmark: a Qt Widgets program that shows one empty window.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(219, 206);
    window.show();
    if (qEnvironmentVariableIsSet("HALVEX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}
