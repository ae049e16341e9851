#include "platform/PlacementStore.h"

#include "platform/ConfigFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

QString sharedCompanyName = QStringLiteral("TarvelSoftware");
bool useAppTitle = false;
PlacementStore::Reserved reservedFile;

const QString leftKey = QStringLiteral("Left");
const QString topKey = QStringLiteral("Top");
const QString stateKey = QStringLiteral("State");

enum SavedState { stateNormal = 0, stateMinimized = 1, stateMaximized = 2 };

int toSavedState(Qt::WindowStates states)
{
    if (states & Qt::WindowMaximized)
        return stateMaximized;
    if (states & Qt::WindowMinimized)
        return stateMinimized;
    return stateNormal;
}

// A saved position is only used when the window's title bar would be on a screen: a monitor
// that was unplugged must not leave the window out of reach.
bool titleBarOnScreen(const QPoint& topLeft, int width)
{
    const QRect titleBar(topLeft, QSize(width, 24));
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

} // namespace

PlacementStore::PlacementStore(QWidget* form, QString key, Keeps keeps)
    : QObject(form), m_form(form), m_key(std::move(key)), m_keeps(keeps)
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

QString PlacementStore::keyPath() const
{
    QString path = QStringLiteral("Software\\") + sharedCompanyName + QLatin1Char('\\');
    if (useAppTitle)
        path += QCoreApplication::applicationName() + QLatin1Char('\\');
    return path + m_key;
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

bool PlacementStore::restorePlacement()
{
    const auto settings = openSettings();
    if (!settings)
        return false;
    const std::optional<QPoint> position = savedPosition(*settings);
    if (!position || !titleBarOnScreen(*position - QPoint(0, 24), m_form->width()))
        return false;
    // The client area's own position: it needs no frame, which a window not yet shown has not.
    m_form->setGeometry(QRect(*position, m_form->size()));
    // A window that was closed minimised opens normal: a hidden modal window would block
    // the program.
    if (m_keeps == Keeps::PositionAndState && settings->value(stateKey).toInt() == stateMaximized)
        m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
    return true;
}

// Written only when something changed: every write of the settings file is synced to disk,
// which would slow down the closing of every window for nothing.
void PlacementStore::savePlacement()
{
    const auto settings = openSettings();
    if (!settings)
        return;
    const QPoint position = m_form->geometry().topLeft();
    const int state = toSavedState(m_form->windowState());
    const bool stateKept = m_keeps == Keeps::PositionAndState;
    if (savedPosition(*settings) == position &&
        (!stateKept ||
         (settings->contains(stateKey) && settings->value(stateKey).toInt() == state)))
        return;
    settings->setValue(leftKey, position.x());
    settings->setValue(topKey, position.y());
    if (stateKept)
        settings->setValue(stateKey, state);
}
