#pragma once

#include "core/keyboardlayouts.h"

#include <QStringList>

// The system's keyboard layouts for tests: the ones the test installs, and the names of the
// layouts activated, in order.
class ScriptedKeyboardLayouts : public core::KeyboardLayouts {
public:
    std::vector<core::KeyboardLayout> installed() override { return layouts; }
    void activate(int position) override { activated << layouts.at(std::size_t(position)).layout; }

    std::vector<core::KeyboardLayout> layouts;
    QStringList activated;
};
