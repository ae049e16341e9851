#pragma once

class QApplication;
class QCoreApplication;

// What the program sets on the application object before its first window: the title (the
// task-bar caption and part of every placement key) and the look shared by all windows.
void setUpApplication(QApplication& application);

// The same for the command line, which shows no window.
void setUpCommandLine(QCoreApplication& application);
