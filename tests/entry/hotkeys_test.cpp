#include "dictionary/setini.h"
#include "entry/hotkeys.h"

#include <gtest/gtest.h>

namespace {

using entry::EntryTexts;
using namespace Qt::StringLiterals;

// A hot key as a dictionary's set.ini defines it: the lines of one "key=F5" block.
dictionary::HotKeyRecord hotKey(QStringList blockLines) {
    blockLines.prepend(u"key=F5"_s);
    blockLines.append(u"endkey"_s);
    return dictionary::parseSetIni(blockLines).functionKeys.at(5);
}

struct HotKeyCase {
    const char* name;
    QStringList block;
    EntryTexts before;
    bool singleLineDescription;
    EntryTexts after;
};

void PrintTo(const HotKeyCase& given, std::ostream* out) {
    *out << given.name;
}

class HotKeys : public ::testing::TestWithParam<HotKeyCase> {};

TEST_P(HotKeys, ChangeTheTexts) {
    const HotKeyCase& given = GetParam();
    const EntryTexts result =
        entry::applyHotKey(hotKey(given.block), given.before, given.singleLineDescription);
    EXPECT_EQ(result.other, given.after.other);
    EXPECT_EQ(result.czech, given.after.czech);
    EXPECT_EQ(result.description, given.after.description);
}

INSTANTIATE_TEST_SUITE_P(
    SetIniBlocks, HotKeys,
    ::testing::Values(
        HotKeyCase{"AppendedWithCzTypeAfter",
                   {u"cz= (pl.)"_s, u"cztype=after"_s},
                   {u"dogs"_s, u"dog"_s, {}},
                   true,
                   {u"dogs"_s, u"dog (pl.)"_s, {}}},
        HotKeyCase{"PutInFrontWithoutTypeLine",
                   {u"cz= (pl.)"_s},
                   {u"dogs"_s, u"dog"_s, {}},
                   true,
                   {u"dogs"_s, u" (pl.)dog"_s, {}}},
        HotKeyCase{"OverwriteReplacesTheField",
                   {u"other=to go"_s, u"othertype=overwrite"_s},
                   {u"went"_s, u"jít"_s, {}},
                   true,
                   {u"to go"_s, u"jít"_s, {}}},
        HotKeyCase{"OnlyTheFirstOccurrenceIsRemoved",
                   {u"deletecz= (pl.)"_s, u"deleteother=x"_s},
                   {u"axbxc"_s, u"pes (pl.) (pl.)"_s, {}},
                   true,
                   {u"abxc"_s, u"pes (pl.)"_s, {}}},
        HotKeyCase{"RemovalIsCaseSensitive",
                   {u"deleteother=Der "_s},
                   {u"der Hund"_s, u"pes"_s, {}},
                   true,
                   {u"der Hund"_s, u"pes"_s, {}}},
        HotKeyCase{"ArticleSwappedRemovalsBeforeInsertion",
                   {u"deleteother=der "_s, u"deleteother2=das "_s, u"deleteother3=die "_s,
                    u"other=die "_s},
                   {u"der Katze"_s, u"kočka"_s, {}},
                   true,
                   {u"die Katze"_s, u"kočka"_s, {}}},
        // "b" goes first, so "ab" is no longer there; the other way round "ab" would go.
        HotKeyCase{"RemovalsOfOneFieldInTheirNumberOrder",
                   {u"deletecz3=ab"_s, u"deletecz=b"_s},
                   {u"x"_s, u"abc"_s, {}},
                   true,
                   {u"x"_s, u"ac"_s, {}}},
        HotKeyCase{"DescriptionReplacedByDefault",
                   {u"introduce=[dog]"_s, u"deleteintroduce=x"_s},
                   {u"dog"_s, u"pes"_s, u"[x]"_s},
                   true,
                   {u"dog"_s, u"pes"_s, u"[dog]"_s}},
        HotKeyCase{"DescriptionAppended",
                   {u"introduce= [n.]"_s, u"introducetype=after"_s},
                   {u"dog"_s, u"pes"_s, u"dɒg"_s},
                   true,
                   {u"dog"_s, u"pes"_s, u"dɒg [n.]"_s}},
        HotKeyCase{
            "DescriptionUntouchedWhileMultiLine",
            {u"introduce=[dog]"_s, u"deleteintroduce=x"_s, u"cz= (pl.)"_s, u"cztype=after"_s},
            {u"dog"_s, u"pes"_s, u"x"_s},
            false,
            {u"dog"_s, u"pes (pl.)"_s, u"x"_s}},
        HotKeyCase{"EmptyKeyChangesNothing",
                   {u"hint=nic"_s},
                   {u"dog"_s, u"pes"_s, u"x"_s},
                   true,
                   {u"dog"_s, u"pes"_s, u"x"_s}}));

} // namespace
