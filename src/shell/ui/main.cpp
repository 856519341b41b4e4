#include "app/runstate.h"
#include "core/processexit.h"
#include "shell/ui/mainwindow.h"
#include "sound/audiodevicefactory.h"
#include "widgets/czechtoolkit.h"
#include "widgets/desktopshell.h"
#include "widgets/filedialogpicker.h"
#include "widgets/fontdialogpicker.h"
#include "widgets/qtmessages.h"
#include "widgets/xkbkeyboardlayouts.h"

#include <QApplication>
#include <QDir>

namespace {

// The window, with its sound players, goes before the application object.
int run(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every caption on some platforms.
    QApplication::setApplicationName(QStringLiteral("Lexiton"));
    widgets::setUpCzechToolkit(app);

    widgets::QtMessages messages;
    widgets::EventLoopModalRunner modals;
    widgets::DesktopShell system;
    core::SystemClock clock;
    widgets::FontDialogPicker fonts;
    widgets::FileDialogPicker files;
    core::ClockRandomSource random(clock);
    widgets::XkbKeyboardLayouts keyboardLayouts;
    widgets::Services services{messages, modals, system, clock,          &sound::createAudioDevice,
                               fonts,    files,  random, keyboardLayouts};

    app::RunState state;
    state.applicationFolder = QDir::currentPath();
    const QStringList arguments = QApplication::arguments();
    shell::MainWindow window(services, state, arguments.value(1));
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    core::exitWithoutStaticDestructors(run(argc, argv));
}
