#pragma once

#include "common/HostOptions.h"

#include <QByteArrayView>

// The host's per-user settings, where it keeps the paths of its files. On Windows the registry
// key HKEY_CURRENT_USER\Software\TarvelSoftware\Tarvel Halvex\TMainWindow; elsewhere the text
// file "TarvelSoftware/Tarvel Halvex.conf" in the user's configuration folder, with a
// "[TMainWindow]" section of name=value lines. Read only: no value is ever written.
class HostSettings : public HostOptions
{
public:
    // Creates the key (or the empty file) when the host never ran. Failing to is tolerated:
    // every value then reads as empty. Throws, saying where the settings would be, when the
    // user has no settings folder at all; nothing is created then.
    void open();
    // Throws, saying where the settings would be, when the user has no settings folder.
    void requireSettingsFolder() const;

    // The value as stored, or empty when the value or the key is missing. Throws, naming the
    // setting, when the value holds a NUL character or bytes that are not UTF-8 text; throws,
    // saying what is wrong with it, when the settings file cannot be used.
    QString readString(const QString& name) const override;
    // What is wrong with the settings file, with its full path; empty when it can be used.
    QString problem() const;

    // The settings file; empty on Windows, where the settings are in the registry, and where
    // the user has no settings folder.
    QString settingsFilePath() const override;
};

// The value of a setting in the bytes of a settings file: the last "name=value" line of its
// "[TMainWindow]" section, or empty. Throws, naming the setting and origin, when the value holds
// a NUL character or bytes that are not UTF-8 text.
QString hostSettingsValue(QByteArrayView fileBytes, const QString& name, const QString& origin);
