#include "support/WindowSystem.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <utility>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int number(const QString& text, const QString& label)
{
    const QRegularExpression line(label + QStringLiteral(":\\s*(-?\\d+)"));
    return line.match(text).captured(1).toInt();
}

std::optional<OnScreen> placedNow(const QWidget& window)
{
    const QString id = QString::number(window.winId());
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const QString extents = run(QStringLiteral("xprop"),
                                {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch frame =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!info.contains(QLatin1String("IsViewable")) || !frame.hasMatch())
        return std::nullopt;
    const QRect client(number(info, QStringLiteral("Absolute upper-left X")),
                       number(info, QStringLiteral("Absolute upper-left Y")),
                       number(info, QStringLiteral("Width")),
                       number(info, QStringLiteral("Height")));
    const QMargins margins(frame.captured(1).toInt(), frame.captured(3).toInt(),
                           frame.captured(2).toInt(), frame.captured(4).toInt());
    return OnScreen{client, client.marginsAdded(margins)};
}

} // namespace

// Settled once two looks in a row agree: the window manager may move a window once more after
// framing it.
std::optional<OnScreen> waitUntilFramed(const QWidget& window, int milliseconds)
{
    std::optional<OnScreen> before;
    std::optional<OnScreen> now;
    const bool settled = QTest::qWaitFor(
        [&] {
            before = std::exchange(now, placedNow(window));
            return now && now == before;
        },
        milliseconds);
    return settled ? now : std::nullopt;
}

bool moveOnScreen(const QWidget& window, QPoint clientTopLeft)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowmove"), QString::number(window.winId()),
         QString::number(clientTopLeft.x()), QString::number(clientTopLeft.y())});
    return QTest::qWaitFor([&] { return window.geometry().topLeft() == clientTopLeft; }, 2000);
}

char* toString(const OnScreen& placed)
{
    const auto rect = [](const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    return qstrdup(qPrintable(
        QStringLiteral("client %1, frame %2").arg(rect(placed.client), rect(placed.frame))));
}
