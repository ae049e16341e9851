// The floor of the start-up benchmark: a Qt Widgets program that shows one empty window. Given
// --caption, the window shows one word as well: what a window costs once it shows any text, which
// loads the fonts.
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(219, 206);
    if (QCoreApplication::arguments().contains(QStringLiteral("--caption")))
        new QLabel(QStringLiteral("OK"), &window);
    window.show();
    if (qEnvironmentVariableIsSet("HALVEX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, [&window] {
            window.repaint(); // painted, not only mapped
            std::printf("%lld\n", QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs());
            QCoreApplication::quit();
        });
    return application.exec();
}
