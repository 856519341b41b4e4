#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace core {

// A settings line is "key" followed directly by its value, e.g. "speed=3". Nothing is trimmed:
// a key matches only at the very start of the line, and the value keeps every blank it has,
// because the settings files are read that way and blanks can be part of a value.

bool lineHasKey(QStringView line, QStringView key);
bool lineHasKeyIgnoringCase(QStringView line, QStringView key);

// The rest of the line after the key, or nothing when the line does not start with the key.
std::optional<QString> valueAfterKey(QStringView line, QStringView key);
std::optional<QString> valueAfterKeyIgnoringCase(QStringView line, QStringView key);

// A yes/no setting is yes only when "yes" follows the key directly; anything else is no.
// So "escape=yesterday" is yes and "escape= yes" is no.
bool lineSaysYes(QStringView line, QStringView key);

} // namespace core
