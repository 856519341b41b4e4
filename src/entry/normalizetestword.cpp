#include "entry/normalizetestword.h"

#include "core/ansilower.h"
#include "dictionary/wordlist.h"
#include "entry/wordentry.h"
#include "store/cursor.h"
#include "store/error.h"

namespace entry {
namespace {

// Removes every note from an opening mark through the first closing mark after it; an
// opening mark without a closing one and all after it stay.
void removeNotes(QString& text, QChar open, QChar close) {
    for (;;) {
        const qsizetype start = text.indexOf(open);
        if (start < 0)
            return;
        const qsizetype end = text.indexOf(close, start + 1);
        if (end < 0)
            return;
        text.remove(start, end - start + 1);
    }
}

QString trimSet(const QString& characters, bool withSpace) {
    return withSpace ? characters + u' ' : characters;
}

QString joinCommas(QString rest) {
    QString joined;
    for (;;) {
        qsizetype comma = rest.indexOf(u',');
        if (comma <= 0)
            break;
        qsizetype before = comma;
        while (before > 0 && rest[before - 1] == u' ')
            --before;
        rest.remove(before, comma - before);
        comma = before;
        qsizetype after = comma + 1;
        while (after < rest.size() && rest[after] == u' ')
            ++after;
        rest.remove(comma + 1, after - comma - 1);
        joined += rest.left(comma + 1);
        rest = rest.mid(comma + 1);
    }
    return joined + rest;
}

} // namespace

QString normalizeTestWord(const QString& text, const TestWordRules& rules) {
    QString word = !rules.ignoreCase          ? text
                   : rules.unicodeCaseFolding ? text.toCaseFolded()
                                              : core::ansiLower(text);
    const std::pair<bool, std::pair<char16_t, char16_t>> notes[] = {
        {rules.excludeSlashes, {u'/', u'/'}}, {rules.excludeBackslashes, {u'\\', u'\\'}},
        {rules.excludeSquare, {u'[', u']'}},  {rules.excludeAngle, {u'<', u'>'}},
        {rules.excludeBraces, {u'{', u'}'}},  {rules.excludeParentheses, {u'(', u')'}}};
    for (const auto& [on, marks] : notes) {
        if (on)
            removeNotes(word, marks.first, marks.second);
    }
    const QString begin = trimSet(rules.beginSet, rules.beginSpace);
    qsizetype first = 0;
    while (first < word.size() && begin.contains(word[first]))
        ++first;
    word.remove(0, first);
    const QString end = trimSet(rules.endSet, rules.endSpace);
    qsizetype last = word.size();
    while (last > 0 && end.contains(word[last - 1]))
        --last;
    word.truncate(last);
    return rules.ignoreCommaSpaces ? joinCommas(word) : word;
}

void fillTestWords(store::Cursor& dictionary, const TestWordRules& rules) {
    dictionary.field(QStringLiteral("Czechzk"))
        .setAsString(
            normalizeTestWord(dictionary.field(QStringLiteral("Czech")).asString(), rules));
    dictionary.field(QStringLiteral("Otherzk"))
        .setAsString(
            normalizeTestWord(dictionary.field(QStringLiteral("Other")).asString(), rules));
}

void prepareEntryForPost(store::Cursor& dictionary, const TestWordRules& rules) {
    // Entries stored before the rule may lack a word; walks over them must not stop there.
    const store::Field czech = dictionary.field(QStringLiteral("Czech"));
    const store::Field other = dictionary.field(QStringLiteral("Other"));
    const bool wordsWritten = dictionary.state() == store::CursorState::Insert ||
                              czech.isModified() || other.isModified();
    if (wordsWritten && !hasBothWords(czech.asString(), other.asString()))
        throw store::Error(
            QStringLiteral("Slovíčko nelze uložit: musí mít vyplněno české i cizojazyčné slovo."));
    dictionary::keepEntryInvariants(dictionary);
    fillTestWords(dictionary, rules);
}

} // namespace entry
