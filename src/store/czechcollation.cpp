#include "store/czechcollation.h"

#include <QChar>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace store {
namespace {

// Base letters of U+00C0..U+017F ('*' for the two signs among them).
constexpr std::string_view kBaseLetters = "aaaaaaaceeeeiiiidnooooo*ouuuuyts"
                                          "aaaaaaaceeeeiiiidnooooo*ouuuuyty"
                                          "aaaaaaccccccccddddeeeeeeeeeegggg"
                                          "gggghhhhiiiiiiiiiiiijjkkklllllll"
                                          "lllnnnnnnnnnoooooooorrrrrrssssss"
                                          "ssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

constexpr char32_t kFirstLatinLetter = 0xC0;
constexpr char32_t kLastLatinLetter = 0x17F;

constexpr bool isCaronLetter(char32_t cp) {
    switch (cp) {
    case 0x10C:
    case 0x10D: // Č č
    case 0x158:
    case 0x159: // Ř ř
    case 0x160:
    case 0x161: // Š š
    case 0x17D:
    case 0x17E: // Ž ž
        return true;
    default:
        return false;
    }
}

constexpr char baseLetter(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z')
        return static_cast<char>(cp - 'A' + 'a');
    if (cp >= 'a' && cp <= 'z')
        return static_cast<char>(cp);
    if (cp >= kFirstLatinLetter && cp <= kLastLatinLetter) {
        const char base = kBaseLetters[cp - kFirstLatinLetter];
        return base == '*' ? 0 : base;
    }
    return 0;
}

// Three levels of weight: the letter order, then accents (0 for a plain letter), then
// case (0 lower, 1 upper). Each level is computed only when the levels before it tie.
constexpr uint32_t computePrimaryWeight(char32_t cp) {
    if (const char base = baseLetter(cp))
        return 0x200 + 2 * static_cast<uint32_t>(base - 'a') + (isCaronLetter(cp) ? 1u : 0u);
    if (cp < 0x80)
        return static_cast<uint32_t>(cp); // blanks, punctuation, digits before letters
    if (cp < kFirstLatinLetter)
        return 0x100 + static_cast<uint32_t>(cp);
    return 0x1000 + static_cast<uint32_t>(cp);
}

// The weights of the letters Czech text is made of, looked up: the indexes compare texts
// millions of times when they are built.
constexpr auto kPrimaryWeights = [] {
    std::array<uint32_t, kLastLatinLetter + 1> weights{};
    for (char32_t cp = 0; cp <= kLastLatinLetter; ++cp)
        weights[cp] = computePrimaryWeight(cp);
    return weights;
}();

uint32_t primaryWeight(char32_t cp) {
    return cp <= kLastLatinLetter ? kPrimaryWeights[cp] : computePrimaryWeight(cp);
}

uint32_t secondaryWeight(char32_t cp) {
    return cp < 0x80 || !baseLetter(cp) ? 0u : static_cast<uint32_t>(QChar::toLower(cp));
}

uint32_t tertiaryWeight(char32_t cp) {
    if (cp < 0x80)
        return cp >= 'A' && cp <= 'Z' ? 1u : 0u;
    return QChar::isUpper(cp) ? 1u : 0u;
}

// Decodes one UTF-8 sequence; a byte that does not start a valid sequence stands for
// itself (mapped above the Unicode range so that it never equals a real character).
inline char32_t nextCodePoint(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return 0x110000 + lead;
    }
    char32_t cp = lead & (0x3F >> (length - 1));
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0x110000 + lead;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return cp;
}

// Where the two texts stop being the same characters: equal characters weigh the same on
// every level, so the comparison starts there.
size_t commonPrefix(std::string_view a, std::string_view b) {
    const size_t shorter = std::min(a.size(), b.size());
    size_t same = 0;
    while (same < shorter && a[same] == b[same])
        ++same;
    // Back to a byte that starts a character in both, however either goes on from there.
    const auto continues = [&same](std::string_view text) {
        return same < text.size() && (static_cast<unsigned char>(text[same]) & 0xC0) == 0x80;
    };
    while (same > 0 && (continues(a) || continues(b)))
        --same;
    return same;
}

// Compares the two texts by one weight level from a common start; shorter text first when
// one is a prefix.
template <uint32_t (*weight)(char32_t)>
int compareLevel(std::string_view a, std::string_view b, size_t start) {
    size_t i = start;
    size_t j = start;
    while (i < a.size() && j < b.size()) {
        const uint32_t wa = weight(nextCodePoint(a, i));
        const uint32_t wb = weight(nextCodePoint(b, j));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

int sqliteCompare(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareCzech({static_cast<const char*>(a), static_cast<size_t>(lengthA)},
                        {static_cast<const char*>(b), static_cast<size_t>(lengthB)});
}

} // namespace

int compareCzech(std::string_view a, std::string_view b) {
    const size_t start = commonPrefix(a, b);
    if (int c = compareLevel<primaryWeight>(a, b, start))
        return c;
    if (int c = compareLevel<secondaryWeight>(a, b, start))
        return c;
    if (int c = compareLevel<tertiaryWeight>(a, b, start))
        return c;
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void registerCzechCollation(sqlite3* db) {
    sqlite3_create_collation_v2(db, kCzechCollationName, SQLITE_UTF8, nullptr, sqliteCompare,
                                nullptr);
}

} // namespace store
