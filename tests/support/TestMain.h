#pragma once

#include "app/Application.h"

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, with the application set up as the program sets it up (title, font), so
// placement keys and layouts are the real ones.
#define HALVEX_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        setUpApplication(application);                                                             \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
