#pragma once

class QApplication;

// What the program sets on the application object before its first window: the title (the
// task-bar caption and part of every placement key) and the look shared by all windows.
void setUpApplication(QApplication& application);
