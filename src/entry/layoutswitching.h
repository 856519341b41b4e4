#pragma once

#include "core/keyboardlayouts.h"
#include "entry/layouthandle.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace entry {

// What is being typed: the application at large, a Czech field or a foreign-language field.
enum class LayoutRole { Application, Czech, Foreign };
// In the order of klayout.ini's lines and of the layout dialog's lists.
inline constexpr LayoutRole kLayoutRoles[] = {LayoutRole::Application, LayoutRole::Czech,
                                              LayoutRole::Foreign};

// Automatic keyboard layout switching: the system's layouts, whether the layout follows the
// field being typed into, and the layout chosen for each role, kept in klayout.ini in the
// application folder (four Windows-1250 lines: "on" or "off", then the handles chosen for the
// application, Czech and the foreign language, 1033 where none is chosen).
class LayoutSwitching {
public:
    static constexpr qint32 kNoChoice = 1033;

    explicit LayoutSwitching(core::KeyboardLayouts& system)
        : m_system(system) {}

    // Asks the system for its layouts and forgets every choice; a system without layouts
    // turns switching off.
    void fillLayouts();
    // Reads klayout.ini and returns what the status bar says about it. A handle that none of
    // the layouts carries leaves its role without a choice.
    QString loadSettings(const QString& path);
    // Writes klayout.ini anew; raises core::FileError when it cannot.
    void saveSettings(const QString& path) const;

    // Activates the layout chosen for the role; nothing while switching is off or the role
    // has no choice.
    void activate(LayoutRole role) const;

    const std::vector<LayoutItem>& layouts() const { return m_layouts; }
    bool automatic() const { return m_automatic; }
    void setAutomatic(bool on) { m_automatic = on; }
    // The chosen layout's position in layouts().
    std::optional<int> choice(LayoutRole role) const { return m_choices[index(role)]; }
    void choose(LayoutRole role, std::optional<int> position) { m_choices[index(role)] = position; }

private:
    static std::size_t index(LayoutRole role) { return static_cast<std::size_t>(role); }

    core::KeyboardLayouts& m_system;
    std::vector<LayoutItem> m_layouts;
    bool m_automatic = false;
    std::array<std::optional<int>, 3> m_choices;
};

} // namespace entry
