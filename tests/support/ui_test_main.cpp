#include "core/processexit.h"
#include "widgets/czechtoolkit.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Widget tests share one QApplication on the offscreen platform, set up as the program's.
int runTests(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    widgets::setUpCzechToolkit(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace

// Every test's windows and players are gone with the tests, and the application after them;
// the process ends as the program does.
int main(int argc, char** argv) {
    core::exitWithoutStaticDestructors(runTests(argc, argv));
}
