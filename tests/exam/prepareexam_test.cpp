#include "exam/prepareexam.h"

#include "examtablesfixture.h"
#include "recordingshell.h"
#include "scriptedmessages.h"
#include "scriptedrandom.h"

using exam::ExamParameters;
using exam::QuestionLanguage;

namespace {

struct Word {
    QString czech;
    QString other;
    int lesson = 1;
    int right = 0;
    int wrong = 0;
    QString czechTest = {};
    QString otherTest = {};
};

class PrepareExam : public ExamTablesFixture {
protected:
    PrepareExam() {
        parameters.fromLesson = 1;
        parameters.toLesson = 1;
        parameters.worstCountPosition = 0;
    }

    void addWords(const std::vector<Word>& words) {
        for (const Word& w : words) {
            table(u"dictonary"_s)
                .appendRecord({w.czech, w.other, w.lesson, w.right, w.wrong,
                               QString(u"popis "_s + w.czech), 0,
                               w.czechTest.isEmpty() ? w.czech : w.czechTest,
                               w.otherTest.isEmpty() ? w.other : w.otherTest});
        }
    }

    // Twenty words c00 … c19 of lesson 1, the later ones asked less often.
    void addTwentyWords() {
        std::vector<Word> words;
        for (int i = 0; i < 20; ++i)
            words.push_back({u"c%1"_s.arg(i, 2, 10, QChar(u'0')), u"o%1"_s.arg(i), 1, 50, 50 - i});
        addWords(words);
    }

    std::optional<exam::ExamHandover> prepare() {
        const exam::PreparationContext context{
            u"Anglicky"_s, soundFolder, messages, clock, random, [this](int position, int maximum) {
                progress = {position, maximum};
            }};
        return exam::prepareExam(tables(), parameters, context);
    }

    // "question|Celkem" of every question.
    QStringList questions() { return rows(u"runtime"_s, {u"Otazka"_s, u"Celkem"_s}); }
    QStringList historyField(const QString& field) { return rows(u"exam"_s, {field}); }

    static QStringList asked(std::initializer_list<const char*> names, int times = 1) {
        QStringList result;
        for (const char* name : names)
            result << QString::fromUtf8(name) + u'|' + QString::number(times);
        return result;
    }

    ExamParameters parameters;
    QString soundFolder;
    ScriptedMessages messages;
    FixedClock clock{QDateTime(QDate(2024, 6, 11), QTime(9, 5, 7))};
    ScriptedRandom random;
    std::pair<int, int> progress;
};

// Words left at -1 by a broken-off preparation are chosen again.
TEST_F(PrepareExam, TakesTheLeastAskedShareThenRandomWords) {
    for (const int leftPom : {0, -1}) {
        SCOPED_TRACE(leftPom);
        table(u"dictonary"_s).emptyTable();
        random.sizes.clear();
        random.reseeds = 0;
        addTwentyWords();
        store::Cursor& dictionary = table(u"dictonary"_s);
        for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
            dictionary.edit();
            dictionary.field(u"Pom"_s).setAsInteger(leftPom);
            dictionary.post();
        }
        parameters.wordCountPosition = 10;
        parameters.sharePosition = 5; // 30 %: 3 least asked
        ASSERT_TRUE(prepare());
        EXPECT_EQ(questions(),
                  asked({"c00", "c01", "c02", "c03", "c04", "c05", "c06", "c17", "c18", "c19"}));
        // Each pick is uniform over the words not yet chosen.
        EXPECT_EQ(random.sizes, (std::vector<int>{17, 16, 15, 14, 13, 12, 11}));
        EXPECT_EQ(random.reseeds, 1);
        EXPECT_EQ(historyField(u"Pocet"_s).last(), u"10"_s);
        EXPECT_EQ(progress, std::make_pair(20, 20));
    }
}

TEST_F(PrepareExam, AShareBelowOneHalfWordTakesNoLeastAsked) {
    addTwentyWords();
    parameters.wordCountPosition = 10;
    parameters.sharePosition = 0; // 5 % of 10 is 0.5, rounded to 0
    random.picks = {19, 0};
    ASSERT_TRUE(prepare());
    EXPECT_EQ(questions(),
              asked({"c00", "c01", "c02", "c03", "c04", "c05", "c06", "c07", "c08", "c19"}));
    EXPECT_EQ(random.sizes, (std::vector<int>{20, 19, 18, 17, 16, 15, 14, 13, 12, 11}));
}

TEST_F(PrepareExam, FewerWordsThanWantedAreAllAskedWithoutRandomPicks) {
    addWords({{u"a"_s, u"x"_s, 1, 2, 1}, {u"b"_s, u"y"_s, 1, 4, 1}, {u"c"_s, u"z"_s, 2, 1, 1}});
    parameters.wordCountPosition = 10;
    parameters.timesPosition = 1;
    const auto handover = prepare();
    ASSERT_TRUE(handover);
    EXPECT_EQ(questions(), asked({"a", "b"}, 2));
    EXPECT_TRUE(random.sizes.empty());
    // Pom ends as the wrong-to-right ratio of lessons 0 up to the "do" lesson only.
    EXPECT_EQ(rows(u"dictonary"_s, {u"Pom"_s}), (QStringList{u"50"_s, u"25"_s, u"0"_s}));
    EXPECT_EQ(std::tuple(handover->questionCount, handover->askCount, handover->countCaption,
                         handover->answerLanguage),
              std::tuple(2, 4, u"2  -  počet dotazů(odpovědí) minimálně   4"_s,
                         QuestionLanguage::Foreign));
}

TEST_F(PrepareExam, WorstWordsGoFromTheHighestRatioAndNeverAnsweredRightLast) {
    addWords({{u"a"_s, u"x"_s, 0, 0, 10},
              {u"b"_s, u"y"_s, 1, 10, 5},
              {u"c"_s, u"z"_s, 2, 8, 1},
              {u"d"_s, u"w"_s, 3, 8, 3},
              {u"e"_s, u"v"_s, 3, 1, 1},
              {u"f"_s, u"u"_s, 6, 1, 9}});
    parameters.fromLesson = 5; // no word in the range: the worst words still come from 0 … 5
    parameters.toLesson = 5;
    parameters.worstCountPosition = 4;
    parameters.worstTimesPosition = 2;
    ASSERT_TRUE(prepare());
    EXPECT_EQ(questions(), asked({"b", "c", "d", "e"}, 3));
    // 12.5 and 37.5 round to even
    EXPECT_EQ(rows(u"dictonary"_s, {u"Pom"_s}).sliced(0, 4),
              (QStringList{u"0"_s, u"50"_s, u"12"_s, u"38"_s}));
    EXPECT_EQ(rows(u"exam"_s, {u"Pocet"_s, u"PoceSpatneZ"_s}), QStringList{u"0|4"_s});
}

TEST_F(PrepareExam, AWorstWordAlreadyAskedGrowsOnlyWithReAdd) {
    addWords({{u"w1"_s, u"x"_s, 1, 1, 2}, {u"w2"_s, u"y"_s, 0, 1, 1}, {u"w3"_s, u"z"_s, 0, 2, 1}});
    parameters.worstCountPosition = 1;
    parameters.worstTimesPosition = 1;
    for (const bool reAdd : {false, true}) {
        parameters.reAddWorst = reAdd;
        ASSERT_TRUE(prepare());
        EXPECT_EQ(questions(),
                  (reAdd ? QStringList{u"w1|3"_s} : QStringList{u"w1|1"_s, u"w2|2"_s}));
        EXPECT_EQ(historyField(u"PoceSpatneZ"_s).last(), u"1"_s);
    }
}

// The working tables are emptied first.
TEST_F(PrepareExam, AQuestionAcceptsTheAnswersOfEveryEntryWithItsTestWord) {
    addWords({{u"pes"_s, u"dog"_s, 1},
              {u"pes (zvíře)"_s, u"hound"_s, 7, 0, 0, u"pes"_s},
              {u"kočka"_s, u"cat"_s, 1}});
    table(u"runzn"_s).appendRecord({u"old"_s, 1, 5});
    table(u"runtime"_s).appendRecord({u"old"_s, u"old"_s, 3});
    table(u"deprun"_s).appendRecord({u"old"_s, u"old"_s, {}, {}, 1});
    ASSERT_TRUE(prepare());
    EXPECT_EQ(questions(), asked({"kočka", "pes"}));
    EXPECT_EQ(rows(u"deprun"_s, {u"Otazka"_s, u"Odpoved"_s, u"Auto"_s}),
              (QStringList{u"kočka|cat|1"_s, u"pes|dog|1"_s, u"pes|hound|5"_s}));
    EXPECT_TRUE(rows(u"runzn"_s, {u"Otazka"_s}).isEmpty());
}

TEST_F(PrepareExam, AskingInTheForeignLanguageSwapsTheSides) {
    addWords({{u"pes"_s, u"dog"_s, 1}, {u"čokl"_s, u"Dog!"_s, 9, 0, 0, {}, u"dog"_s}});
    parameters.questionLanguage = QuestionLanguage::Foreign;
    const auto handover = prepare();
    ASSERT_TRUE(handover);
    EXPECT_EQ(questions(), asked({"dog"}));
    EXPECT_EQ(rows(u"deprun"_s, {u"Otazka"_s, u"Odpoved"_s, u"Auto"_s}),
              (QStringList{u"dog|čokl|5"_s, u"dog|pes|1"_s}));
    EXPECT_EQ(historyField(u"TazaciJazyk"_s), QStringList{u"Anglicky"_s});
    EXPECT_EQ(handover->answerLanguage, QuestionLanguage::Czech);
}

TEST_F(PrepareExam, OnlyWordsWithSoundTakesThoseWithAWaveOrMp3) {
    addWords({{u"pes"_s, u"dog"_s, 1}, {u"kočka"_s, u"cat"_s, 1}, {u"myš"_s, u"mouse"_s, 1}});
    parameters.onlyWithSound = true;
    soundFolder = folder.path() + u'/';
    EXPECT_FALSE(prepare());
    EXPECT_EQ(messages.shown, QStringList{u"information: "_s + exam::kNothingToExamMessage});
    EXPECT_EQ(historyField(u"Pocet"_s), QStringList{u"0"_s});
    folder.write(u"dog.wav"_s, {});
    folder.write(u"mouse.mp3"_s, {});
    ASSERT_TRUE(prepare());
    EXPECT_EQ(questions(), asked({"myš", "pes"}));
}

TEST_F(PrepareExam, TrainingRecordsItsHistoryToo) {
    addWords({{u"pes"_s, u"dog"_s, 1}});
    parameters.type = exam::ExamType::Training;
    parameters.limitPosition = 0;
    ASSERT_TRUE(prepare());
    EXPECT_EQ(rows(u"exam"_s, {u"Datum"_s, u"Time"_s, u"TypZkouseni"_s, u"Limit"_s,
                               u"TazaciJazyk"_s, u"Dotazovano"_s, u"DotazovanoSpatneZ"_s}),
              QStringList{u"11.6.2024|9:05:07|100|134217727|Česky|1|2"_s});
}

TEST_F(PrepareExam, TablesThatCannotBeOpenedStopIt) {
    table(u"dictonary"_s).close();
    table(u"dictonary"_s).setTableName(u"missing.db"_s);
    EXPECT_FALSE(prepare());
    EXPECT_EQ(messages.shown, QStringList{u"error: "_s + exam::kCannotOpenExamTablesMessage});
    EXPECT_TRUE(historyField(u"Auto"_s).isEmpty());
}

TEST_F(PrepareExam, AnyOtherFailureIsReportedWithItsTextAndClosesTheTables) {
    addWords({{u"pes"_s, u"dog"_s, 1}});
    parameters.worstCountPosition = 500; // exam.ini may leave a list without a selection
    EXPECT_FALSE(prepare());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(u"error: "_s + exam::kExamFailureMessage));
    EXPECT_GT(messages.shown[0].size(), 7 + QStringView(exam::kExamFailureMessage).size());
    EXPECT_FALSE(table(u"runtime"_s).active() || table(u"dictonary"_s).active());
}

} // namespace
