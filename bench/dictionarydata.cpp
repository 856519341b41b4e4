#include "dictionarydata.h"

#include <QSet>
#include <QStringList>

#include <random>

namespace bench {
namespace {

// Letters weighted by repetition, so that plain letters stay the most common.
constexpr std::u32string_view kCzechLetters = U"aaabcdeeefghiiijklmnooopqrsstuuvwxyyz"
                                              U"áčďéěíňřšťúůýž";
constexpr std::u32string_view kOtherLetters = U"aaabcdeeeefghiijklmnnoopqrsssttuvwxyzäöüß";
constexpr std::u32string_view kCzechNotes[] = {U"hovor.", U"zast.",  U"kniž.",
                                               U"expr.",  U"mn. č.", U"odb."};
constexpr std::u32string_view kOtherNotes[] = {U"pl.", U"coll.", U"fig.", U"Akk."};

constexpr int kMinLetters = 3;
constexpr int kMaxLetters = 25;

// A fixed-sequence generator: the same numbers on every platform for the same seed.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_engine(seed) {}
    int below(int bound) { return static_cast<int>(m_engine() % static_cast<unsigned>(bound)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937_64 m_engine;
};

QString fromLetters(const std::u32string& letters) {
    return QString::fromUcs4(letters.data(), static_cast<qsizetype>(letters.size()));
}

QString randomWord(Random& random, std::u32string_view letters, int capitalPercent) {
    std::u32string word;
    const int length = kMinLetters + random.below(kMaxLetters - kMinLetters + 1);
    for (int i = 0; i < length; ++i)
        word += letters[static_cast<size_t>(random.below(static_cast<int>(letters.size())))];
    QString text = fromLetters(word);
    if (random.chance(capitalPercent))
        text[0] = text[0].toUpper();
    return text;
}

template <size_t N>
QString withNote(const QString& word, Random& random, const std::u32string_view (&notes)[N]) {
    const std::u32string note(notes[random.below(static_cast<int>(N))]);
    return word + QStringLiteral(" (") + fromLetters(note) + u')';
}

QString randomDescription(Random& random) {
    QStringList words;
    const int count = 2 + random.below(5);
    for (int i = 0; i < count; ++i)
        words << randomWord(random, kCzechLetters, 0).left(8);
    return words.join(u' ') + u'.';
}

} // namespace

QVariantList Entry::values() const {
    return {czech, other,     lesson,   good, bad, description.isNull() ? QVariant() : description,
            pom,   czechTest, otherTest};
}

std::vector<Entry> generateDictionary(int count, std::uint64_t seed) {
    Random random(seed);
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(count));
    QSet<QString> pairs;
    while (static_cast<int>(entries.size()) < count) {
        Entry entry;
        const QString czech = randomWord(random, kCzechLetters, 10);
        const QString other = randomWord(random, kOtherLetters, 30);
        entry.czech = random.chance(10) ? withNote(czech, random, kCzechNotes) : czech;
        entry.other = random.chance(5) ? withNote(other, random, kOtherNotes) : other;
        const QString pair = entry.czech + u'\t' + entry.other;
        if (pairs.contains(pair))
            continue;
        pairs.insert(pair);
        entry.lesson = random.below(100);
        entry.good = random.below(10);
        entry.bad = random.below(10);
        if (random.chance(30))
            entry.description = randomDescription(random);
        entry.czechTest = czech.toLower();
        entry.otherTest = other.toLower();
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<QString> searchPrefixes(const std::vector<Entry>& entries, int count,
                                    std::uint64_t seed) {
    Random random(seed);
    std::vector<QString> prefixes;
    prefixes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Entry& entry =
            entries[static_cast<size_t>(random.below(static_cast<int>(entries.size())))];
        prefixes.push_back(entry.czech.left(1 + random.below(5)));
    }
    return prefixes;
}

} // namespace bench
