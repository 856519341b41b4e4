#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace exam {

// A colour as the settings files write it: 0x00BBGGRR for a direct colour, or 0x80000000 plus
// the index of a system colour (0x8000000F button face, 0x80000005 window background,
// 0x80000008 window text).
struct ColorValue {
    static constexpr quint32 kSystemFlag = 0x80000000u;

    quint32 value = 0;

    bool isSystem() const { return (value & kSystemFlag) != 0; }
    int systemIndex() const { return static_cast<int>(value & ~kSystemFlag); }

    bool operator==(const ColorValue&) const = default;
};

// The colour a window paints: a direct colour as it is, a system colour from the palette's
// nearest role (an index without one gives the palette's window colour).
QColor toQColor(ColorValue color, const QPalette& palette);

// How well two colours read on each other: from 1 (the same lightness) to 21 (black on
// white). Text reads well from 4.5 on.
double contrastRatio(const QColor& first, const QColor& second);

// Black or white, whichever reads better on the background.
QColor readableTextOn(const QColor& background);

// The colour of a right (green) or wrong (red) answer's result, light on a dark background
// and dark on a light one.
QColor verdictColor(bool right, const QColor& background);

} // namespace exam
