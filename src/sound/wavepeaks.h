#pragma once

#include "sound/pcmsound.h"

#include <vector>

namespace sound {

// The lowest and highest sample of a stretch of sound, -1..1, over all channels.
struct PeakColumn {
    float low = 0;
    float high = 0;

    friend bool operator==(const PeakColumn&, const PeakColumn&) = default;
};

// The peaks of each of `columns` equal slices of the sound, for drawing its waveform. A slice
// narrower than a frame shows the frame it starts in; a sound without frames is silence. One
// pass over the samples: a 10-minute take takes some tens of milliseconds.
std::vector<PeakColumn> wavePeaks(const PcmSound& sound, int columns);

} // namespace sound
