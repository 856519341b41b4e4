#include "core/processexit.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

int runTests(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace

// Every test's players are gone with the tests, and the application after them; the process
// ends as the program does.
int main(int argc, char** argv) {
    core::exitWithoutStaticDestructors(runTests(argc, argv));
}
