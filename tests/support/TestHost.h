#pragma once

#include "common/HostFiles.h"
#include "support/TestProfile.h"

#include <QByteArray>
#include <QColor>
#include <QString>

// A private profile holding the host's files, and the options that name them, as an editor,
// a reset or the command line finds them. No file is written until a test writes it.
struct TestHost
{
    TestHost();

    QString path(HostFile file) const;
    void write(HostFile file, const QByteArray& bytes) const;
    // The file's bytes, or "<no file>".
    QByteArray bytes(HostFile file) const;
    // An image strip of images 16 x 16, each filled with stripColour(i, variant).
    void writeStrip(int width, int height = 16, int variant = 0) const;

    TestProfile profile;
    FakeOptions options;
};

// The colour of image i of a test strip: a changed strip is another variant, so that a test can
// tell the two apart by their pixels.
QColor stripColour(int index, int variant = 0);
void writeStrip(const QString& path, int width, int height, int variant = 0,
                const char* format = "BMP");
