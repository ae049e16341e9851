#include "support/DialogAnswerer.h"

#include "common/Modal.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

DialogAnswerer::DialogAnswerer()
{
    Modal::setHook([this](QDialog& window) { answer(window); });
    Modal::setMenuHook([this](QMenu& menu, const QPoint&) { return answerMenu(menu); });
}

DialogAnswerer::~DialogAnswerer()
{
    Modal::setHook({});
    Modal::setMenuHook({});
    QStringList problems = m_surprises;
    if (!m_answers.empty())
        problems.append(QStringLiteral("%1 expected window(s) never came").arg(m_answers.size()));
    if (!m_menuPicks.empty())
        problems.append(QStringLiteral("%1 expected menu(s) never came").arg(m_menuPicks.size()));
    if (!problems.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(problems.join(QLatin1Char('\n'))), __FILE__, __LINE__);
}

void DialogAnswerer::expectMenu(const QString& pick)
{
    m_menuPicks.push_back(pick);
}

QAction* DialogAnswerer::answerMenu(QMenu& menu)
{
    QStringList entries;
    QAction* picked = nullptr;
    const QString pick = m_menuPicks.empty() ? QString() : m_menuPicks.front();
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString keys = action->shortcut().toString(QKeySequence::NativeText);
        entries.append((action->isEnabled() ? QString() : QStringLiteral("-")) + action->text() +
                       (keys.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(keys)));
        if (action->text() == pick && action->isEnabled())
            picked = action;
    }
    m_menus.append(entries);
    if (m_menuPicks.empty())
        m_surprises.append(QStringLiteral("unexpected menu"));
    else
        m_menuPicks.pop_front();
    return picked;
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
    // A box quotes paths and file text, which must never be read as markup.
    const auto* box = qobject_cast<const QMessageBox*>(&window);
    if (box && box->textFormat() != Qt::PlainText)
        m_surprises.append(QStringLiteral("shown as markup: ") + box->text());
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
