#pragma once

#include <QString>

#include <functional>

// The program that the system associates with a file's type.
namespace ExternalProgram {

// Opens the file in it and returns without waiting for it. Throws, naming the file, when it is
// not a file that is there (a missing file, a folder, a relative path, a web address), or when the
// system has no such program or cannot start it.
void open(const QString& path);

// Tests only: called instead of the system, so that no test ever starts a program.
void setHook(std::function<void(const QString& path)> hook);

} // namespace ExternalProgram
