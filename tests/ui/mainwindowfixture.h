#pragma once

#include "applicationfolder.h"
#include "recordingshell.h"
#include "scriptedfiles.h"
#include "scriptedfonts.h"
#include "scriptedmessages.h"
#include "scriptedmodals.h"
#include "scriptedrandom.h"

#include "shell/ui/mainwindow.h"
#include "sound/nullaudiodevice.h"

#include <QCoreApplication>

// The main window on a prepared application folder, with every outside service scripted.
class MainWindowFixture : public ::testing::Test {
protected:
    explicit MainWindowFixture(const std::vector<ApplicationFolder::User>& users)
        : app(users) {}

    // Shows the window and lets its start-up sequence run to the end, including a close
    // it requested.
    shell::MainWindow& startWindow(const QString& preselected) {
        state = app.runState();
        window = std::make_unique<shell::MainWindow>(services, state, preselected);
        window->show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return *window;
    }

    ApplicationFolder app;
    shell::RunState state;
    ScriptedMessages messages;
    ScriptedModals modals;
    RecordingShell system;
    FixedClock clock;
    ScriptedFonts fonts;
    ScriptedFiles files;
    ScriptedRandom random;
    shell::Services services{
        messages, modals, system, clock, [] { return std::make_unique<sound::NullAudioDevice>(); },
        fonts,    files,  random};
    std::unique_ptr<shell::MainWindow> window;
};
