#include "common/Form.h"

#include "common/ErrorGuard.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

// A fixed-size dialog frame: a close box, but nothing to minimise or maximise.
Form::Form(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

void Form::removeTitleBarButtons()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

Form::~Form() = default;

void Form::runCreateHandler()
{
    runGuarded(this, [this] { onCreate(); });
}

void Form::keepOpen()
{
    m_keepOpen = true;
}

void Form::setOkButton(QAbstractButton* button, std::function<void()> handler)
{
    if (auto* push = qobject_cast<QPushButton*>(button))
        push->setDefault(true);
    connect(button, &QAbstractButton::clicked, this, [this, handler] { okClicked(handler); });
}

void Form::setCancelButton(QAbstractButton* button)
{
    m_hasCancelButton = true;
    connect(button, &QAbstractButton::clicked, this, &QDialog::reject);
}

void Form::keepPlacement(const QString& key, PlacementStore::Keeps keeps)
{
    m_storage = new PlacementStore(this, key, keeps);
}

void Form::setPosition(Position position, QPoint designed)
{
    m_position = position;
    m_designedPosition = designed;
}

void Form::okClicked(const std::function<void()>& handler)
{
    m_keepOpen = false;
    const bool ranThrough = !handler || runGuarded(this, handler);
    if (ranThrough && !m_keepOpen)
        accept();
}

void Form::showEvent(QShowEvent* event)
{
    // Placed before QDialog's own handler, which would otherwise centre over the parent.
    if (!event->spontaneous() && !m_placed) {
        placeOnFirstShow();
        m_placed = true;
    }
    QDialog::showEvent(event);
}

void Form::hideEvent(QHideEvent* event)
{
    if (m_storage && !event->spontaneous() && placesWindows())
        m_storage->savePlacement();
    QDialog::hideEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !m_hasCancelButton) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form::placeOnFirstShow()
{
    if (!placesWindows())
        return;
    if (m_storage && m_storage->restorePlacement())
        return;
    if (m_position == Position::Designed)
        placeFrameAt(m_designedPosition);
    else
        centreOnScreen();
}

// A window not yet shown has no frame: Qt would take the position for its client area, so the
// client area goes where the frame's corner puts it.
void Form::placeFrameAt(QPoint frameTopLeft)
{
    const QMargins frame = expectedFrameMargins();
    setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), size()));
}

void Form::centreOnScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = rect().marginsAdded(expectedFrameMargins());
    frame.moveCenter(screen->availableGeometry().center());
    placeFrameAt(frame.topLeft());
}

bool Form::placesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The window manager tells a window's frame a little after it is shown; until then Qt counts it
// as nothing. On X11 it is waited for, a short while at most, so that a window opened at once
// over a new one is not placed or sized by a frame of nothing.
QMargins Form::expectedFrameMargins() const
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
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
