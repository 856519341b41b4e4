#include "dictionaryfixture.h"
#include "exchange/dictionaryimport.h"
#include "exchange/importcommands.h"
#include "exchange/textfilelines.h"
#include "exchange/textimport.h"
#include "scriptedmessages.h"
#include "store/tablecheck.h"

namespace {

using exchange::TextLayout;

QString countMessage(int added, int refused) {
    return u"information: Úspěšně přidáno %1 slovíček. Nemohlo být přidáno %2 slovíček"_s.arg(added)
        .arg(refused);
}

class Import : public DictionaryFixture {
protected:
    // Runs a text import of the bytes, confirmed, and returns the messages shown after the
    // confirmation.
    QStringList importText(TextLayout layout, const QByteArray& bytes) {
        ScriptedMessages messages;
        messages.answer({true});
        exchange::runTextImport(layout, dictionary, folder.write(u"words.txt"_s, bytes), messages);
        return messages.shown.sliced(1);
    }
};

// How a line's lesson is read is checked with the splitting of the lines.
TEST_F(Import, TabLinesAddEntriesWithTheirLessonAndCountRefusals) {
    addWords(dictionary, {{"kočka", "cat", 2}});
    const QStringList shown = importText(TextLayout::TabSeparated,
                                         "pes\tdog\t3\r\n"
                                         "jen\tdva\r\n" // no second TAB: skipped
                                         "záporná\tnegative\t-4\r\n"
                                         "\tno czech\t1\r\n" // empty expression: skipped
                                         "kočka\tcat\t9\r\n" // already there: refused
                                         "pes\tdog\t5\r\n"); // added above: refused
    EXPECT_EQ(shown, (QStringList{countMessage(2, 2),
                                  u"warning: Nenačten 1 řádek bez druhého tabulátoru (řádek má "
                                  "tvar česky TAB cize TAB lekce TAB popis)."_s}));
    EXPECT_EQ(entries(), (QStringList{u"kočka|cat|2"_s, u"pes|dog|3"_s, u"záporná|negative|0"_s}));
}

TEST_F(Import, UnreadLinesAreCountedInCzechByTheirFault) {
    const QString withoutTab = u" bez druhého tabulátoru (řádek má tvar česky TAB cize TAB lekce "
                               u"TAB popis)."_s;
    const QString tooFar =
        u": druhý tabulátor leží dál než 255 znaků za prvním, cizí výraz je příliš dlouhý."_s;
    const std::tuple<int, int, QString> cases[] = {
        {2, 0, u"Nenačteny 2 řádky"_s + withoutTab},
        {4, 0, u"Nenačteny 4 řádky"_s + withoutTab},
        {5, 0, u"Nenačteno 5 řádků"_s + withoutTab},
        {0, 1, u"Nenačten 1 řádek"_s + tooFar},
        {22, 3, u"Nenačteno 22 řádků"_s + withoutTab + u"\nNenačteny 3 řádky"_s + tooFar},
    };
    const QByteArray farTab = "pes\t" + QByteArray(255, 'o') + "\t1\r\n";
    for (const auto& [withoutSecondTab, secondTabTooFar, warning] : cases) {
        const QStringList shown = importText(TextLayout::TabSeparated,
                                             QByteArray("jen\tdva\r\n").repeated(withoutSecondTab) +
                                                 farTab.repeated(secondTabTooFar));
        EXPECT_EQ(shown.last(), u"warning: "_s + warning);
    }
    EXPECT_TRUE(dictionary.isEmpty());
}

// The entries are "czech|other|lesson", separated by '\n'.
struct TextCase {
    const char* name;
    TextLayout layout;
    QByteArray bytes;
    const char* entries;
    int added;
    int refused;
};

class TextImport : public Import, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextImport, AddsWhatItCanReadAndCountsTheRefusals) {
    EXPECT_EQ(importText(GetParam().layout, GetParam().bytes).first(),
              countMessage(GetParam().added, GetParam().refused));
    EXPECT_EQ(entries().join(u'\n'), QString::fromUtf8(GetParam().entries));
}

INSTANTIATE_TEST_SUITE_P(
    Files, TextImport,
    ::testing::Values(
        TextCase{
            "TheDirectiveCountsOnTheFirstLineOnly", TextLayout::TabSeparated,
            "###REPLACE_OTHER###=aeeo\r\nčaj\ttea\t\r\n###REPLACE_OTHER###=xy\t\r\nx\tax\t\r\n",
            "čaj|too|0\nx|ox|0", 2, 0},
        TextCase{"OverlongExpressionsAreRefusedNotCut", TextLayout::TabSeparated,
                 "dlouhé\t" + QByteArray(81, 'w') + "\t1\r\nkrátké\tshort\t1\r\n", "krátké|short|1",
                 1, 1},
        TextCase{"AMegabyteLineIsRefusedWithoutHarm", TextLayout::LinePairs,
                 QByteArray(1 << 20, 'x') + "\r\nforeign\r\n", "", 0, 1},
        TextCase{"LinePairsSkipAnOddLastLineAndEmptyExpressions", TextLayout::LinePairs,
                 "pes\r\ndog\r\n\r\nempty\r\nkočka\r\n", "pes|dog|0", 1, 0},
        TextCase{"AnEmptyFileAddsNothing", TextLayout::LinePairs, {}, "", 0, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Import, TheHookDerivesTestWordsAndTheDescriptionGetsItsLines) {
    importText(TextLayout::TabSeparated,
               "(to) Dům\tThe House!\t1\r\na\xE2\x80\xA6\tb\t1\tfirst*second\xE2\x80\xA6\n");
    EXPECT_EQ(tableRows(dictionary, {u"Czech"_s, u"Czechzk"_s, u"Otherzk"_s, u"Popis"_s}),
              (QStringList{u"(to) Dům|dům|the house|"_s, u"a...|a|b|first\r\nsecond..."_s}));
}

TEST_F(Import, NothingHappensForABinaryFileOrWithoutConfirmation) {
    EXPECT_TRUE(importText(TextLayout::TabSeparated, QByteArray("\x00\x01\x02", 3))
                    .first()
                    .startsWith(u"error: Chyba importu."_s));
    ScriptedMessages messages;
    messages.answer({false});
    const QString file = folder.write(u"w.txt"_s, "pes\tdog\t\r\n");
    EXPECT_FALSE(exchange::runTextImport(TextLayout::TabSeparated, dictionary, file, messages));
    EXPECT_TRUE(tableRows(*folder.openTable(u"dict/dictonary.db"_s), {u"Czech"_s}).isEmpty());
}

// 1,200 lines, every tenth without its second TAB or repeating the line before: into an empty
// dictionary the indexes are built once at the end, into a larger one entry by entry; the
// counts, the kept reasons and the table come out the same.
TEST_F(Import, ALargeImportCountsLikeASmallOneAndKeepsOnlyTheReasonsShown) {
    QByteArray lines;
    QByteArray line;
    for (int i = 0; i < 1200; ++i) {
        const QByteArray number = QByteArray::number(i);
        if (i % 10 != 9)
            line = "slovo " + number + "\tword " + number + "\t" + QByteArray::number(i % 7);
        lines += (i % 20 == 9 ? "jen slovo" : line) + "\r\n";
    }
    for (const int stored : {0, 1300}) {
        QByteArray storedLines;
        for (int i = 0; i < stored; ++i)
            storedLines += "jiné " + QByteArray::number(i) + "\tother\t1\r\n";
        exchange::importTabSeparated(dictionary, exchange::textLines(storedLines));
        const exchange::ImportCount count =
            exchange::importTabSeparated(dictionary, exchange::textLines(lines));
        EXPECT_EQ(std::tuple(count.added, count.refused, count.malformed.withoutSecondTab),
                  std::tuple(1080, 60, 60));
        EXPECT_EQ(count.reasons.size(), exchange::ImportCount::kKeptReasons);
        EXPECT_EQ(count.reasons.first(),
                  u"řádek 20: slovo 18 – word 18: slovíčko už ve slovníku je"_s);
        EXPECT_EQ(dictionary.recordCount(), 1080 + stored);
        EXPECT_TRUE(
            store::checkTableFile(folder.path(u"dict/dictonary.db"_s), u"dictonary"_s).ok());
        dictionary.emptyTable();
    }
}

class DictionaryImport : public Import {
protected:
    void SetUp() override {
        Import::SetUp();
        folder.createTable(u"source/dictonary.db"_s, u"dictonary"_s);
        store::Cursor source;
        exchange::openDictionaryTable(source, folder.path(u"source"_s));
        source.appendRecord({u"pes"_s, u"dog"_s, 1, 5, 2, u"štěká"_s, 0, u"x"_s, u"y"_s});
        source.appendRecord({u"kočka"_s, u"cat"_s, 2, 7, 1});
        source.appendRecord({u"myš"_s, u"mouse"_s, 1, 3, 3});
    }

    std::optional<exchange::ImportCount> run(const QString& source, std::optional<int> lesson,
                                             bool withStatistics) {
        ScriptedMessages messages;
        auto count = exchange::runDictionaryImport(
            dictionary, {folder.path(source), lesson, withStatistics}, messages);
        last = messages.shown.last();
        return count;
    }

    QString last;
};

TEST_F(DictionaryImport, OneLessonWithoutStatisticsDerivesTheTestWordsAnew) {
    run(u"source/dictonary.db"_s, 1, false);
    EXPECT_EQ(last, countMessage(2, 0));
    EXPECT_EQ(tableRows(dictionary, {u"Czech"_s, u"Lekce"_s, u"Dobre"_s, u"Popis"_s, u"Czechzk"_s}),
              (QStringList{u"myš|1|0||myš"_s, u"pes|1|0|štěká|pes"_s}));
}

TEST_F(DictionaryImport, AllLessonsWithStatisticsAndNothingTwice) {
    run(u"source"_s, std::nullopt, true);
    EXPECT_EQ(tableRows(dictionary, {u"Czech"_s, u"Dobre"_s, u"Spatne"_s}),
              (QStringList{u"kočka|7|1"_s, u"myš|3|3"_s, u"pes|5|2"_s}));
    run(u"dict/dictonary.db"_s, 1, false);
    EXPECT_EQ(last, countMessage(0, 2)) << "a dictionary into itself";
}

// Stopped by the user at its second entry, an import keeps nothing: a large text import
// (indexes built at its end) as well as a small dictionary import.
TEST_F(DictionaryImport, AStoppedImportKeepsNothingAndSaysSo) {
    const exchange::Progress stopAtSecond = [](int done, int) {
        if (done == 2)
            throw exchange::ImportStopped();
    };
    QByteArray lines;
    for (int i = 0; i < 1500; ++i)
        lines += "slovo " + QByteArray::number(i) + "\tword\r\n";
    ScriptedMessages messages;
    messages.answer({true});
    EXPECT_FALSE(exchange::runTextImport(TextLayout::TabSeparated, dictionary,
                                         folder.write(u"words.txt"_s, lines), messages,
                                         stopAtSecond));
    EXPECT_FALSE(exchange::runDictionaryImport(dictionary, {folder.path(u"source"_s), {}, true},
                                               messages, stopAtSecond));
    const QString stopped = u"information: Import přerušen. Slovník zůstal beze změny."_s;
    EXPECT_EQ(messages.shown.sliced(1), QStringList({stopped, stopped}));
    EXPECT_TRUE(dictionary.isEmpty());
    EXPECT_TRUE(store::checkTableFile(folder.path(u"dict/dictonary.db"_s), u"dictonary"_s).ok());
}

TEST_F(DictionaryImport, ASourceThatIsNotADictionaryIsAFailure) {
    folder.write(u"source/fake.db"_s, "just text");
    EXPECT_FALSE(run(u"source/fake.db"_s, std::nullopt, false));
    EXPECT_TRUE(last.startsWith(u"error: Chyba importu. Slovník zůstal beze změny. Chyba: "_s));
    folder.createTable(u"source/user.db"_s, u"user"_s);
    EXPECT_FALSE(run(u"source/user.db"_s, std::nullopt, false));
    EXPECT_FALSE(run(u"missing"_s, std::nullopt, false));
    EXPECT_TRUE(dictionary.isEmpty());
}

TEST(LessonList, PositionZeroIsEveryLesson) {
    EXPECT_EQ(exchange::lessonAtListPosition(0), std::nullopt);
    EXPECT_EQ(exchange::lessonAtListPosition(1), 0);
    EXPECT_EQ(exchange::lessonAtListPosition(8), 7);
}

} // namespace
