#include "platform/ConfigFolder.h"

#include <QStandardPaths>

std::optional<QString> userConfigFolder()
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME"))
        return std::nullopt;
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
