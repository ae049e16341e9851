#pragma once

#include "app/Application.h"
#include "common/ErrorGuard.h"

#include <QApplication>
#include <QFont>
#include <QTest>

#include <cstdio>

// The tests run as on a desktop whose font is 11 pixels high, the one the windows' sizes were
// designed at, whatever font the machine has.
inline void useDesignedFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}

// Like QTEST_MAIN, with the application set up as the program sets it up (title, translations),
// so placement keys and layouts are the real ones.
#define HALVEX_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        GuardedApplication application(argc, argv);                                                \
        setUpApplication(application);                                                             \
        useDesignedFont();                                                                         \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The status by which CTest counts a test as skipped (the SKIP_RETURN_CODE of the tests).
inline constexpr int skippedStatus = 77;

// For the tests that need a window system that the environment names (an X server in DISPLAY, a
// Wayland compositor in WAYLAND_DISPLAY): without one they are skipped, saying so, instead of
// failing inside Qt.
#define HALVEX_WINDOW_SYSTEM_TEST_MAIN(TestClass, variable)                                        \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty(variable)) {                                               \
            std::printf("SKIP: %s needs a window system: %s is not set. "                          \
                        "scripts/real-window-tests.sh starts one and runs it.\n",                  \
                        #TestClass, variable);                                                     \
            return skippedStatus;                                                                  \
        }                                                                                          \
        GuardedApplication application(argc, argv);                                                \
        setUpApplication(application);                                                             \
        useDesignedFont();                                                                         \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
