#include "store/czechcollation.h"

#include <QChar>
#include <QString>
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

constexpr char32_t kFirstGreek = 0x370;
constexpr char32_t kLastCyrillic = 0x4FF;
// After the Latin letters, below the weights of other characters (0x1000 and up).
constexpr uint32_t kAlphabetWeights = 0x300;

// Greek and Cyrillic letters by their alphabets: capitals with their small letters, Greek
// accents and the final sigma with their plain letter; the Cyrillic letters that an
// alphabet adds (ё, є, ґ, і, ї, ў, …) right after the letter they are made from, as Russian
// puts ё after е and Ukrainian ґ after г. Zero for other characters.
uint32_t alphabetWeight(char32_t cp) {
    if (cp < kFirstGreek || cp > kLastCyrillic)
        return 0;
    char32_t letter = QChar::toLower(cp);
    if (letter < 0x400) {
        // Greek: the decomposition's first part is the plain letter.
        while (QChar::decompositionTag(letter) == QChar::Canonical)
            letter = QChar::decomposition(letter).at(0).unicode();
        if (letter < kFirstGreek)
            return 0; // signs that are other characters in Greek dress (";", "·")
        if (letter == 0x3C2)
            letter = 0x3C3; // ς
        return kAlphabetWeights + 4 * (letter - kFirstGreek);
    }
    struct AddedLetter {
        char32_t letter;
        char32_t after;
        uint32_t rank;
    };
    static constexpr AddedLetter kAddedLetters[] = {
        {0x451, 0x435, 1}, {0x454, 0x435, 2}, {0x450, 0x435, 3}, // ё є ѐ after е
        {0x491, 0x433, 1}, {0x453, 0x433, 2},                    // ґ ѓ after г
        {0x452, 0x434, 1},                                       // ђ after д
        {0x456, 0x438, 1}, {0x457, 0x438, 2}, {0x45D, 0x438, 3}, // і ї ѝ after и
        {0x458, 0x439, 1},                                       // ј after й
        {0x459, 0x43B, 1}, {0x45A, 0x43D, 1},                    // љ after л, њ after н
        {0x45C, 0x43A, 1}, {0x45B, 0x442, 1},                    // ќ after к, ћ after т
        {0x45E, 0x443, 1}, {0x45F, 0x447, 1},                    // ў after у, џ after ч
    };
    for (const AddedLetter& added : kAddedLetters) {
        if (letter == added.letter)
            return kAlphabetWeights + 4 * (added.after - kFirstGreek) + added.rank;
    }
    return kAlphabetWeights + 4 * (letter - kFirstGreek);
}

// Three levels of weight: the letter order, then accents (0 for a plain letter), then
// case (0 lower, 1 upper). Each level is computed only when the levels before it tie.
// The primary weight of a character outside the Greek and Cyrillic alphabets:
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
    if (cp <= kLastLatinLetter)
        return kPrimaryWeights[cp];
    const uint32_t weight = alphabetWeight(cp);
    return weight ? weight : computePrimaryWeight(cp);
}

uint32_t secondaryWeight(char32_t cp) {
    return cp < 0x80 || (!baseLetter(cp) && !alphabetWeight(cp))
               ? 0u
               : static_cast<uint32_t>(QChar::toLower(cp));
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
