#pragma once

#include <QString>

#include <vector>

namespace core {

// A keyboard layout as the system's keyboard configuration names it: the layout ("cz"), its
// variant ("qwerty"; empty for the layout itself) and the name the system shows for it.
struct KeyboardLayout {
    QString layout;
    QString variant;
    QString name;
};

// The keyboard layouts the system has installed, and the switch between them.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    // In the system's order; none where the system offers no switching.
    virtual std::vector<KeyboardLayout> installed() = 0;
    // Makes the layout at that position of installed() the one the user types with.
    virtual void activate(int position) = 0;
};

} // namespace core
