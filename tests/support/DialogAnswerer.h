#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the program's modal windows in the order they appear, as a person would. A window
// that no answer was queued for is closed and recorded, so a test never hangs on it; so is a
// window that an answer left open.
class DialogAnswerer
{
public:
    using Answer = std::function<void(QDialog&)>;

    DialogAnswerer();
    ~DialogAnswerer();

    void expect(Answer answer);
    // A message box: records its text, then presses the button.
    void expectMessage(QMessageBox::StandardButton button = QMessageBox::Ok);

    // Texts of the message boxes seen, in order.
    const QStringList& messages() const { return m_messages; }
    // Windows that came unexpected or were left open; empty when all went as planned.
    const QStringList& surprises() const { return m_surprises; }
    bool allAnswered() const { return m_answers.empty(); }

private:
    void answer(QDialog& window);

    std::deque<Answer> m_answers;
    QStringList m_messages;
    QStringList m_surprises;
};

QString describeWindow(const QDialog& window);
// Presses a message box's button the way a click would.
void pressButton(QDialog& window, QMessageBox::StandardButton button);
