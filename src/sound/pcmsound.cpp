#include "sound/pcmsound.h"

#include <algorithm>

namespace sound {

qint64 PcmSound::byteOffsetAt(qint64 ms) const {
    return std::min(format.bytesForMs(ms), qint64(samples.size()));
}

void resizeWithSilence(QByteArray& samples, const WaveFormat& format, qint64 byteCount) {
    const qint64 missing = byteCount - samples.size();
    if (missing > 0) {
        samples.append(missing, format.silenceByte());
    } else {
        samples.truncate(byteCount);
    }
}

} // namespace sound
