#include "core/processexit.h"
#include "entry/layoutswitching.h"
#include "scratchfolder.h"
#include "widgets/xkbkeyboardlayouts.h"

#include <QGuiApplication>
#include <QProcess>

#include <cstdio>

#include <X11/XKBlib.h>

namespace {

// The virtual display that scripts/test.sh starts and names in LEXITON_X_DISPLAY, on a
// connection of the test's own; none without that name.
Display* testDisplay = nullptr;

// The same klayout.ini finds and locks the Czech group in two orders of the display's groups;
// the locked group is read back on a connection of the test's own.
TEST(XkbKeyboardLayouts, TheChosenLayoutIsFoundAndLockedInAnyOrderOfTheGroups) {
    if (!testDisplay)
        GTEST_SKIP() << "no virtual X display; run scripts/test.sh";
    ScratchFolder folder;
    const QString settings = folder.write(u"klayout.ini"_s, "on\r\n1033\r\n67437573\r\n1033\r\n");
    const std::pair<QString, QString> orders[] = {
        {u"us,cz,de"_s, u"Angličtina (USA),Čeština,Němčina"_s},
        {u"de,us,cz"_s, u"Němčina,Angličtina (USA),Čeština"_s}};
    for (const auto& [layouts, names] : orders) {
        SCOPED_TRACE(layouts.toStdString());
        QProcess setxkbmap;
        setxkbmap.start(u"setxkbmap"_s,
                        {u"-display"_s, QString::fromLatin1(DisplayString(testDisplay)),
                         u"-layout"_s, layouts});
        ASSERT_TRUE(setxkbmap.waitForFinished() && setxkbmap.exitCode() == 0)
            << "setxkbmap: " << setxkbmap.errorString().toStdString();
        widgets::XkbKeyboardLayouts system;
        entry::LayoutSwitching switching(system);
        switching.fillLayouts();
        QStringList listed;
        for (const entry::LayoutItem& layout : switching.layouts())
            listed << layout.name;
        EXPECT_EQ(listed.join(u','), names);
        switching.loadSettings(settings);
        switching.activate(entry::LayoutRole::Czech);
        XkbStateRec state{};
        XkbGetState(testDisplay, XkbUseCoreKbd, &state);
        EXPECT_EQ(state.locked_group, listed.indexOf(u"Čeština"_s));
    }
}

} // namespace

// Qt on the test display, so that the layouts are the display's.
int main(int argc, char** argv) {
    const QByteArray name = qgetenv("LEXITON_X_DISPLAY");
    if (!name.isEmpty() && !(testDisplay = XOpenDisplay(name.constData()))) {
        fprintf(stderr, "LEXITON_X_DISPLAY=%s cannot be opened\n", name.constData());
        return 1;
    }
    qputenv("DISPLAY", name);
    qputenv("QT_QPA_PLATFORM", testDisplay ? "xcb" : "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    core::exitWithoutStaticDestructors(RUN_ALL_TESTS());
}
