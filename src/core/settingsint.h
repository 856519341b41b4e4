#pragma once

#include <QStringView>

#include <optional>

namespace core {

// Parses a whole number as the settings files write it:
//   leading spaces or tabs, an optional '+' or '-', then decimal digits, or hexadecimal digits
//   after one of the prefixes "$", "x", "X", "0x", "0X"; nothing may follow.
// Decimal must fit a signed 32-bit integer. Hexadecimal may go up to FFFFFFFF and gives the
// 32-bit two's-complement value, so colours such as "$80000005" survive as their bit pattern
// (cast to quint32 to get it back); a sign is applied after that.
// Returns nothing when the text does not parse as a whole. Any input is safe.
std::optional<qint32> parseSettingsInt(QStringView text);

} // namespace core
