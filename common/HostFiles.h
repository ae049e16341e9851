#pragma once

#include <QString>

class HostOptions;

// The host's files that this program reads or writes, each named by the host's settings. No two
// of them may be one file: each is written in its own format.
enum class HostFile { Toolbar, ImageStrip, Procedures, MimeTypes };

inline constexpr HostFile everyHostFile[] = {HostFile::Toolbar, HostFile::ImageStrip,
                                             HostFile::Procedures, HostFile::MimeTypes};

// What the file is, for messages: "HTML toolbar file".
QString hostFileTitle(HostFile file);
// The setting that names the file: Opt_AppPath for the procedures file.
QString hostSettingName(HostFile file);
// The file's path as the host's settings name it now. Throws, naming the setting, when it names
// none or a path that is not a full one.
QString hostFilePath(HostFile file, const HostOptions& options);

// Why path, read or written as file, is not that file's own: it is also another of the host's
// files or the host's settings file. Empty when it is its own.
QString otherUseOf(HostFile file, const QString& path, const HostOptions& options);
// Throws when path, about to be written as file, is also another of the host's files or the
// host's settings file, naming both.
void requireOwnFile(HostFile file, const QString& path, const HostOptions& options);
// Whether path is one of the host's files, or its settings file.
bool isHostFile(const QString& path, const HostOptions& options);
