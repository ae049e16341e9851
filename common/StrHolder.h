#pragma once

#include <QStringList>

// A constant list of lines fixed when the program is built, written out as a line file.
class TStrHolder
{
public:
    explicit TStrHolder(QStringList lines) : m_lines(std::move(lines)) {}

    const QStringList& lines() const { return m_lines; }
    void saveToFile(const QString& path) const;

private:
    QStringList m_lines;
};
