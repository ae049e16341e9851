#include "common/Modal.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

Modal::Hook testHook;
Modal::MenuHook menuHook;

// The application name stays English, since the windows' placement keys hold it; a person
// reads its translation.
QString boxTitle()
{
    return QCoreApplication::translate("Application",
                                       qUtf8Printable(QCoreApplication::applicationName()));
}

} // namespace

namespace Modal {

int exec(QDialog& window)
{
    if (testHook) {
        QPointer<QDialog> guard(&window);
        QTimer::singleShot(0, &window, [guard] {
            if (guard)
                testHook(*guard);
        });
    }
    return window.exec();
}

void showMenu(QMenu& menu, const QPoint& at)
{
    if (!menuHook) {
        menu.exec(at);
        return;
    }
    if (QAction* chosen = menuHook(menu, at))
        chosen->trigger();
}

namespace {

// A message may quote a path or a line of a file, which is never to be read as markup.
void showAsPlainText(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
}

} // namespace

void refuse(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Modal", "Warning"), message,
                    QMessageBox::Ok, parent);
    showAsPlainText(box);
    box.setDefaultButton(QMessageBox::Ok);
    exec(box);
}

bool confirm(QWidget* parent, const QString& question, Default defaultAnswer)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Modal", "Confirm"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    showAsPlainText(box);
    box.setDefaultButton(defaultAnswer == Default::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    exec(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void inform(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Information, boxTitle(), message, QMessageBox::Ok, parent);
    showAsPlainText(box);
    box.setDefaultButton(QMessageBox::Ok);
    exec(box);
}

void showError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, boxTitle(), message, QMessageBox::Ok, parent);
    showAsPlainText(box);
    box.setDefaultButton(QMessageBox::Ok);
    exec(box);
}

void setHook(Hook hook)
{
    testHook = std::move(hook);
}

void setMenuHook(MenuHook hook)
{
    menuHook = std::move(hook);
}

} // namespace Modal
