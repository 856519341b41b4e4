#pragma once

#include "sound/pcmsound.h"

#include <QByteArray>
#include <QString>

namespace sound {

// A standard RIFF wave file: the 44-byte header with a 16-byte PCM format chunk, then the
// samples as they are, plus the pad byte RIFF requires after a chunk of odd size.
QByteArray encodeWave(const PcmSound& sound);

// Writes encodeWave(sound) to path through a temporary file, so a failed save leaves the old
// file as it was. Raises AudioError.
void saveWave(const QString& path, const PcmSound& sound);

// Like saveWave, but an existing file at path is never replaced: the temporary file takes the
// name only while no file has it. Raises AudioError.
void saveNewWave(const QString& path, const PcmSound& sound);

} // namespace sound
