#pragma once

#include <string_view>

struct sqlite3;

namespace store {

// The order of every text index: letters sort by their base letter, so that case and
// most accents do not scatter the list, but the Czech letters with a caron are letters
// of their own that follow their base letter (c < č < d, r < ř < s, s < š < t, z < ž).
// Ties are broken by accents (plain first), then by case (lower first), then by the
// bytes, so that only identical texts compare equal and keys stay unique.
//
// Texts are UTF-8; invalid bytes are compared as themselves, never rejected.
int compareCzech(std::string_view a, std::string_view b);

inline constexpr const char* kCzechCollationName = "czech";

// Registers the collation on a connection under kCzechCollationName.
void registerCzechCollation(sqlite3* db);

} // namespace store
