#include "common/WindowPlacement.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

WindowPlacement::WindowPlacement(QWidget* window, PlacementStore* store,
                                 std::optional<QPoint> frameTopLeft)
    : QObject(window), m_window(window), m_store(store), m_frameTopLeft(frameTopLeft)
{
    window->installEventFilter(this);
}

void WindowPlacement::keep(QWidget* window, const QString& key, PlacementStore::Keeps keeps)
{
    new WindowPlacement(window, new PlacementStore(window, key, keeps), std::nullopt);
}

void WindowPlacement::centreOnScreen(QWidget* window)
{
    new WindowPlacement(window, nullptr, std::nullopt);
}

void WindowPlacement::placeFrameAt(QWidget* window, QPoint frameTopLeft)
{
    new WindowPlacement(window, nullptr, frameTopLeft);
}

bool WindowPlacement::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show && !event->spontaneous() && !m_placed) {
        m_placed = true;
        if (placesWindows())
            placeOnFirstShow();
    }
    if (event->type() == QEvent::Hide && !event->spontaneous() && m_store && placesWindows())
        m_store->savePlacement();
    return false;
}

// A window not yet shown has no frame: Qt would take a position for its client area, so the
// client area goes where the frame's corner puts it.
void WindowPlacement::placeOnFirstShow()
{
    if (m_store && m_store->restorePlacement())
        return;
    const QMargins frame = expectedFrameMargins(*m_window);
    QPoint frameTopLeft;
    if (m_frameTopLeft) {
        frameTopLeft = *m_frameTopLeft;
    } else {
        QWidget* parent = m_window->parentWidget();
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect outer = m_window->rect().marginsAdded(frame);
        outer.moveCenter(screen->availableGeometry().center());
        frameTopLeft = outer.topLeft();
    }
    m_window->setGeometry(
        QRect(frameTopLeft + QPoint(frame.left(), frame.top()), m_window->size()));
}

bool WindowPlacement::placesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The window manager tells a window's frame a little after it is shown; until then Qt counts it
// as nothing. On X11 it is waited for, a short while at most, so that a window opened at once
// over a new one is not placed or sized by a frame of nothing.
QMargins WindowPlacement::expectedFrameMargins(const QWidget& window)
{
    QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible() || !owner->windowHandle())
        return {};
    const QWindow& shown = *owner->windowHandle();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return shown.frameMargins();
    // While the frame is being made, the margins Qt works out from it can also be negative or
    // as large as the window itself.
    const auto settled = [&shown] {
        const QMargins frame = shown.frameMargins();
        const int largest = 200;
        return !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 &&
               frame.bottom() >= 0 && frame.left() + frame.right() < largest &&
               frame.top() + frame.bottom() < largest;
    };
    const QDeadlineTimer settling(500);
    while (!settled() && !settling.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    return settled() ? shown.frameMargins() : QMargins();
}

void setDialogFrame(QWidget& window)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
}

void setFrameWithoutButtons(QWidget& window)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint);
}

namespace {

class EscapeKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
};

} // namespace

void keepOpenOnEscape(QWidget& window)
{
    window.installEventFilter(new EscapeKeeper(&window));
}
