#pragma once

#include <unistd.h>

#include <QApplication>
#include <QtTest>

#include "quillory/practice/page_view.h"

// A test main for windows that show question pages: the page scheme must be known before the
// application object exists, and Chromium will not start its sandbox as root.
#define QUILLORY_WEBENGINE_TEST_MAIN(TestClass)                                          \
  int main(int argc, char** argv) {                                                      \
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) { \
      qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                       \
    }                                                                                    \
    quillory::PreparePageViews();                                                        \
    QApplication app(argc, argv);                                                        \
    TestClass test;                                                                      \
    return QTest::qExec(&test, argc, argv);                                              \
  }
