#pragma once

#include <QLocale>

class QApplication;
class QCoreApplication;

// What the program sets on the application object before its first window: the title (the
// task-bar caption and part of every placement key), the translators and the look shared by all
// windows.
void setUpApplication(QApplication& application);

// The same for the command line, which shows no window.
void setUpCommandLine(QCoreApplication& application);

// Installs the program's translation and Qt's own for the first of locale's languages that the
// program has a translation for, unless English comes first. Replaces the translators that an
// earlier call installed.
void installTranslators(QCoreApplication& application, const QLocale& locale = QLocale::system());
