#pragma once

#include "dictionarydata.h"

#include "entry/testwordrules.h"

#include <QString>

#include <vector>

namespace bench {

// Regeneration of a dictionary's test words: the program's walk through the cursor and its
// before-post hook, beside SQLite used directly reading every record and updating the two
// columns in one transaction.
class TestWordBench {
public:
    // Two rule sets under which every test word differs, so that each run rewrites every
    // record: the usual rules, and rules that also trim every letter of the dictionary at
    // the end.
    explicit TestWordBench(const std::vector<Entry>& entries);
    const entry::TestWordRules& rules(int run) const { return run % 2 == 0 ? m_trimming : m_usual; }
    const entry::TestWordRules& usualRules() const { return m_usual; }

    double regenerateStore(const QString& path, const entry::TestWordRules& rules);
    double regenerateRaw(const QString& path, const entry::TestWordRules& rules);
    // The longest time the store's last walk went without telling its progress, the
    // commits and the closing checkpoint included: how long the window could not repaint.
    double longestSilenceMilliseconds() const { return m_longestSilence; }

private:
    entry::TestWordRules m_usual;
    entry::TestWordRules m_trimming;
    double m_longestSilence = 0;
};

} // namespace bench
