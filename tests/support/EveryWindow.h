#pragma once

#include "support/TestProfile.h"
#include "toolbar/ImageList.h"

#include <QDialog>
#include <QStringList>

#include <memory>

// The demo profile in a private test profile: the built-in files, a drawn image strip, and the
// options that name them.
struct DemoHost
{
    DemoHost();

    TestProfile profile;
    FakeOptions options;
    ImageList images;
};

// Every window of the program, by its objectName.
extern const QStringList everyWindow;

// A test's data: one row per window, in a column "window".
void addEveryWindowRows();

// The window of that name, made as its opener makes it, not shown.
std::unique_ptr<QDialog> makeWindow(const QString& name, DemoHost& host);
