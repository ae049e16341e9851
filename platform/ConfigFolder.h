#pragma once

#include <QString>

#include <optional>

// The folder that holds the user's settings files: XDG_CONFIG_HOME, or ".config" in the home
// folder. Nothing when the environment names neither, where Qt would take a folder at the root
// of the file system, shared by everyone, instead.
std::optional<QString> userConfigFolder();

// The program's own folder for what it keeps between runs that is neither settings nor data:
// "halvex-config" in XDG_STATE_HOME, or in ".local/state" in the home folder. Nothing when the
// environment names neither.
std::optional<QString> programStateFolder();
