#include "dictionaryfixture.h"
#include "exchange/lessonchange.h"
#include "exchange/lessonzero.h"
#include "scriptedmessages.h"

#include <map>

namespace {

using exchange::BulkLessonChoice;
using exchange::ChangedChoice;
using Mode = BulkLessonChoice::Mode;

class LessonChange : public DictionaryFixture {
protected:
    // Adds count entries in the lesson, named so that they sort by their number.
    void addLesson(int lesson, int count) {
        for (int i = 0; i < count; ++i)
            dictionary.appendRecord(
                {u"w%1-%2"_s.arg(lesson).arg(i, 4, 10, QChar(u'0')), u"o"_s, lesson});
    }

    std::map<int, int> lessonSizes() {
        std::map<int, int> sizes;
        for (dictionary.first(); !dictionary.eof(); dictionary.next())
            ++sizes[dictionary.field(u"Lekce"_s).asInteger()];
        return sizes;
    }

    QStringList run(const BulkLessonChoice& choice, int lessonCount = 100) {
        ScriptedMessages messages;
        messages.answer({true});
        exchange::runBulkLessonChange(dictionary, choice, lessonCount, messages);
        return messages.shown.sliced(1);
    }
};

TEST_F(LessonChange, SpreadingGivesEachLessonTheChosenNumber) {
    addLesson(0, 60);
    addLesson(1, 40);
    addLesson(3, 2);
    dictionary.setIndexName(u"lessonczechother"_s);
    EXPECT_EQ(run({0, 1, Mode::Spread, 0, 5, 35}),
              QStringList{u"information: Změna proběhla ..."_s});
    EXPECT_EQ(lessonSizes(), (std::map<int, int>{{3, 2}, {5, 35}, {6, 35}, {7, 30}}));
    EXPECT_EQ(dictionary.indexName(), u"czechtoothernew"_s);
}

TEST_F(LessonChange, SpreadingStopsAtTheLessonCount) {
    addLesson(1, 5);
    EXPECT_EQ(run({0, 1, Mode::Spread, 0, 8, 2}, 10),
              (QStringList{u"warning: Dosaženo maxima lekcí - změna přerušena."_s,
                           u"information: Změna proběhla ..."_s}));
    EXPECT_EQ(lessonSizes(), (std::map<int, int>{{1, 1}, {8, 2}, {9, 2}}));
}

TEST_F(LessonChange, MovingARangeIntoOneOfItsLessonsOnceConfirmed) {
    addLesson(3, 2);
    addLesson(4, 2);
    addLesson(5, 2);
    addLesson(6, 1);
    ScriptedMessages declined;
    declined.answer({false});
    EXPECT_FALSE(
        exchange::runBulkLessonChange(dictionary, {3, 5, Mode::MoveTo, 4, 0, 35}, 100, declined));
    EXPECT_EQ(lessonSizes(), (std::map<int, int>{{3, 2}, {4, 2}, {5, 2}, {6, 1}}));
    dictionary.setFilter(u"Lekce = 6"_s);
    dictionary.setFiltered(true);
    run({3, 5, Mode::MoveTo, 4, 0, 35});
    EXPECT_FALSE(dictionary.filtered());
    EXPECT_EQ(lessonSizes(), (std::map<int, int>{{4, 6}, {6, 1}}));
}

TEST(ChoiceConsistency, TheRangeAndTheStartFollowTheRules) {
    const auto move = [](int first, int last) {
        return BulkLessonChoice{first, last, Mode::MoveTo, 0, 0, 35};
    };
    const auto spread = [](int first, int last, int start) {
        return BulkLessonChoice{first, last, Mode::Spread, 0, start, 35};
    };
    const struct {
        const char* name;
        BulkLessonChoice before;
        ChangedChoice changed;
        BulkLessonChoice after;
        int warnings;
    } cases[] = {
        {"FirstLessonPastTheLastMovesIt", move(5, 3), ChangedChoice::FirstLesson, move(5, 5), 0},
        {"LastLessonBeforeTheFirstMovesIt", move(5, 3), ChangedChoice::LastLesson, move(3, 3), 0},
        {"SpreadingEndsBelowTheLastLessonAndStartsPastIt", spread(2, 99, 50),
         ChangedChoice::LastLesson, spread(2, 98, 99), 2},
        {"SpreadingStartsPastTheRange", spread(0, 4, 4), ChangedChoice::Other, spread(0, 4, 5), 1},
        {"SpreadingStartPastTheRangeStays", spread(0, 4, 5), ChangedChoice::Other, spread(0, 4, 5),
         0},
        {"MovingNeedsNoStart", move(0, 99), ChangedChoice::Other, move(0, 99), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BulkLessonChoice choice = c.before;
        EXPECT_EQ(exchange::keepChoiceConsistent(choice, c.changed, 100).size(), c.warnings);
        EXPECT_EQ(choice, c.after);
    }
}

TEST_F(LessonChange, ALessonZeroEntryTakesItsNeighboursLesson) {
    addWords(dictionary, {{"a", "first", 0},
                          {"b", "same", 0},
                          {"c", "same", 0},
                          {"d", "same", 7},
                          {"e", "other", 0},
                          {"f", "other", 2},
                          {"g", "Other", 0}});
    dictionary.setIndexName(u"lessonczechother"_s);
    ScriptedMessages messages;
    messages.answer({true});
    EXPECT_TRUE(exchange::runFindLessonsOfLessonZero(dictionary, messages));
    EXPECT_EQ(messages.shown.last(),
              u"information: Změny proběhly (vhodné volat tuto funkci opakovaně)"_s);
    dictionary.setIndexName(QString());
    EXPECT_EQ(entries(), (QStringList{u"a|first|0"_s, u"b|same|0"_s, u"c|same|7"_s, u"d|same|7"_s,
                                      u"e|other|2"_s, u"f|other|2"_s, u"g|Other|0"_s}));
    // A second run reaches the entry two steps away.
    messages.answer({true});
    exchange::runFindLessonsOfLessonZero(dictionary, messages);
    dictionary.setIndexName(QString());
    EXPECT_EQ(entries()[1], u"b|same|7"_s);
}

TEST_F(LessonChange, TheFirstRecordIsNeverLookedAt) {
    addWords(dictionary, {{"a", "same", 0}, {"b", "same", 4}});
    exchange::findLessonsOfLessonZero(dictionary);
    EXPECT_EQ(entries(), (QStringList{u"a|same|0"_s, u"b|same|4"_s}));
}

} // namespace
