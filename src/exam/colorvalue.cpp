#include "exam/colorvalue.h"

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

} // namespace

QColor toQColor(ColorValue color, const QPalette& palette) {
    if (color.isSystem())
        return palette.color(roleOfSystemColor(color.systemIndex()));
    const auto channel = [&](int shift) {
        return static_cast<int>((color.value >> shift) & kByteMask);
    };
    return QColor(channel(0), channel(kByteBits), channel(2 * kByteBits));
}

} // namespace exam
