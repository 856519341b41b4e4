#include "exam/colorvalue.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace exam {
namespace {

constexpr int kByteBits = 8;
constexpr quint32 kByteMask = 0xFF;

// The system colour indexes of the settings files and the palette roles that stand for them.
QPalette::ColorRole roleOfSystemColor(int index) {
    static const std::map<int, QPalette::ColorRole> roles = {
        {4, QPalette::Window},           // menu
        {5, QPalette::Base},             // window background
        {7, QPalette::WindowText},       // menu text
        {8, QPalette::Text},             // window text
        {13, QPalette::Highlight},       // selection
        {14, QPalette::HighlightedText}, // selected text
        {15, QPalette::Button},          // button face
        {16, QPalette::Dark},            // button shadow
        {18, QPalette::ButtonText},      // button text
        {20, QPalette::Light},           // button highlight
        {21, QPalette::Shadow},          // dark shadow
        {22, QPalette::Midlight},        // light edge
        {23, QPalette::ToolTipText},     // hint text
        {24, QPalette::ToolTipBase},     // hint background
    };
    const auto found = roles.find(index);
    return found == roles.end() ? QPalette::Window : found->second;
}

// The relative luminance of the sRGB colour, 0 for black to 1 for white.
double luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

bool isDark(const QColor& background) {
    return contrastRatio(background, Qt::white) > contrastRatio(background, Qt::black);
}

} // namespace

QColor toQColor(ColorValue color, const QPalette& palette) {
    if (color.isSystem())
        return palette.color(roleOfSystemColor(color.systemIndex()));
    const auto channel = [&](int shift) {
        return static_cast<int>((color.value >> shift) & kByteMask);
    };
    return QColor(channel(0), channel(kByteBits), channel(2 * kByteBits));
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor readableTextOn(const QColor& background) {
    return isDark(background) ? Qt::white : Qt::black;
}

QColor verdictColor(bool right, const QColor& background) {
    if (isDark(background))
        return right ? QColor(0x80, 0xFF, 0x80) : QColor(0xFF, 0x8C, 0x8C);
    return right ? QColor(0x00, 0x64, 0x00) : QColor(0xB0, 0x00, 0x00);
}

} // namespace exam
