#include "sound/audiodevicefactory.h"

#include "sound/nullaudiodevice.h"
#include "sound/qtaudiodevice.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace sound {

std::unique_ptr<AudioDevice> createAudioDevice() {
    if (QMediaDevices::audioOutputs().isEmpty() || QMediaDevices::defaultAudioOutput().isNull()) {
        return std::make_unique<NullAudioDevice>();
    }
    return std::make_unique<QtAudioDevice>();
}

} // namespace sound
