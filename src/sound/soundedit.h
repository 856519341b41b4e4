#pragma once

#include "sound/pcmsound.h"

namespace sound {

// The sound without the part from fromMs to toMs. Both ends fall on frame boundaries and stop
// at the end of the sound, so cutting beyond it removes the rest. A negative time or fromMs
// after toMs raises AudioError: the caller has mixed up its selection.
PcmSound cutRange(const PcmSound& sound, qint64 fromMs, qint64 toMs);

} // namespace sound
