#pragma once

#include <QtGlobal>

namespace sound {

// How the sound window's track bar spans a take: milliseconds per step and the number of
// steps (the track bar's maximum).
struct TrackScale {
    qint64 msPerStep = 1;
    qint64 steps = 0;

    friend bool operator==(const TrackScale&, const TrackScale&) = default;
};

// The smallest power of ten for which the length, divided by ten again and again with a tie
// rounded to even at each division, is at most 10000 steps; steps = length / scale rounded.
// 65000 -> {10, 6500}; 100001 -> {10, 10000}; 150000 -> {100, 1500}.
TrackScale trackScaleFor(qint64 lengthMs);

} // namespace sound
