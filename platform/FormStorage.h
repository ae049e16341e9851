#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class QSettings;
class QWidget;

// Keeps a window's placement between runs, in the per-user key
// "Software\<company>\<application title>\<window class>" (the registry on Windows, an INI file
// in the user's configuration folder elsewhere).
class TFormStorage : public QObject
{
    Q_OBJECT

public:
    enum class Keeps { Position, PositionAndState };

    TFormStorage(QWidget* form, Keeps keeps);

    // Shared by every store: the company name and whether the application title is part of
    // the key.
    static void setDefCompanyName(const QString& name);
    static QString defCompanyName();
    static void setRegUseAppTitle(bool use);

    QString keyPath() const;

    // Moves the window to its saved placement; false when nothing usable was saved.
    bool restorePlacement();
    void savePlacement();

private:
    std::unique_ptr<QSettings> openSettings() const;
    std::optional<QPoint> savedPosition(QSettings& settings) const;

    QWidget* m_form;
    Keeps m_keeps;
};
