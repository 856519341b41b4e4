#pragma once

#include "sound/pcmsound.h"
#include "sound/selection.h"

#include <QString>

namespace sound {

enum class Replace { Never, Existing };

// Raises AudioError unless the selection lies within the take: 0 <= start <= end <= length.
void requireSelectionInside(const PcmSound& take, Selection selection);

// Writes exactly the samples of take from startMs to endMs (frame boundaries, as
// PcmSound::byteOffsetAt) as a PCM wave file at target, in take's format, through a temporary
// file renamed over the target only on success: a failure leaves the target and take untouched.
// With Replace::Never an existing target is refused. Raises AudioError with the system's error
// text.
void storeSelection(const PcmSound& take, Selection selection, const QString& target,
                    Replace replace);

} // namespace sound
