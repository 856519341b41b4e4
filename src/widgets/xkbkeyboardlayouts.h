#pragma once

#include "core/keyboardlayouts.h"

namespace widgets {

// The keyboard layouts of the X display the program runs on: the groups of the display's XKB
// keymap, in the keymap's order, named by the keymap's symbols and group names; activating a
// layout locks its group. Where the program does not run on X (offscreen, Wayland) there are
// no layouts to switch.
class XkbKeyboardLayouts : public core::KeyboardLayouts {
public:
    std::vector<core::KeyboardLayout> installed() override;
    void activate(int position) override;
};

} // namespace widgets
