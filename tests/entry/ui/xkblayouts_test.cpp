#include "core/processexit.h"
#include "entry/layoutswitching.h"
#include "widgets/xkbkeyboardlayouts.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <X11/XKBlib.h>

using namespace Qt::StringLiterals;

namespace {

// The display named by LEXITON_X_DISPLAY: the virtual one that scripts/test.sh starts.
QByteArray testDisplay() {
    return qgetenv("LEXITON_X_DISPLAY");
}

// The group the display's keyboard types with, asked on a connection of our own.
int lockedGroup() {
    Display* display = XOpenDisplay(testDisplay().constData());
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    XCloseDisplay(display);
    return state.locked_group;
}

// The display's layouts in two orders: the same klayout.ini finds the Czech layout in both.
TEST(XkbKeyboardLayouts, TheChosenLayoutIsFoundAndLockedInAnyOrderOfTheGroups) {
    if (testDisplay().isEmpty())
        GTEST_SKIP() << "no virtual X display; run scripts/test.sh";
    QTemporaryDir folder;
    const QString settings = folder.filePath(u"klayout.ini"_s);
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("on\r\n1033\r\n67437573\r\n1033\r\n"); // Czech, 0x04050405
    file.close();

    const std::pair<QString, QStringList> orders[] = {
        {u"us,cz,de"_s, {u"Angličtina (USA)"_s, u"Čeština"_s, u"Němčina"_s}},
        {u"de,us,cz"_s, {u"Němčina"_s, u"Angličtina (USA)"_s, u"Čeština"_s}}};
    for (const auto& [layouts, names] : orders) {
        SCOPED_TRACE(layouts.toStdString());
        QProcess setxkbmap;
        setxkbmap.start(u"setxkbmap"_s, {u"-display"_s, QString::fromLocal8Bit(testDisplay()),
                                         u"-layout"_s, layouts});
        ASSERT_TRUE(setxkbmap.waitForFinished() && setxkbmap.exitCode() == 0)
            << "setxkbmap: " << setxkbmap.errorString().toStdString()
            << setxkbmap.readAllStandardError().toStdString();

        widgets::XkbKeyboardLayouts system;
        entry::LayoutSwitching switching(system);
        switching.fillLayouts();
        QStringList listed;
        for (const entry::LayoutItem& layout : switching.layouts())
            listed << layout.name;
        EXPECT_EQ(listed, names);
        switching.loadSettings(settings);
        switching.activate(entry::LayoutRole::Czech);
        EXPECT_EQ(lockedGroup(), names.indexOf(u"Čeština"_s));
    }
}

} // namespace

// The X platform on the test display, so that the layouts are the display's.
int main(int argc, char** argv) {
    const QByteArray display = testDisplay();
    if (!display.isEmpty()) {
        Display* reachable = XOpenDisplay(display.constData());
        if (!reachable) {
            fprintf(stderr, "LEXITON_X_DISPLAY=%s cannot be opened: did Xvfb start?\n",
                    display.constData());
            return 1;
        }
        XCloseDisplay(reachable);
        qputenv("DISPLAY", display);
    }
    qputenv("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    core::exitWithoutStaticDestructors(RUN_ALL_TESTS());
}
