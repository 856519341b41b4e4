#include "exam/trainingsession.h"

#include "examtablesfixture.h"
#include "scriptedrandom.h"

#include <QFileInfo>

namespace {

using exam::TrainingMode;

// The steps of a training as one line each: the sounds, the pauses and the progress.
class LoggedActions : public exam::TrainingActions {
public:
    std::optional<qint64> openModel(const QString& word) override {
        if (word.startsWith(u"gone"_s))
            return std::nullopt;
        return modelMs;
    }
    void showWord(const QString& word, const QString& czech) override {
        log << word + u" = "_s + czech;
    }
    void playModel() override { log << u"play"_s; }
    void startRecording(const QString& modelPath) override {
        log << u"record, model "_s + QFileInfo(modelPath).fileName();
    }
    void saveRecording(const QString& path) override {
        log << u"recording "_s + QFileInfo(path).fileName();
    }
    void showProgress(int wordsDone) override { log << u"done "_s + QString::number(wordsDone); }

    qint64 modelMs = 1200;
    QStringList log;
};

struct Word {
    const char* foreign;
    int repetitions;
};

struct TrainingCase {
    const char* name;
    TrainingMode mode;
    int addedMs;
    std::vector<Word> words;
    std::vector<int> picks;
    int stopInPause; // 0: never; n: "Přeruš" during the n-th pause
    QStringList log;
    QStringList repetitionsLeft;
    int recordings;
};

class TrainingSessionTest : public ExamTablesFixture,
                            public ::testing::WithParamInterface<TrainingCase> {};

TEST_P(TrainingSessionTest, PlaysRecordsAndCountsDown) {
    const TrainingCase& c = GetParam();
    for (const Word& word : c.words) {
        const QString foreign = QString::fromUtf8(word.foreign);
        table(u"runtime"_s).appendRecord({foreign, foreign, word.repetitions, 0, 0, 0});
        table(u"deprun"_s)
            .appendRecord({foreign, u"cz"_s, QString(u"cz "_s + foreign), QString(), 1});
    }
    ScriptedRandom random;
    random.picks.assign(c.picks.begin(), c.picks.end());
    LoggedActions actions;
    {
        exam::TrainingSession session(tables(), c.mode, c.addedMs, u"/app/Temp"_s, random, actions);
        int pauses = 0;
        while (const std::optional<int> pause = session.resume()) {
            actions.log << u"pause "_s + QString::number(*pause);
            if (++pauses == c.stopInPause)
                session.requestStop();
        }
        EXPECT_EQ(session.recordings(), c.recordings);
        EXPECT_EQ(exam::TrainingSession::recordingPath(u"/app/Temp"_s, 12), u"/app/Temp/12.wav"_s);
    }
    EXPECT_EQ(actions.log, c.log);
    EXPECT_EQ(rows(u"runtime"_s, {u"FilterOtazka"_s, u"Celkem"_s}), c.repetitionsLeft);
    EXPECT_EQ(table(u"runtime"_s).filter(), QString()) << "the tables are left unfiltered";
}

const QStringList kThreeRecordedWords{
    u"ant = cz ant"_s,        u"play"_s,       u"record, model 1.wav"_s, u"pause 1950"_s,
    u"recording 2.wav"_s,     u"done 1"_s,     u"bee = cz bee"_s,        u"play"_s,
    u"record, model 3.wav"_s, u"pause 1950"_s, u"recording 4.wav"_s,     u"done 2"_s,
    u"cat = cz cat"_s,        u"play"_s,       u"record, model 5.wav"_s, u"pause 1950"_s,
    u"recording 6.wav"_s,     u"done 3"_s};

INSTANTIATE_TEST_SUITE_P(
    Cases, TrainingSessionTest,
    ::testing::Values(TrainingCase{"RecordingLastsTheModelAndTheAddedTime",
                                   TrainingMode::PlayAndRecord,
                                   750,
                                   {{"ant", 1}, {"bee", 1}, {"cat", 1}},
                                   {},
                                   0,
                                   kThreeRecordedWords,
                                   {u"ant|0"_s, u"bee|0"_s, u"cat|0"_s},
                                   6},
                      TrainingCase{"TwiceWithHalfThePauseBetween",
                                   TrainingMode::PlayTwice,
                                   1000,
                                   {{"ant", 1}},
                                   {},
                                   0,
                                   {u"ant = cz ant"_s, u"play"_s, u"pause 500"_s, u"play"_s,
                                    u"pause 1000"_s, u"done 1"_s},
                                   {u"ant|0"_s},
                                   0},
                      TrainingCase{"ThreeTimesAndOnce",
                                   TrainingMode::PlayThrice,
                                   751,
                                   {{"ant", 1}},
                                   {},
                                   0,
                                   {u"ant = cz ant"_s, u"play"_s, u"pause 375"_s, u"play"_s,
                                    u"pause 375"_s, u"play"_s, u"pause 751"_s, u"done 1"_s},
                                   {u"ant|0"_s},
                                   0},
                      TrainingCase{"AWordDueTwiceComesTwiceAmongTheOthers",
                                   TrainingMode::PlayOnce,
                                   0,
                                   {{"ant", 1}, {"bee", 2}},
                                   {1, 0, 0},
                                   0,
                                   {u"bee = cz bee"_s, u"play"_s, u"pause 0"_s, u"done 1"_s,
                                    u"ant = cz ant"_s, u"play"_s, u"pause 0"_s, u"done 2"_s,
                                    u"bee = cz bee"_s, u"play"_s, u"pause 0"_s, u"done 3"_s},
                                   {u"ant|0"_s, u"bee|0"_s},
                                   0},
                      TrainingCase{"InterruptedWhileRecordingKeepsTheRecordingButNotTheCount",
                                   TrainingMode::PlayAndRecord,
                                   750,
                                   {{"ant", 1}, {"bee", 1}},
                                   {},
                                   1,
                                   {u"ant = cz ant"_s, u"play"_s, u"record, model 1.wav"_s,
                                    u"pause 1950"_s, u"recording 2.wav"_s},
                                   {u"ant|1"_s, u"bee|1"_s},
                                   2},
                      TrainingCase{"AVanishedSoundLeavesTheTraining",
                                   TrainingMode::PlayOnce,
                                   100,
                                   {{"ant", 1}, {"gone", 3}},
                                   {1, 0},
                                   0,
                                   {u"ant = cz ant"_s, u"play"_s, u"pause 100"_s, u"done 1"_s},
                                   {u"ant|0"_s, u"gone|0"_s},
                                   0},
                      TrainingCase{"OnlyVanishedSoundsEndAtOnce",
                                   TrainingMode::PlayAndRecord,
                                   100,
                                   {{"gone", 2}, {"gone too", 1}},
                                   {},
                                   0,
                                   {},
                                   {u"gone|0"_s, u"gone too|0"_s},
                                   0}),
    [](const ::testing::TestParamInfo<TrainingCase>& param) {
        return std::string(param.param.name);
    });

TEST(AddedTimeTest, TheChosenSecondsInMilliseconds) {
    const std::pair<QString, int> cases[] = {{u"0.75"_s, 750},  {u"0.00"_s, 0},   {u"2.50"_s, 2500},
                                             {u"0.1"_s, 100},   {u"abc"_s, 1000}, {u""_s, 1000},
                                             {u"0,75"_s, 1000}, {u"-1"_s, 1000}};
    for (const auto& [item, ms] : cases)
        EXPECT_EQ(exam::addedTimeMs(item), ms) << item.toStdString();
    EXPECT_EQ(exam::addedTimeItems().indexOf(QString::fromUtf16(exam::kAddedTimePreset)), 5);
}

} // namespace
