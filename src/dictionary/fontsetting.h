#pragma once

#include <QString>

#include <optional>

namespace dictionary {

// A font as the settings files describe it: face, character set number (0 ANSI, 1 default,
// 238 Central European), bold, italic and size in points. An empty face or a missing size
// keeps the main window's.
struct FontSetting {
    QString face;
    int charset = 1;
    bool bold = false;
    bool italic = false;
    std::optional<int> size;

    bool operator==(const FontSetting&) const = default;
};

} // namespace dictionary
