#pragma once

#include <QString>

#include <optional>

namespace sound {

// Seconds typed by a user ("1,5", "1.5", " 2 "): the first comma is a decimal point. The time in
// milliseconds, rounded to the nearest (a tie to even), or std::nullopt for a text that is no
// number or a time no take could reach.
std::optional<qint64> parseTypedSeconds(const QString& text);

} // namespace sound
