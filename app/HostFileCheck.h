#pragma once

#include "common/HostFiles.h"

#include <QList>
#include <QString>
#include <QStringList>

class HostOptions;

// What reading one of the host's files as its editor reads it found.
struct HostFileCheck
{
    HostFile file;
    QString path;
    QString problem; // empty when the file is sound
    // What a write would leave out of lines that the file holds: no problem of the file's, but
    // the user learns it before OK.
    QStringList notes;
};

// Reads each of the host's files as its editor would, and writes nothing.
QList<HostFileCheck> checkHostFiles(const HostOptions& options);
