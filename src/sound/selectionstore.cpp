#include "sound/selectionstore.h"

#include "sound/audioerror.h"
#include "sound/waveencoding.h"

namespace sound {

using namespace Qt::StringLiterals;

void requireSelectionInside(const PcmSound& take, Selection selection) {
    if (selection.startMs > selection.endMs)
        throw AudioError(u"Úsek končí (%1 ms) dřív, než začíná (%2 ms)."_s.arg(selection.endMs)
                             .arg(selection.startMs));
    const qint64 length = take.durationMs();
    if (selection.startMs < 0 || selection.endMs > length)
        throw AudioError(
            u"Úsek od %1 ms do %2 ms přesahuje záznam dlouhý %3 ms."_s.arg(selection.startMs)
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
