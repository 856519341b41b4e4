#include "sound/selectionstore.h"

#include "sound/audioerror.h"
#include "sound/waveencoding.h"

namespace sound {

using namespace Qt::StringLiterals;

void requireSelectionInside(const PcmSound& take, Selection selection) {
    const qint64 length = take.durationMs();
    if (selection.startMs < 0 || selection.startMs > selection.endMs || selection.endMs > length)
        throw AudioError(
            u"Úsek od %1 ms do %2 ms neleží v záznamu dlouhém %3 ms."_s.arg(selection.startMs)
                .arg(selection.endMs)
                .arg(length));
}

void storeSelection(const PcmSound& take, Selection selection, const QString& target,
                    Replace replace) {
    requireSelectionInside(take, selection);
    const qint64 from = take.byteOffsetAt(selection.startMs);
    const qint64 to = take.byteOffsetAt(selection.endMs);
    const PcmSound piece{take.format, take.samples.sliced(from, to - from)};
    if (replace == Replace::Existing)
        saveWave(target, piece);
    else
        saveNewWave(target, piece);
}

} // namespace sound
