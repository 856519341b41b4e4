#pragma once

#include "sound/audiodevice.h"

#include <memory>

namespace sound {

// The machine's sound output when it has one, otherwise NullAudioDevice, so that the program
// works the same without sound.
std::unique_ptr<AudioDevice> createAudioDevice();

} // namespace sound
