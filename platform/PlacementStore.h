#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QSettings;
class QWidget;

// Keeps a window's placement between runs, in the per-user key
// "Software\<company>\<application title>\<window key>" (the registry on Windows, an INI file
// in the user's configuration folder elsewhere). The position and size kept are the client
// area's, which come back exactly however the window manager frames the window.
class PlacementStore : public QObject
{
    Q_OBJECT

public:
    enum class Keeps { Position, PositionAndState, PositionSizeAndState };

    // key names the window on disk: stored placements are found by it, so it never changes.
    PlacementStore(QWidget* window, QString key, Keeps keeps);

    // Shared by every store: the company name and whether the application title is part of
    // the key.
    static void setCompanyName(const QString& name);
    static void setUseApplicationTitle(bool use);
    // Tells of a file that holds someone else's data, which the placements must never go into:
    // one that the host's settings name.
    using Reserved = std::function<bool(const QString& path)>;
    static void setReserved(Reserved reserved);

    // The file that holds every window's placement; empty where none does (the registry, or no
    // settings folder).
    static QString placementFilePath();

    // Gives the window its saved size, and moves it to its saved placement; false when no
    // position was saved, or one whose title bar no screen shows any more (the window is then
    // placed anew). A size that no screen holds any more is brought within the screen the
    // window opens on.
    bool restorePlacement();
    void savePlacement();

private:
    // Nothing where the user has no settings folder, or where the placements' file is not a
    // plain file of this program's own: the placement is then not kept. A fifo there would hang
    // the program, and a file of the host's would lose its content.
    std::unique_ptr<QSettings> openSettings() const;
    std::optional<QPoint> savedPosition(QSettings& settings) const;
    std::optional<QSize> savedSize(QSettings& settings) const;
    bool keepsState() const { return m_keeps != Keeps::Position; }
    bool keepsSize() const { return m_keeps == Keeps::PositionSizeAndState; }

    QWidget* m_window;
    QString m_key;
    Keeps m_keeps;
};
