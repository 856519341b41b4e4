#include "core/processexit.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Widget tests share one QApplication on the offscreen platform.
int runTests(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace

// Every test's windows and players are gone with the tests, and the application after them;
// the process ends as the program does.
int main(int argc, char** argv) {
    core::exitWithoutStaticDestructors(runTests(argc, argv));
}
