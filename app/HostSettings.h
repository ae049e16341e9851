#pragma once

#include "common/HostOptions.h"

// The host's per-user settings, where it keeps the paths of its files. On Windows the registry
// key HKEY_CURRENT_USER\Software\TarvelSoftware\Tarvel Halvex\TMainWindow; elsewhere the text
// file "TarvelSoftware/Tarvel Halvex.conf" in the user's configuration folder, with a
// "[TMainWindow]" section of name=value lines. Read only: no value is ever written.
class HostSettings : public HostOptions
{
public:
    // Creates the key (or the empty file) when the host never ran. Failing to is tolerated:
    // every value then reads as empty.
    void open();

    // The value as stored, or empty when the value or the key is missing.
    QString readString(const QString& name) const override;

    // The settings file; empty on Windows, where the settings are in the registry.
    QString settingsFilePath() const override;
};
