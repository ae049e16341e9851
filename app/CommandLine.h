#pragma once

class QCoreApplication;

// halvex-config with options: checks or resets the host's files from a terminal or a script,
// without a window system. Returns the exit status: 0 done, 1 a file is not sound or could not
// be written, 2 the command line itself is wrong.
int runCommandLine(QCoreApplication& application);

// Tells the user that the windows need a window system, and what the command line can do
// without one; returns the exit status.
int refuseWithoutWindowSystem();
