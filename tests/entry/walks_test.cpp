#include "scratchfolder.h"

#include "entry/commasplit.h"
#include "entry/normalizetestword.h"
#include "entry/regeneration.h"
#include "store/error.h"

#include <deque>

namespace {

using entry::SplitAnswer;
using entry::SplitProposal;

// A dictionary whose posts derive the test words by rules the test can change, as the
// main window's does.
class DictionaryWalk : public ScratchTest {
protected:
    void SetUp() override {
        dictionary = folder.table(u"dictonary"_s);
        dictionary->setBeforePost(
            [this](store::Cursor& table) { entry::prepareEntryForPost(table, rules); });
    }
    QStringList pairs() { return tableRows(*dictionary, {u"Czech"_s, u"Other"_s}); }

    entry::TestWordRules rules;
    std::unique_ptr<store::Cursor> dictionary;
};

TEST_F(DictionaryWalk, RegenerationFollowsNewRulesKeepsCountersTheFilterAndTheOrder) {
    addWords(*dictionary, {{"Dům (m.)", "House!", 2}, {"pes", "Dog", 3}});
    dictionary->first();
    postFields(*dictionary, {{u"Dobre"_s, 4}, {u"Spatne"_s, 1}});
    dictionary->setFilter(u"Lekce = 3"_s);
    dictionary->setFiltered(true);
    dictionary->setIndexName(u"othertoczechnew"_s);

    rules.ignoreCase = false;
    rules.excludeParentheses = false;
    std::vector<std::pair<int, int>> steps;
    EXPECT_EQ(entry::regenerate(*dictionary,
                                [&](int done, int total) { steps.emplace_back(done, total); }),
              2);

    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(std::tuple(dictionary->filtered(), dictionary->filter(), dictionary->recNo(),
                         dictionary->indexName(), dictionary->recordOrder()),
              std::tuple(true, u"Lekce = 3"_s, 1, u"othertoczechnew"_s, false));
    dictionary->setFiltered(false);
    EXPECT_EQ(tableRows(*dictionary, {u"Czechzk"_s, u"Otherzk"_s, u"Dobre"_s, u"Spatne"_s}),
              (QStringList{u"pes|Dog|0|0"_s, u"Dům (m.)|House|4|1"_s}));
    // The test words' indexes, built anew, find them.
    dictionary->setIndexName(u"otherzknone"_s);
    EXPECT_TRUE(dictionary->findKey({u"House"_s}));
}

TEST_F(DictionaryWalk, AnOldEntryWithoutAWordIsRegeneratedButAWordIsNotEmptied) {
    addWords(*dictionary, {{"pes", "Dog", 1}});
    dictionary->setBeforePost({});
    addWords(*dictionary, {{"", "Cat", 1}}); // as stored before entries needed both words
    dictionary->setBeforePost(
        [this](store::Cursor& table) { entry::prepareEntryForPost(table, rules); });
    EXPECT_NO_THROW(entry::regenerate(*dictionary, {}));
    EXPECT_EQ(tableRows(*dictionary, {u"Otherzk"_s}), (QStringList{u"cat"_s, u"dog"_s}));
    dictionary->last();
    dictionary->edit();
    dictionary->field(u"Other"_s).setAsString(QString());
    EXPECT_THROW(dictionary->post(), store::Error);
}

// The walk is one unit: the records re-posted before the failure are as they were.
TEST_F(DictionaryWalk, AFailedRepostUndoesTheWalkAndStillRestoresTheFilter) {
    addWords(*dictionary, {{"a", "b", 1}, {"c", "d", 1}});
    dictionary->setFilter(u"Lekce = 1"_s);
    dictionary->setFiltered(true);
    dictionary->setBeforePost([](store::Cursor& table) {
        if (table.field(u"Czech"_s).asString() == u"c")
            throw store::Error(u"disk full"_s);
        table.field(u"Czechzk"_s).setAsString(u"A"_s);
    });
    EXPECT_THROW(entry::regenerate(*dictionary), store::Error);
    EXPECT_EQ(
        std::tuple(dictionary->state(), dictionary->filtered(), dictionary->controlsDisabled()),
        std::tuple(store::CursorState::Browse, true, false));
    EXPECT_EQ(tableRows(*dictionary, {u"Czechzk"_s}), (QStringList{u"a"_s, u"c"_s}));
}

struct SplitCase {
    const char* czech;
    const char* other;
    std::optional<SplitProposal> proposal;
};

TEST(SplitProposal, CutsAtTheExpressionsFirstComma) {
    const SplitCase cases[] = {
        {"dům", "house, home", SplitProposal{u"dům"_s, u"house"_s, u"dům"_s, u"home"_s}},
        {"c", "(a, b) c", std::nullopt},
        {"x", "(a, b) c, d", SplitProposal{u"x"_s, u"(a"_s, u"x"_s, u"b) c, d"_s}},
        {"pes,  čokl", "dog, hound",
         SplitProposal{u"pes"_s, u"dog, hound"_s, u" čokl"_s, u"dog, hound"_s}},
        {"pes", "dog", std::nullopt}};
    for (const auto& [czech, other, proposal] : cases) {
        const QString cz = QString::fromUtf8(czech);
        const QString ot = QString::fromUtf8(other);
        EXPECT_EQ(entry::proposeSplit(cz, ot, entry::normalizeTestWord(cz, {}),
                                      entry::normalizeTestWord(ot, {})),
                  proposal)
            << czech << " = " << other;
    }
}

TEST_F(DictionaryWalk, CommaWalkSplitsKeepsOrStopsAsAnswered) {
    addWords(*dictionary, {{"dům", "house, home", 4},
                           {"kočka", "cat, puss", 5},
                           {"pes", "dog, hound", 6},
                           {"Strom", "Tree", 1}});
    rules.ignoreCase = false;
    dictionary->first();
    postFields(*dictionary, {{u"Dobre"_s, 7}, {u"Popis"_s, u"note"_s}});
    dictionary->setFilter(u"Lekce = 6"_s);
    dictionary->setFiltered(true);

    QStringList asked;
    std::deque<SplitAnswer> answers{SplitAnswer::Split, SplitAnswer::Keep, SplitAnswer::Stop};
    entry::reevaluateCommas(
        *dictionary, [&](const QString& czech, const QString& other, SplitProposal& proposal) {
            asked << czech + u'|' + other;
            proposal.secondOther += u"!"_s; // the user's edit is what is stored
            const SplitAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });

    EXPECT_EQ(asked,
              (QStringList{u"dům|house, home"_s, u"kočka|cat, puss"_s, u"pes|dog, hound"_s}));
    EXPECT_FALSE(dictionary->filtered()) << "the filter stays off";
    EXPECT_EQ(pairs(), (QStringList{u"dům|home!"_s, u"dům|house"_s, u"kočka|cat, puss"_s,
                                    u"pes|dog, hound"_s, u"Strom|Tree"_s}));
    // The first half keeps the counters and the description; after Stop nothing is re-posted.
    EXPECT_EQ(tableRows(*dictionary, {u"Lekce"_s, u"Dobre"_s, u"Popis"_s, u"Otherzk"_s}),
              (QStringList{u"4|0||home"_s, u"4|7|note|house"_s, u"5|0||cat,puss"_s,
                           u"6|0||dog,hound"_s, u"1|0||tree"_s}));
}

TEST_F(DictionaryWalk, ASplitHalfThatExistsAlreadyIsDroppedQuietly) {
    addWords(*dictionary, {{"dům", "house, home", 1}, {"dům", "home", 1}});
    entry::reevaluateCommas(*dictionary, [](const QString&, const QString&, SplitProposal&) {
        return SplitAnswer::Split;
    });
    EXPECT_EQ(pairs(), (QStringList{u"dům|home"_s, u"dům|house"_s}));
}

} // namespace
