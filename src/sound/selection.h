#pragma once

#include <QtGlobal>

#include <optional>

namespace sound {

// The part of a take the sound window has marked, in milliseconds from its beginning.
struct Selection {
    qint64 startMs = 0;
    qint64 endMs = 0;

    friend bool operator==(const Selection&, const Selection&) = default;
};

enum class SelectionEdge { Start, End };

// The selection with one edge moved by deltaMs (negative = back), or std::nullopt when the sound
// window's rule refuses the step: the start stays at 0 or later and before both the end and the
// length, the end stays at 1 or later, after the start and within the length.
std::optional<Selection> stepSelection(Selection selection, qint64 lengthMs, SelectionEdge edge,
                                       qint64 deltaMs);

} // namespace sound
