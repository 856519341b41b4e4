#include "exambench.h"

#include "rawsqlite.h"
#include "stopwatch.h"

#include "core/clock.h"
#include "core/messages.h"
#include "core/randomsource.h"
#include "core/rounding.h"
#include "exam/prepareexam.h"
#include "store/cursor.h"
#include "store/database.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <stdexcept>

namespace bench {
namespace {

constexpr int kWords = 200;
constexpr int kSharePosition = 5; // 30 %
constexpr int kLeastAsked = kWords * 30 / 100;
constexpr int kWorstWords = 10;
constexpr int kWorstTimes = 2;
constexpr int kLastLesson = 99;
constexpr std::uint64_t kRandomSeed = 4242;

// Messages nobody reads: a preparation that shows one has failed, and that is thrown.
class FailingMessages : public core::Messages {
public:
    void error(const QString& text) override { fail(text); }
    void warning(const QString& text) override { fail(text); }
    void information(const QString& text) override { fail(text); }
    bool confirm(const QString& text) override { fail(text); }
    bool ask(const QString& text) override { fail(text); }

private:
    [[noreturn]] static void fail(const QString& text) {
        throw std::runtime_error(text.toStdString());
    }
};

QString workingFolder(const QString& parent, const QString& name) {
    QDir(parent).mkpath(name);
    const QString folder = QDir(parent).filePath(name);
    for (const char* kind : {"exam", "runtime", "deprun", "runzn"}) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kind) + u".db");
        if (!QFileInfo::exists(path))
            store::createTableFile(path, QString::fromLatin1(kind));
    }
    return folder;
}

void bind(store::Cursor& cursor, const QString& path) {
    cursor.setDatabaseName(QFileInfo(path).absolutePath());
    cursor.setTableName(QFileInfo(path).fileName());
}

std::string utf8(std::string_view text) {
    return std::string(text);
}

} // namespace

ExamBench::ExamBench(const QString& folder)
    : m_storeFolder(workingFolder(folder, QStringLiteral("exam-store")))
    , m_rawFolder(workingFolder(folder, QStringLiteral("exam-raw"))) {}

double ExamBench::prepareStore(const QString& dictionaryPath, int run) {
    store::Cursor dictionary, history, runtime, deprun, runzn;
    bind(dictionary, dictionaryPath);
    for (auto [cursor, name] : {std::pair{&history, "exam.db"},
                                {&runtime, "runtime.db"},
                                {&deprun, "deprun.db"},
                                {&runzn, "runzn.db"}})
        bind(*cursor, QDir(m_storeFolder).filePath(QString::fromLatin1(name)));
    exam::ExamParameters parameters;
    parameters.checkAllLessons(true);
    parameters.wordCountPosition = kWords;
    parameters.sharePosition = kSharePosition;
    parameters.worstCountPosition = kWorstWords;
    parameters.worstTimesPosition = kWorstTimes - 1;
    FailingMessages messages;
    core::SystemClock clock;
    core::SeededRandomSource random(kRandomSeed + static_cast<quint64>(run));
    const exam::ExamTables tables{dictionary, history, runtime, deprun, runzn};

    const Stopwatch stopwatch;
    const auto handover = exam::prepareExam(
        tables, parameters, {QStringLiteral("Anglicky"), QString(), messages, clock, random, {}});
    const double elapsed = stopwatch.elapsedMicroseconds();
    m_storeQuestions = handover ? handover->questionCount : 0;
    exam::closeExamTables(tables);
    return elapsed;
}

double ExamBench::prepareRaw(const QString& dictionaryPath, int run) {
    const auto path = [&](const char* name) {
        return QDir(m_rawFolder).filePath(QString::fromLatin1(name));
    };
    core::SeededRandomSource random(kRandomSeed + static_cast<quint64>(run));
    const Stopwatch stopwatch;

    RawConnection words(dictionaryPath);
    RawConnection history(path("exam.db"));
    RawConnection questions(path("runtime.db"));
    RawConnection answers(path("deprun.db"));
    RawConnection grades(path("runzn.db"));
    // The cache the store gives the dictionary's write batch.
    words.execute(store::batchCacheSetting(dictionaryPath).constData());
    for (RawConnection* connection : {&words, &history, &questions, &answers, &grades})
        connection->execute("BEGIN IMMEDIATE");
    answers.execute("DELETE FROM records");
    grades.execute("DELETE FROM records");
    questions.execute("DELETE FROM records");
    history.execute("INSERT INTO records (Datum, Time, TypZkouseni, TazaciJazyk, Lekceod, Lekcedo, "
                    "Dotazovano, DotazovanoSpatneZ, \"Limit\") "
                    "VALUES (date('now'), time('now'), 2, 'Česky', 0, 99, 1, 2, 16)");
    const long long record = sqlite3_last_insert_rowid(history.handle());

    RawStatement row(words,
                     "SELECT Czech, Other, Czechzk, Otherzk, Popis FROM records WHERE _id = ?");
    RawStatement findQuestion(questions, "SELECT Celkem FROM records WHERE Otazka = ?");
    RawStatement addQuestion(questions, "INSERT INTO records (Otazka, FilterOtazka, Celkem, Dobre, "
                                        "Spatne) VALUES (?, ?, ?, 0, 0)");
    RawStatement addAnswer(answers,
                           "INSERT OR IGNORE INTO records (Otazka, Odpoved, Filterodpoved, "
                           "Popis, Auto) VALUES (?, ?, ?, ?, ?)");
    // AddExamQuestion without re-adding: true when the question is new.
    const auto offer = [&](long long id, int times) {
        row.bind(1, id);
        row.step();
        const std::string czech = utf8(row.text(0));
        findQuestion.bind(1, czech);
        const bool known = findQuestion.step();
        findQuestion.reset();
        if (!known) {
            addQuestion.bind(1, czech);
            addQuestion.bind(2, row.text(2));
            addQuestion.bind(3, times);
            addQuestion.step();
            addQuestion.reset();
            addAnswer.bind(1, czech);
            addAnswer.bind(2, row.text(1));
            addAnswer.bind(3, row.text(3));
            addAnswer.bind(4, row.text(4));
            addAnswer.bind(5, 1);
            addAnswer.step();
            addAnswer.reset();
        }
        row.reset();
        return !known;
    };

    // One reading of lessons 0-99 in record order gives every word's ratio (written to Pom
    // only where it changes, the index of Pom built anew when most change) and the least
    // asked. Pom is the ratio the worst words are chosen by: the values the selection passes
    // through are never read, so neither side writes them.
    struct Rated {
        long long id;
        long long asked;
    };
    std::vector<Rated> range;
    std::vector<std::pair<long long, long long>> changes; // id, ratio
    {
        RawStatement read(words, "SELECT _id, Dobre, Spatne, Pom, Pom IS NULL FROM records "
                                 "WHERE Lekce <= 99 ORDER BY _id");
        while (read.step()) {
            const long long right = read.integer(1);
            const long long wrong = read.integer(2);
            const long long ratio =
                right == 0 ? 0 : core::divideRoundingHalfToEven(100 * wrong, right);
            range.push_back({read.integer(0), right + wrong});
            if (read.integer(4) != 0 || read.integer(3) != ratio)
                changes.emplace_back(read.integer(0), ratio);
        }
    }
    const bool rebuild = changes.size() * 8 > range.size();
    if (rebuild)
        words.execute("DROP INDEX by_pom");
    {
        RawStatement write(words, "UPDATE records SET Pom = ? WHERE _id = ?");
        for (const auto& [id, ratio] : changes) {
            write.bind(1, ratio);
            write.bind(2, id);
            write.step();
            write.reset();
        }
    }
    if (rebuild) {
        words.execute(store::indexBuildSettings().constData());
        words.execute("CREATE INDEX by_pom ON records (Pom)");
    }

    int counted = 0;
    std::vector<long long> taken;
    {
        const auto moreAsked = [](const Rated& a, const Rated& b) {
            return a.asked != b.asked ? a.asked > b.asked : a.id > b.id;
        };
        std::vector<Rated> heap = range;
        std::ranges::make_heap(heap, moreAsked);
        while (counted < kLeastAsked && !heap.empty()) {
            std::ranges::pop_heap(heap, moreAsked);
            counted += offer(heap.back().id, 1) ? 1 : 0;
            taken.push_back(heap.back().id);
            heap.pop_back();
        }
    }
    std::ranges::sort(taken);
    std::vector<long long> rest;
    {
        RawStatement ordered(words, "SELECT _id FROM records ORDER BY Czech, Other");
        while (ordered.step()) {
            const long long id = ordered.integer(0);
            if (!std::ranges::binary_search(taken, id))
                rest.push_back(id); // every lesson is in the range
        }
    }
    while (counted < kWords && !rest.empty()) {
        const auto picked = rest.begin() + random.below(static_cast<int>(rest.size()));
        counted += offer(*picked, 1) ? 1 : 0;
        rest.erase(picked);
    }

    // The worst remembered, from the highest ratio down, read only as far as needed.
    int worst = 0;
    {
        RawStatement worstFirst(words, "SELECT _id FROM records WHERE Lekce <= 99 "
                                       "ORDER BY Pom DESC, _id DESC");
        while (worst < kWorstWords && worstFirst.step())
            worst += offer(worstFirst.integer(0), kWorstTimes) ? 1 : 0;
    }

    // Every entry sharing a question's test word answers it.
    std::vector<std::pair<std::string, std::string>> asked;
    {
        RawStatement all(questions, "SELECT Otazka, FilterOtazka FROM records");
        while (all.step())
            asked.emplace_back(all.text(0), all.text(1));
    }
    RawStatement sharing(words, "SELECT Other, Otherzk, Popis FROM records WHERE Czechzk = ?");
    for (const auto& [question, testWord] : asked) {
        sharing.bind(1, testWord);
        while (sharing.step()) {
            addAnswer.bind(1, question);
            addAnswer.bind(2, sharing.text(0));
            addAnswer.bind(3, sharing.text(1));
            addAnswer.bind(4, sharing.text(2));
            addAnswer.bind(5, 5);
            addAnswer.step();
            addAnswer.reset();
        }
        sharing.reset();
    }
    RawStatement counts(history, "UPDATE records SET Pocet = ?, PoceSpatneZ = ? WHERE Auto = ?");
    counts.bind(1, counted);
    counts.bind(2, worst);
    counts.bind(3, record);
    counts.step();
    for (RawConnection* connection : {&words, &history, &questions, &answers, &grades})
        connection->execute("COMMIT");
    m_rawQuestions = static_cast<int>(asked.size());
    return stopwatch.elapsedMicroseconds();
}

} // namespace bench
