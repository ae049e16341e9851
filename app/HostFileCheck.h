#pragma once

#include "common/HostFiles.h"

#include <QList>
#include <QString>

class HostOptions;

// What reading one of the host's files as its editor reads it found.
struct HostFileCheck
{
    HostFile file;
    QString path;
    QString problem; // empty when the file is sound
};

// Reads each of the host's files as its editor would, and writes nothing.
QList<HostFileCheck> checkHostFiles(const HostOptions& options);
