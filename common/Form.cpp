#include "common/Form.h"

#include "common/ErrorGuard.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

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
    if (m_storage && !event->spontaneous())
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
    if (m_storage && m_storage->restorePlacement())
        return;
    if (m_position == Position::Designed)
        move(m_designedPosition);
    else
        centreOnScreen();
}

void Form::centreOnScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
