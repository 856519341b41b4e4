#include "sound/selection.h"

namespace sound {

std::optional<Selection> stepSelection(Selection selection, qint64 lengthMs, SelectionEdge edge,
                                       qint64 deltaMs) {
    const bool back = deltaMs < 0;
    if (edge == SelectionEdge::Start) {
        const qint64 start = selection.startMs + deltaMs;
        const bool allowed = back ? start >= 0 : start < selection.endMs && start < lengthMs;
        if (!allowed)
            return std::nullopt;
        selection.startMs = start;
    } else {
        const qint64 end = selection.endMs + deltaMs;
        const bool allowed = back ? end >= 1 && end > selection.startMs : end <= lengthMs;
        if (!allowed)
            return std::nullopt;
        selection.endMs = end;
    }
    return selection;
}

} // namespace sound
