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

// The texts are written "other|czech|description".
struct HotKeyCase {
    const char* name;
    const char* block; // lines separated by '\n'
    const char* before;
    bool singleLineDescription;
    const char* after;
};

class HotKeys : public ::testing::TestWithParam<HotKeyCase> {};

TEST_P(HotKeys, ChangeTheTexts) {
    const HotKeyCase& given = GetParam();
    const QStringList before = QString::fromUtf8(given.before).split(u'|');
    const EntryTexts after =
        entry::applyHotKey(hotKey(QString::fromUtf8(given.block).split(u'\n')),
                           {before[0], before[1], before[2]}, given.singleLineDescription);
    EXPECT_EQ(QStringList({after.other, after.czech, after.description}).join(u'|'),
              QString::fromUtf8(given.after));
}

INSTANTIATE_TEST_SUITE_P(
    SetIniBlocks, HotKeys,
    ::testing::Values(
        HotKeyCase{"AppendedWithCzTypeAfter", "cz= (pl.)\ncztype=after", "dogs|dog|", true,
                   "dogs|dog (pl.)|"},
        HotKeyCase{"PutInFrontWithoutTypeLine", "cz= (pl.)", "dogs|dog|", true, "dogs| (pl.)dog|"},
        HotKeyCase{"OverwriteReplacesTheField", "other=to go\nothertype=overwrite", "went|jít|",
                   true, "to go|jít|"},
        HotKeyCase{"OnlyTheFirstOccurrenceIsRemoved", "deletecz= (pl.)\ndeleteother=x",
                   "axbxc|pes (pl.) (pl.)|", true, "abxc|pes (pl.)|"},
        HotKeyCase{"RemovalIsCaseSensitive", "deleteother=Der ", "der Hund|pes|", true,
                   "der Hund|pes|"},
        HotKeyCase{"ArticleSwappedRemovalsBeforeInsertion",
                   "deleteother=der \ndeleteother2=das \ndeleteother3=die \nother=die ",
                   "der Katze|kočka|", true, "die Katze|kočka|"},
        // "b" goes first, so "ab" is no longer there; the other way round "ab" would go.
        HotKeyCase{"RemovalsOfOneFieldInTheirNumberOrder", "deletecz3=ab\ndeletecz=b", "x|abc|",
                   true, "x|ac|"},
        HotKeyCase{"DescriptionReplacedByDefault", "introduce=[dog]\ndeleteintroduce=x",
                   "dog|pes|[x]", true, "dog|pes|[dog]"},
        HotKeyCase{"DescriptionAppended", "introduce= [n.]\nintroducetype=after", "dog|pes|dɒg",
                   true, "dog|pes|dɒg [n.]"},
        HotKeyCase{"DescriptionUntouchedWhileMultiLine",
                   "introduce=[dog]\ndeleteintroduce=x\ncz= (pl.)\ncztype=after", "dog|pes|x",
                   false, "dog|pes (pl.)|x"},
        HotKeyCase{"EmptyKeyChangesNothing", "hint=nic", "dog|pes|x", true, "dog|pes|x"}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
