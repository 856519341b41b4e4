#include "dictionaryfixture.h"
#include "exchange/dictionaryimport.h"
#include "exchange/importcommands.h"
#include "exchange/textimport.h"
#include "scriptedmessages.h"

namespace {

using exchange::TextLayout;

class Import : public DictionaryFixture {
protected:
    // Runs a text import of the bytes, confirmed, and returns the messages shown after the
    // confirmation.
    QStringList importText(TextLayout layout, const QByteArray& bytes) {
        ScriptedMessages messages;
        messages.answer({true});
        exchange::runTextImport(layout, dictionary, writeFile(u"words.txt"_s, bytes), messages);
        return messages.shown.sliced(1);
    }

    QString description(const QString& czech, const QString& other) {
        dictionary.setIndexName(QString());
        EXPECT_TRUE(dictionary.findKey({czech, other}));
        return dictionary.field(u"Popis"_s).asMemo();
    }
};

TEST_F(Import, TabLinesAddEntriesWithTheirLessonAndCountRefusals) {
    addWords({{u"kočka"_s, u"cat"_s, 2}});
    const QStringList shown = importText(TextLayout::TabSeparated,
                                         "pes\tdog\t3\r\n"
                                         "jen\tdva\r\n"             // no second TAB: skipped
                                         "prázdná\tlekce\t\r\n"     // trailing TAB: lesson 0
                                         "textem\tlesson\tsedm\r\n" // text: lesson 0
                                         "záporná\tnegative\t-4\r\n"
                                         "\tno czech\t1\r\n" // empty expression: skipped
                                         "kočka\tcat\t9\r\n" // already there: refused
                                         "pes\tdog\t5\r\n"); // added above: refused
    EXPECT_EQ(shown, (QStringList{u"information: Úspěšně přidáno 4 slovíček. Nemohlo být "
                                  "přidáno 2 slovíček"_s,
                                  u"warning: Nenačten 1 řádek bez druhého tabulátoru (řádek má "
                                  "tvar česky TAB cize TAB lekce TAB popis)."_s}));
    EXPECT_EQ(entries(), (QStringList{u"kočka|cat|2"_s, u"pes|dog|3"_s, u"prázdná|lekce|0"_s,
                                      u"textem|lesson|0"_s, u"záporná|negative|0"_s}));
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

TEST_F(Import, TheHookDerivesTestWordsOfImportedEntries) {
    importText(TextLayout::TabSeparated, "(to) Dům\tThe House!\t1\r\n");
    dictionary.first();
    EXPECT_EQ(dictionary.field(u"Czechzk"_s).asString(), u"dům"_s);
    EXPECT_EQ(dictionary.field(u"Otherzk"_s).asString(), u"the house"_s);
}

TEST_F(Import, DescriptionStarsBecomeLinesAndEllipsesFullStops) {
    importText(TextLayout::TabSeparated, "a\xE2\x80\xA6\tb\t1\tfirst*second\xE2\x80\xA6\n");
    EXPECT_EQ(description(u"a..."_s, u"b"_s), u"first\r\nsecond..."_s);
}

TEST_F(Import, TheDirectiveCountsOnTheFirstLineOnly) {
    importText(TextLayout::TabSeparated, "###REPLACE_OTHER###=aeeo\r\n"
                                         "čaj\ttea\t\r\n"
                                         "###REPLACE_OTHER###=xy\t\r\n"
                                         "x\tax\t\r\n");
    EXPECT_EQ(entries(), (QStringList{u"čaj|too|0"_s, u"x|ox|0"_s}));
}

TEST_F(Import, OverlongExpressionsAreRefusedNotCut) {
    const QByteArray longWord(81, 'w');
    const QStringList shown =
        importText(TextLayout::TabSeparated, "dlouhé\t" + longWord + "\t1\r\nkrátké\tshort\t1\r\n");
    EXPECT_EQ(shown.last(), u"information: Úspěšně přidáno 1 slovíček. Nemohlo být přidáno 1 "
                            "slovíček"_s);
    EXPECT_EQ(entries(), QStringList{u"krátké|short|1"_s});
}

TEST_F(Import, AMegabyteLineIsRefusedWithoutHarm) {
    const QStringList shown =
        importText(TextLayout::LinePairs, QByteArray(1 << 20, 'x') + "\r\nforeign\r\n");
    EXPECT_EQ(shown.last(), u"information: Úspěšně přidáno 0 slovíček. Nemohlo být přidáno 1 "
                            "slovíček"_s);
    EXPECT_TRUE(dictionary.isEmpty());
}

TEST_F(Import, LinePairsSkipAnOddLastLineAndEmptyExpressions) {
    const QStringList shown = importText(TextLayout::LinePairs, "pes\r\ndog\r\n"
                                                                "\r\nempty\r\n"
                                                                "kočka\r\n");
    EXPECT_EQ(shown.last(), u"information: Úspěšně přidáno 1 slovíček. Nemohlo být přidáno 0 "
                            "slovíček"_s);
    EXPECT_EQ(entries(), QStringList{u"pes|dog|0"_s});
}

TEST_F(Import, BinaryAndEmptyFilesEndCleanly) {
    EXPECT_TRUE(importText(TextLayout::TabSeparated, QByteArray("\x00\x01\x02", 3))
                    .first()
                    .startsWith(u"error: Chyba importu."_s));
    EXPECT_EQ(importText(TextLayout::LinePairs, QByteArray()).last(),
              u"information: Úspěšně přidáno 0 slovíček. Nemohlo být přidáno 0 slovíček"_s);
    EXPECT_TRUE(dictionary.isEmpty());
}

TEST_F(Import, NothingHappensWithoutConfirmationOrOpenDictionary) {
    ScriptedMessages messages;
    messages.answer({false});
    const QString file = writeFile(u"w.txt"_s, "pes\tdog\t\r\n");
    EXPECT_FALSE(exchange::runTextImport(TextLayout::TabSeparated, dictionary, file, messages));
    dictionary.close();
    EXPECT_FALSE(exchange::runTextImport(TextLayout::TabSeparated, dictionary, file, messages));
    EXPECT_EQ(messages.shown.last(), u"error: Není vybrán žádný slovník"_s);
}

class DictionaryImport : public Import {
protected:
    void SetUp() override {
        Import::SetUp();
        QDir(path(QString())).mkpath(u"source"_s);
        store::createTableFile(path(u"source/dictonary.db"_s), u"dictonary"_s);
        store::Cursor source;
        exchange::openDictionaryTable(source, path(u"source"_s));
        source.appendRecord({u"pes"_s, u"dog"_s, 1, 5, 2, u"štěká"_s, 0, u"x"_s, u"y"_s});
        source.appendRecord({u"kočka"_s, u"cat"_s, 2, 7, 1});
        source.appendRecord({u"myš"_s, u"mouse"_s, 1, 3, 3});
    }

    std::optional<exchange::ImportCount> run(exchange::DictionaryImportChoice choice) {
        ScriptedMessages messages;
        auto count = exchange::runDictionaryImport(dictionary, choice, messages);
        last = messages.shown.last();
        return count;
    }

    QString last;
};

TEST_F(DictionaryImport, OneLessonWithoutStatistics) {
    run({path(u"source/dictonary.db"_s), 1, false});
    EXPECT_EQ(last, u"information: Úspěšně přidáno 2 slovíček. Nemohlo být přidáno 0 slovíček"_s);
    EXPECT_EQ(entries(), (QStringList{u"myš|mouse|1"_s, u"pes|dog|1"_s}));
    dictionary.findKey({u"pes"_s, u"dog"_s});
    EXPECT_EQ(dictionary.field(u"Dobre"_s).asInteger(), 0);
    EXPECT_EQ(dictionary.field(u"Popis"_s).asMemo(), u"štěká"_s);
    EXPECT_EQ(dictionary.field(u"Czechzk"_s).asString(), u"pes"_s);
}

TEST_F(DictionaryImport, AllLessonsWithStatistics) {
    run({path(u"source"_s), std::nullopt, true});
    dictionary.findKey({u"kočka"_s, u"cat"_s});
    EXPECT_EQ(dictionary.field(u"Dobre"_s).asInteger(), 7);
    EXPECT_EQ(dictionary.field(u"Spatne"_s).asInteger(), 1);
    EXPECT_EQ(dictionary.recordCount(), 3);
}

TEST_F(DictionaryImport, IntoItselfAddsNothing) {
    run({path(u"source"_s), std::nullopt, false});
    run({path(u"dict/dictonary.db"_s), 1, false});
    EXPECT_EQ(last, u"information: Úspěšně přidáno 0 slovíček. Nemohlo být přidáno 2 slovíček"_s);
}

TEST_F(DictionaryImport, ASourceThatIsNotADictionaryIsAFailure) {
    writeFile(u"source/fake.db"_s, "just text");
    EXPECT_FALSE(run({path(u"source/fake.db"_s), std::nullopt, false}));
    EXPECT_TRUE(last.startsWith(u"error: Chyba importu. Chyba: "_s));
    store::createTableFile(path(u"source/user.db"_s), u"user"_s);
    EXPECT_FALSE(run({path(u"source/user.db"_s), std::nullopt, false}));
    EXPECT_FALSE(run({path(u"missing"_s), std::nullopt, false}));
    EXPECT_TRUE(dictionary.isEmpty());
}

TEST(LessonList, PositionZeroIsEveryLesson) {
    EXPECT_EQ(exchange::lessonAtListPosition(0), std::nullopt);
    EXPECT_EQ(exchange::lessonAtListPosition(1), 0);
    EXPECT_EQ(exchange::lessonAtListPosition(8), 7);
}

} // namespace
