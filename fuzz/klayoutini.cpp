// klayout.ini, the keyboard layout chosen for each role, over two installed layouts.
#include "fuzzinput.h"

#include "core/keyboardlayouts.h"
#include "core/usererror.h"
#include "entry/layoutswitching.h"

namespace {

class TwoLayouts : public core::KeyboardLayouts {
public:
    std::vector<core::KeyboardLayout> installed() override {
        return {{QStringLiteral("cz"), QString(), QStringLiteral("Czech")},
                {QStringLiteral("us"), QString(), QStringLiteral("English (US)")}};
    }
    void activate(int position) override { require(position == 0 || position == 1); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TwoLayouts system;
    entry::LayoutSwitching switching(system);
    switching.fillLayouts();
    try {
        switching.loadSettings(FuzzInput(data, size).file(QStringLiteral("klayout.ini")));
    } catch (const core::UserError&) {
    }
    for (const entry::LayoutRole role : entry::kLayoutRoles)
        switching.activate(role);
    return 0;
}
