#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

// The one place through which every modal window and every message box is shown, so that
// tests can answer them all in one way.
namespace Modal {

// Shows the window modally and returns the result it closed with.
int exec(QDialog& window);

// Shows a popup menu at a point on the screen and runs the action chosen, if any.
void showMenu(QMenu& menu, const QPoint& at);

// Refusal of input: the warning icon and one OK button.
void refuse(QWidget* parent, const QString& message);

// Confirmation: Yes and No, Esc answers No; true only for Yes. Yes is the default button
// (Enter), except for a question where Yes would lose what the user cannot get back.
enum class Default { Yes, No };
bool confirm(QWidget* parent, const QString& question, Default defaultAnswer = Default::Yes);

// Something to know that asks for nothing: the information icon and one OK button.
void inform(QWidget* parent, const QString& message);

// An error that ended a handler.
void showError(QWidget* parent, const QString& message);

// Tests only: called with each modal window once its modal loop runs, instead of a person.
// The hook closes the window (or leaves it open, which the test then has to notice).
using Hook = std::function<void(QDialog&)>;
void setHook(Hook hook);
// Tests only: picks the action of each popup menu instead of a person, or none.
using MenuHook = std::function<QAction*(QMenu&, const QPoint& at)>;
void setMenuHook(MenuHook hook);

} // namespace Modal
