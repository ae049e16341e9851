#include "platform/ConfigFolder.h"

#include <QDir>
#include <QStandardPaths>

std::optional<QString> userConfigFolder()
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME"))
        return std::nullopt;
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Qt names no state folder before 6.7; the freedesktop rule ignores a relative XDG_STATE_HOME.
std::optional<QString> programStateFolder()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/halvex-config/state");
#else
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state))
        return state + QStringLiteral("/halvex-config");
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home))
        return std::nullopt;
    return home + QStringLiteral("/.local/state/halvex-config");
#endif
}
