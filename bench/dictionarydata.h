#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace bench {

// One dictionary record, its fields in the table's field order.
struct Entry {
    QString czech;
    QString other;
    int lesson = 0;
    int good = 0;
    int bad = 0;
    QString description; // null for most entries: the field stays empty
    int pom = 0;
    QString czechTest;
    QString otherTest;

    QVariantList values() const;
};

// A dictionary of the given number of distinct (Czech, Other) pairs, the same for the
// same seed on every run: Czech words with diacritics, foreign words with plain and
// German letters, notes in brackets on some, lessons 0-99, descriptions on about 30%.
std::vector<Entry> generateDictionary(int count, std::uint64_t seed);

// Beginnings (1-5 letters) of randomly chosen Czech words, to search for.
std::vector<QString> searchPrefixes(const std::vector<Entry>& entries, int count,
                                    std::uint64_t seed);

} // namespace bench
