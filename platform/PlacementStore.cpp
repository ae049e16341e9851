#include "platform/PlacementStore.h"

#include "platform/ConfigFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace {

QString sharedCompanyName = QStringLiteral("TarvelSoftware");
bool useAppTitle = false;
PlacementStore::Reserved reservedFile;

const QString leftKey = QStringLiteral("Left");
const QString topKey = QStringLiteral("Top");
const QString stateKey = QStringLiteral("State");
const QString widthKey = QStringLiteral("Width");
const QString heightKey = QStringLiteral("Height");
// Room for the title bar above the client area, which a window not yet shown has no frame for.
constexpr int titleBarHeight = 24;

enum SavedState { stateNormal = 0, stateMinimized = 1, stateMaximized = 2 };

int toSavedState(Qt::WindowStates states)
{
    if (states & Qt::WindowMaximized)
        return stateMaximized;
    if (states & Qt::WindowMinimized)
        return stateMinimized;
    return stateNormal;
}

// A saved position is only used as it is when the window's title bar would be on a screen: a
// monitor that was unplugged must not leave the window out of reach.
bool titleBarOnScreen(const QPoint& topLeft, int width)
{
    const QRect titleBar(topLeft, QSize(width, titleBarHeight));
    const int needed = qMin(width, 40);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleBar);
        if (visible.width() >= needed && visible.height() >= 8)
            return true;
    }
    return false;
}

QString appSettingsName()
{
    return useAppTitle ? QCoreApplication::applicationName() : sharedCompanyName;
}

bool someScreenHolds(QSize client)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize room = screen->availableGeometry().size() - QSize(0, titleBarHeight);
        if (client.width() <= room.width() && client.height() <= room.height())
            return true;
    }
    return false;
}

// The client area within the screen's room, its title bar too: as large as the screen allows,
// and moved in from the edges it went past.
QRect ontoScreen(QRect client, const QScreen& screen)
{
    const QRect room = screen.availableGeometry().adjusted(0, titleBarHeight, 0, 0);
    client.setSize(client.size().boundedTo(room.size()));
    client.moveLeft(std::clamp(client.left(), room.left(), room.right() - client.width() + 1));
    client.moveTop(std::clamp(client.top(), room.top(), room.bottom() - client.height() + 1));
    return client;
}

} // namespace

PlacementStore::PlacementStore(QWidget* window, QString key, Keeps keeps)
    : QObject(window), m_window(window), m_key(std::move(key)), m_keeps(keeps)
{
    setObjectName(QStringLiteral("placementStore"));
}

void PlacementStore::setCompanyName(const QString& name)
{
    sharedCompanyName = name;
}

void PlacementStore::setUseApplicationTitle(bool use)
{
    useAppTitle = use;
}

void PlacementStore::setReserved(Reserved reserved)
{
    reservedFile = std::move(reserved);
}

// Worked out afresh each time, so a changed XDG_CONFIG_HOME is followed.
QString PlacementStore::placementFilePath()
{
#ifdef Q_OS_WIN
    return {};
#else
    const std::optional<QString> folder = userConfigFolder();
    if (!folder)
        return {};
    return *folder + QLatin1Char('/') + sharedCompanyName + QLatin1Char('/') + appSettingsName() +
           QStringLiteral(".ini");
#endif
}

std::unique_ptr<QSettings> PlacementStore::openSettings() const
{
    std::unique_ptr<QSettings> settings;
#ifdef Q_OS_WIN
    QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\") + sharedCompanyName;
    if (useAppTitle)
        key += QLatin1Char('\\') + QCoreApplication::applicationName();
    settings = std::make_unique<QSettings>(key, QSettings::NativeFormat);
#else
    const QString file = placementFilePath();
    const QFileInfo info(file);
    if (file.isEmpty() || (info.exists() && !info.isFile()) || (reservedFile && reservedFile(file)))
        return nullptr;
    settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
    settings->beginGroup(m_key);
    return settings;
}

std::optional<QPoint> PlacementStore::savedPosition(QSettings& settings) const
{
    bool leftOk = false;
    bool topOk = false;
    const int left = settings.value(leftKey).toInt(&leftOk);
    const int top = settings.value(topKey).toInt(&topOk);
    if (!leftOk || !topOk)
        return std::nullopt;
    return QPoint(left, top);
}

std::optional<QSize> PlacementStore::savedSize(QSettings& settings) const
{
    bool widthOk = false;
    bool heightOk = false;
    const int width = settings.value(widthKey).toInt(&widthOk);
    const int height = settings.value(heightKey).toInt(&heightOk);
    if (!widthOk || !heightOk || width <= 0 || height <= 0)
        return std::nullopt;
    return QSize(width, height);
}

bool PlacementStore::restorePlacement()
{
    const auto settings = openSettings();
    if (!settings)
        return false;
    const QWidget* opener = m_window->parentWidget() ? m_window->parentWidget() : m_window;
    bool sizeBounded = false;
    if (const std::optional<QSize> saved = keepsSize() ? savedSize(*settings) : std::nullopt) {
        QSize size = saved->expandedTo(m_window->minimumSize());
        sizeBounded = !someScreenHolds(size);
        if (sizeBounded)
            size = ontoScreen(QRect(QPoint(), size), *opener->screen()).size();
        m_window->resize(size);
    }
    const std::optional<QPoint> position = savedPosition(*settings);
    if (!position || !titleBarOnScreen(*position - QPoint(0, titleBarHeight), m_window->width()))
        return false;
    // The client area's own position: it needs no frame, which a window not yet shown has not.
    QRect placed(*position, m_window->size());
    if (sizeBounded)
        placed = ontoScreen(placed, *opener->screen());
    m_window->setGeometry(placed);
    // A window that was closed minimised opens normal: a hidden modal window would block
    // the program.
    if (keepsState() && settings->value(stateKey).toInt() == stateMaximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
    return true;
}

// Written only when something changed: every write of the settings file is synced to disk,
// which would slow down the closing of every window for nothing. A maximised window keeps the
// size it had before.
void PlacementStore::savePlacement()
{
    const auto settings = openSettings();
    if (!settings)
        return;
    const QRect normal =
        m_window->isMaximized() ? m_window->normalGeometry() : m_window->geometry();
    const int state = toSavedState(m_window->windowState());
    const bool changed = savedPosition(*settings) != normal.topLeft() ||
                         (keepsState() && (!settings->contains(stateKey) ||
                                           settings->value(stateKey).toInt() != state)) ||
                         (keepsSize() && savedSize(*settings) != normal.size());
    if (!changed)
        return;
    settings->setValue(leftKey, normal.left());
    settings->setValue(topKey, normal.top());
    if (keepsState())
        settings->setValue(stateKey, state);
    if (keepsSize()) {
        settings->setValue(widthKey, normal.width());
        settings->setValue(heightKey, normal.height());
    }
}
