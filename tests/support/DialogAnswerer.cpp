#include "support/DialogAnswerer.h"

#include "common/Modal.h"

#include <QAbstractButton>

DialogAnswerer::DialogAnswerer()
{
    Modal::setHook([this](QDialog& window) { answer(window); });
}

DialogAnswerer::~DialogAnswerer()
{
    Modal::setHook({});
}

void DialogAnswerer::expect(Answer answer)
{
    m_answers.push_back(std::move(answer));
}

void DialogAnswerer::expectMessage(QMessageBox::StandardButton button)
{
    expect([this, button](QDialog& window) {
        m_messages.append(describeWindow(window));
        pressButton(window, button);
    });
}

void DialogAnswerer::answer(QDialog& window)
{
    if (m_answers.empty()) {
        m_surprises.append(QStringLiteral("unexpected: ") + describeWindow(window));
        window.reject();
        return;
    }
    const Answer next = std::move(m_answers.front());
    m_answers.pop_front();
    next(window);
    if (window.isVisible()) {
        m_surprises.append(QStringLiteral("left open: ") + describeWindow(window));
        window.reject();
    }
}

QString describeWindow(const QDialog& window)
{
    if (const auto* box = qobject_cast<const QMessageBox*>(&window))
        return box->text();
    return window.objectName();
}

void pressButton(QDialog& window, QMessageBox::StandardButton button)
{
    auto* box = qobject_cast<QMessageBox*>(&window);
    if (box && box->button(button))
        box->button(button)->click();
    else
        window.reject();
}
