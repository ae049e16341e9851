#pragma once

#include <QString>

// Names of the host's settings that locate its files.
inline const QString Opt_HTMLToolbarCFG = QStringLiteral("Opt_HTMLToolbarCFG");
inline const QString Opt_HTMLToolbarGlyphs = QStringLiteral("Opt_HTMLToolbarGlyphs");
inline const QString Opt_MIMEPraserCFG = QStringLiteral("Opt_MIMEPraserCFG");
inline const QString Opt_AppPath = QStringLiteral("Opt_AppPath");

// What the editors need of the host's settings: a named text value, read afresh on every call,
// empty when missing. The start window owns the real one.
class HostOptions
{
public:
    virtual ~HostOptions() = default;
    virtual QString readString(const QString& name) const = 0;
    // The file the settings are kept in, where they are kept in a file (not the registry).
    virtual QString settingsFilePath() const { return {}; }
};
