#pragma once

#include <QString>

#include <optional>

// The folder that holds the user's settings files: XDG_CONFIG_HOME, or ".config" in the home
// folder. Nothing when the environment names neither, where Qt would take a folder at the root
// of the file system, shared by everyone, instead.
std::optional<QString> userConfigFolder();
