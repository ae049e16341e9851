#include "platform/DisplayCheck.h"

#include <QDir>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// Waits a moment at most for a connection to be taken: a server that is gone refuses it at
// once, one behind a dead network never answers.
bool connects(int socket, const sockaddr* address, socklen_t length)
{
    ::fcntl(socket, F_SETFL, O_NONBLOCK);
    bool connected = ::connect(socket, address, length) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{socket, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = ::poll(&waiting, 1, 2000) == 1 &&
                    ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    ::close(socket);
    return connected;
}

// A local socket by its path; with abstract true, in Linux's abstract name space, where an X
// server also listens.
bool localSocketAnswers(const QByteArray& path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t offset = abstract ? 1 : 0;
    if (size_t(path.size()) + offset >= sizeof address.sun_path)
        return false;
    std::copy(path.cbegin(), path.cend(), address.sun_path + offset);
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() +
                                       (abstract ? 0 : 1));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    return socket >= 0 && connects(socket, reinterpret_cast<sockaddr*>(&address), length);
}

bool tcpAnswers(const QByteArray& host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (addrinfo* at = found; at && !answered; at = at->ai_next) {
        const int socket = ::socket(at->ai_family, at->ai_socktype, at->ai_protocol);
        answered = socket >= 0 && connects(socket, at->ai_addr, at->ai_addrlen);
    }
    ::freeaddrinfo(found);
    return answered;
}

// DISPLAY is [host]:number[.screen]; no host, or "unix", is the local socket.
bool xServerAnswers(const QByteArray& display)
{
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    bool isNumber = false;
    const int number = display.mid(colon + 1).split('.').first().toInt(&isNumber);
    if (!isNumber)
        return false;
    if (!host.isEmpty() && host != "unix")
        return tcpAnswers(host, 6000 + number);
    const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
    return localSocketAnswers(path, true) || localSocketAnswers(path, false);
}

bool waylandAnswers(const QByteArray& display)
{
    const QString name = QFile::decodeName(display);
    const QString path = QDir::isAbsolutePath(name)
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    return localSocketAnswers(QFile::encodeName(path), false);
}

#endif

} // namespace

namespace {

// Qt's options for the windows, those that take a value and those that do not.
const QStringList qtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style",
    "stylesheet", "display", "geometry", "title", "name",
    "visual", "ncols", "cmap", "im", "inputstyle",
    "fn", "font", "bg", "background", "fg",
    "foreground", "btn", "button"};
const QStringList qtOptionsAlone = {"reverse", "widgetcount", "nograb", "dograb", "sync",
                                    "testability"};

// The option's name without its dashes and value: Qt takes -style, --style and -style=Fusion.
QString qtOptionName(const QString& argument)
{
    QString name = argument.section(QLatin1Char('='), 0, 0);
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name;
}

// The value of Qt's -platform option, if it is given.
QByteArray platformOption(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')) || qtOptionName(arguments[i]) != u"platform")
            continue;
        if (arguments[i].contains(QLatin1Char('=')))
            return arguments[i].section(QLatin1Char('='), 1).toLocal8Bit();
        return i + 1 < arguments.size() ? arguments[i + 1].toLocal8Bit() : QByteArray();
    }
    return {};
}

} // namespace

// A platform asked for by name (offscreen, say) needs no server to be checked here.
bool hasWindowSystem(const QStringList& arguments)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QByteArray platform = platformOption(arguments);
    if (platform.isEmpty())
        platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x = qgetenv("DISPLAY");
    if (!platform.startsWith("xcb") && !wayland.isEmpty() && waylandAnswers(wayland))
        return true;
    return !platform.startsWith("wayland") && !x.isEmpty() && xServerAnswers(x);
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList left = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name = qtOptionName(argument);
        const bool option = argument.startsWith(QLatin1Char('-')) && argument != u"--";
        if (option && qtOptionsWithValue.contains(name) && !argument.contains(QLatin1Char('=')))
            ++i;
        else if (!option || !(qtOptionsAlone.contains(name) || qtOptionsWithValue.contains(name)))
            left.append(argument);
    }
    return left;
}

bool asksForCommandLine(const QStringList& arguments)
{
    return withoutQtOptions(arguments).size() > 1;
}
