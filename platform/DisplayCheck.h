#pragma once

#include <QStringList>

// Whether the windows have a window system to open on: one named in the environment, or by
// Qt's -platform option, that answers. Without one Qt would end the program with a message
// about its plugins, or abort.
bool hasWindowSystem(const QStringList& arguments);

// Whether the arguments ask for the command line: anything but Qt's own options (-style,
// -platform, -reverse ...), which are the windows' and which QApplication takes.
bool asksForCommandLine(const QStringList& arguments);

// The arguments without Qt's own options for the windows, which the command line leaves alone.
QStringList withoutQtOptions(const QStringList& arguments);
