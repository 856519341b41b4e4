#include "entry/normalizetestword.h"
#include "entry/wordentry.h"
#include "scratchfolder.h"
#include "store/error.h"

namespace {

using entry::NewEntry;

// A dictionary whose posts go through the word list's hook, as in the program.
class AddEntry : public ScratchTest {
protected:
    AddEntry()
        : dictionary(folder.table(u"dictonary"_s)) {
        dictionary->setBeforePost([](store::Cursor& table) {
            entry::prepareEntryForPost(table, entry::TestWordRules{});
        });
    }

    std::unique_ptr<store::Cursor> dictionary;
};

TEST_F(AddEntry, StoresTheEntryWithZeroCountersAndTestWords) {
    entry::addEntry(*dictionary,
                    NewEntry{u"the Dog"_s, u"pes (zvíře)"_s, u"7"_s, {u"dɒg"_s, u"štěká"_s}});
    entry::addEntry(*dictionary, NewEntry{u"dog"_s, u"pes"_s, u"0"_s, {}});
    EXPECT_EQ(tableRows(*dictionary, {u"Other"_s, u"Czech"_s, u"Lekce"_s, u"Dobre"_s, u"Spatne"_s,
                                      u"Popis"_s, u"Otherzk"_s, u"Czechzk"_s}),
              (QStringList{u"dog|pes|0|0|0||dog|pes"_s,
                           u"the Dog|pes (zvíře)|7|0|0|dɒg\r\nštěká|the dog|pes"_s}));
    dictionary->first();
    EXPECT_TRUE(dictionary->field(u"Popis"_s).isNull()) << "no description, no text";
}

struct Refusal {
    const char* name;
    NewEntry entry;
};

class RefusedEntry : public AddEntry, public ::testing::WithParamInterface<Refusal> {};

// The dictionary stays as it was and the cursor leaves the insertion, whatever the cause.
TEST_P(RefusedEntry, CancelsTheInsertion) {
    entry::addEntry(*dictionary, NewEntry{u"dog"_s, u"pes"_s, u"1"_s, {u"first"_s}});
    EXPECT_THROW(entry::addEntry(*dictionary, GetParam().entry), store::Error);
    EXPECT_EQ(dictionary->state(), store::CursorState::Browse);
    ASSERT_EQ(dictionary->recordCount(), 1);
    dictionary->first();
    EXPECT_EQ(dictionary->field(u"Popis"_s).asMemo(), u"first"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RefusedEntry,
    ::testing::Values(Refusal{"SamePairTwice", {u"dog"_s, u"pes"_s, u"2"_s, {u"second"_s}}},
                      Refusal{"LessonNotANumber", {u"cat"_s, u"kočka"_s, u"x"_s, {}}},
                      Refusal{"WithoutCzechWord", {u"cat"_s, QString(), u"1"_s, {}}},
                      // Never cut to the field's 80 characters.
                      Refusal{"ExpressionTooLong", {QString(81, u'a'), u"a"_s, u"1"_s, {}}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DescriptionLines, AreTheLinesOfTheText) {
    EXPECT_EQ(entry::descriptionLines(QString()), QStringList());
    EXPECT_EQ(entry::descriptionLines(u"a"_s), QStringList({u"a"_s}));
    EXPECT_EQ(entry::descriptionLines(u"a\n\nb"_s), QStringList({u"a"_s, QString(), u"b"_s}));
}

} // namespace
