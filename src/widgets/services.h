#pragma once

#include "core/clock.h"
#include "core/keyboardlayouts.h"
#include "core/messages.h"
#include "core/randomsource.h"
#include "core/systemshell.h"
#include "sound/audiodevice.h"
#include "widgets/filepicker.h"
#include "widgets/fontpicker.h"
#include "widgets/modalrunner.h"

#include <functional>
#include <memory>

namespace widgets {

// Everything a window reaches outside the program: message boxes, modal dialogs, the
// operating system, the clock, the audio device, the font dialog, the file-open dialog, the
// random choices and the keyboard layouts. The program passes the real ones; tests pass scripted
// ones.
struct Services {
    core::Messages& messages;
    ModalRunner& modals;
    core::SystemShell& system;
    core::Clock& clock;
    std::function<std::unique_ptr<sound::AudioDevice>()> audioDevice;
    FontPicker& fonts;
    FilePicker& files;
    core::RandomSource& random;
    core::KeyboardLayouts& keyboardLayouts;
};

} // namespace widgets
