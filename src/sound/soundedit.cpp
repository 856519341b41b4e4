#include "sound/soundedit.h"

#include "sound/audioerror.h"

namespace sound {

using namespace Qt::StringLiterals;

PcmSound cutRange(const PcmSound& sound, qint64 fromMs, qint64 toMs) {
    if (fromMs < 0 || fromMs > toMs) {
        throw AudioError(u"Nelze vystřihnout úsek od %1 ms do %2 ms."_s.arg(fromMs).arg(toMs));
    }
    const qint64 from = sound.byteOffsetAt(fromMs);
    const qint64 to = sound.byteOffsetAt(toMs);
    PcmSound result{sound.format, sound.samples};
    result.samples.remove(from, to - from);
    return result;
}

} // namespace sound
