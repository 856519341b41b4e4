#include "shell/runstate.h"
#include "shell/ui/czechtoolkit.h"
#include "shell/ui/desktopshell.h"
#include "shell/ui/filedialogpicker.h"
#include "shell/ui/fontdialogpicker.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/qtmessages.h"
#include "sound/audiodevicefactory.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every caption on some platforms.
    QApplication::setApplicationName(QStringLiteral("Lexiton"));
    shell::setUpCzechToolkit(app);

    shell::QtMessages messages;
    shell::EventLoopModalRunner modals;
    shell::DesktopShell system;
    core::SystemClock clock;
    shell::FontDialogPicker fonts;
    shell::FileDialogPicker files;
    core::ClockRandomSource random(clock);
    shell::Services services{messages, modals, system, clock, &sound::createAudioDevice,
                             fonts,    files,  random};

    shell::RunState state;
    state.applicationFolder = QDir::currentPath();
    const QStringList arguments = QApplication::arguments();
    shell::MainWindow window(services, state, arguments.value(1));
    window.show();
    return QApplication::exec();
}
