#pragma once

#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the program's modal windows in the order they appear, as a person would. A window
// that no answer was queued for is closed and recorded, so a test never hangs on it; so is a
// window that an answer left open. When it goes, the test fails if a window came unexpected or
// was left open, or if an answer or a menu pick was never used: every expected window came.
class DialogAnswerer
{
public:
    using Answer = std::function<void(QDialog&)>;

    DialogAnswerer();
    ~DialogAnswerer();

    void expect(Answer answer);
    // A message box: records its text, then presses the button.
    void expectMessage(QMessageBox::StandardButton button = QMessageBox::Ok);
    // A context menu: records its entries, then picks the one of that text, if it is enabled.
    void expectMenu(const QString& pick);
    // The entries of the menus seen, in order: "Cut (Ctrl+X)" or "-Cut (Ctrl+X)" when disabled.
    const QList<QStringList>& menus() const { return m_menus; }

    // Texts of the message boxes seen, in order.
    const QStringList& messages() const { return m_messages; }
    // Windows that came unexpected or were left open; empty when all went as planned.
    const QStringList& surprises() const { return m_surprises; }
    bool allAnswered() const { return m_answers.empty() && m_menuPicks.empty(); }
    // For a test that expects a surprise: the answerer then says nothing when it goes.
    void forgetSurprises() { m_surprises.clear(); }

private:
    void answer(QDialog& window);
    QAction* answerMenu(QMenu& menu);

    std::deque<Answer> m_answers;
    std::deque<QString> m_menuPicks;
    QList<QStringList> m_menus;
    QStringList m_messages;
    QStringList m_surprises;
};

QString describeWindow(const QDialog& window);
// Presses a message box's button the way a click would.
void pressButton(QDialog& window, QMessageBox::StandardButton button);
