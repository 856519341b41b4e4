#pragma once

#include "sound/pcmsound.h"

#include <QString>

namespace sound {

// Reads a whole sound file (wave, MP3 or anything else libsndfile knows) into memory, so that
// no file stays open. 8- and 16-bit PCM keep their sample size; every other encoding becomes
// 16-bit. Raises AudioError naming the path and what is wrong with the file.
PcmSound decodeSoundFile(const QString& path);

} // namespace sound
