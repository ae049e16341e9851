#pragma once

#include <QString>

#include <exception>

// The one error type of the program: a message for a person, saying what failed, on which
// file and line, and why. Thrown where the failure is found; shown by the error guard.
class AppError : public std::exception
{
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }

    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
