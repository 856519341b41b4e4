#include "shell/ui/czechtoolkit.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests share one QApplication on the offscreen platform, set up as the program's.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    shell::setUpCzechToolkit(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
