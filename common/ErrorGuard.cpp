#include "common/ErrorGuard.h"

#include "common/Modal.h"
#include "platform/AppError.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

// An error box over a window that is not shown yet (one that fails while it is made) would open
// with no place on screen; it goes over the window's parent then.
QWidget* visibleOwner(QWidget* owner)
{
    while (owner && !owner->isVisible())
        owner = owner->parentWidget();
    return owner;
}

} // namespace

bool runGuarded(QWidget* owner, const std::function<void()>& handler, const QString& noteOnError)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const AppError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QCoreApplication::translate("ErrorGuard", "Unexpected error: %1")
                      .arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        message = QCoreApplication::translate("ErrorGuard", "Unexpected error of an unknown kind.");
    }
    reportError(owner,
                noteOnError.isEmpty() ? message : message + QStringLiteral("\n\n") + noteOnError);
    return false;
}

void reportError(QWidget* owner, const QString& message)
{
    Modal::showError(visibleOwner(owner), message);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    auto* widget = qobject_cast<QWidget*>(receiver);
    runGuarded(widget ? widget->window() : QApplication::activeModalWidget(),
               [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
