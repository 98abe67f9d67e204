// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// QTEST_MAIN and QTEST_GUILESS_MAIN that end the test process through frame::EndProcess: a test that
// opened an audio output must not meet Qt Multimedia's racy teardown in the exit handlers.
#include <QtTest>

#include "frame/endprocess.h"

#define ARCADE_TEST_MAIN_WRAPPER(TestObject, ...)                          \
    static int arcadeRunTests(int argc, char* argv[]) {                    \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>(); \
        __VA_ARGS__                                                        \
        TestObject tc;                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                         \
        return QTest::qExec(&tc, argc, argv);                              \
    }                                                                      \
    int main(int argc, char* argv[]) {                                     \
        frame::EndProcess(arcadeRunTests(argc, argv));                     \
    }

#define ARCADE_TEST_MAIN(TestObject) ARCADE_TEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP())
#define ARCADE_TEST_GUILESS_MAIN(TestObject) \
    ARCADE_TEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
