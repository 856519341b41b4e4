#include "sound/trackscale.h"

#include "core/rounding.h"

namespace sound {

namespace {

constexpr qint64 kMostSteps = 10000;

} // namespace

TrackScale trackScaleFor(qint64 lengthMs) {
    TrackScale scale;
    // Rounding at each division, not once at the end, decides the scale of a length such
    // as 100005: 10000.5 rounds to 10000 and stays at scale 10.
    for (qint64 reduced = lengthMs; reduced > kMostSteps;
         reduced = core::divideRoundingHalfToEven(reduced, 10))
        scale.msPerStep *= 10;
    scale.steps = core::divideRoundingHalfToEven(lengthMs, scale.msPerStep);
    return scale;
}

} // namespace sound
