#include "scenario.h"

#include "exambench.h"
#include "exchangebench.h"
#include "gridbench.h"
#include "peersbench.h"
#include "rawbench.h"
#include "residentmemory.h"
#include "safetycopybench.h"
#include "soundbench.h"
#include "soundwindowbench.h"
#include "stopwatch.h"
#include "storebench.h"
#include "testwordbench.h"

#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <map>

namespace bench {
namespace {

constexpr std::uint64_t kDictionarySeed = 20240611;
constexpr std::uint64_t kSearchSeed = 1250;
constexpr int kQuickFactor = 5;
constexpr int kPageRows = 50;
constexpr int kPageSamples = 200;
constexpr int kSearches = 1000;
constexpr int kPosts = 200;
constexpr int kFilterLesson = 7;
constexpr double kBytesPerMegabyte = 1e6;

double toMilliseconds(double microseconds) {
    return microseconds / 1000;
}

void progress(const QString& text) {
    QTextStream(stderr) << text << Qt::endl;
}

struct Samples {
    std::vector<double> store;
    std::vector<double> raw;
};

class Benchmark {
public:
    Benchmark(const BenchOptions& options, const QString& folder)
        : m_options(options)
        , m_folder(folder) {}

    Report run();

private:
    // Runs the measurement on both sides, taking turns at going first.
    template <typename Measurement>
    void measureBoth(Samples& samples, int times, Measurement&& measure) {
        for (int i = 0; i < times; ++i) {
            const bool storeFirst = samples.store.size() % 2 == 0;
            DictionaryBench& first = storeFirst ? static_cast<DictionaryBench&>(m_store) : m_raw;
            DictionaryBench& second = storeFirst ? static_cast<DictionaryBench&>(m_raw) : m_store;
            const double firstTime = measure(first, i);
            const double secondTime = measure(second, i);
            samples.store.push_back(storeFirst ? firstTime : secondTime);
            samples.raw.push_back(storeFirst ? secondTime : firstTime);
        }
    }
    void addMedian(const QString& name, const Samples& samples, bool milliseconds);
    bool isStore(const DictionaryBench& side) const { return &side == &m_store; }
    QString pathIn(const QString& subfolder) const;
    void warnIfDifferent(const QString& what, const std::vector<int>& store,
                         const std::vector<int>& raw) const;

    void appendEntries();
    void openFirstPage();
    void openViews();
    void selectOrders();
    void readPages();
    void findNearest();
    void filterLesson();
    void postSingly();
    void postWalking();
    void regenerateTestWords();
    void prepareExams();
    void gridSwitches();
    void openSoundWindows();

    BenchOptions m_options;
    QString m_folder;
    std::vector<Entry> m_entries;
    StoreBench m_store;
    RawBench m_raw;
    QString m_storeFile;
    QString m_rawFile;
    Report m_report;
};

void Benchmark::addMedian(const QString& name, const Samples& samples, bool milliseconds) {
    const double scale = milliseconds ? toMilliseconds(1) : 1;
    m_report.add(name, median(samples.store) * scale,
                 milliseconds ? QStringLiteral("ms") : QStringLiteral("us"),
                 median(samples.raw) * scale);
}

QString Benchmark::pathIn(const QString& subfolder) const {
    return QDir(m_folder).filePath(subfolder + QStringLiteral("/dictonary.db"));
}

void Benchmark::warnIfDifferent(const QString& what, const std::vector<int>& store,
                                const std::vector<int>& raw) const {
    if (store != raw)
        progress(QStringLiteral("warning: the store and SQLite disagree on %1").arg(what));
}

Report Benchmark::run() {
    progress(QStringLiteral("generating %1 entries").arg(m_options.entries));
    m_entries = generateDictionary(m_options.entries, kDictionarySeed);
    m_report.add(QStringLiteral("entries"), m_options.entries, QStringLiteral("count"));
    appendEntries();
    const std::pair<const char16_t*, void (Benchmark::*)()> steps[] = {
        {u"open_first_page", &Benchmark::openFirstPage},
        {u"", &Benchmark::openViews}, // the views that the steps after it work on
        {u"select_", &Benchmark::selectOrders},
        {u"page_middle", &Benchmark::readPages},
        {u"nearest_with_recno", &Benchmark::findNearest},
        {u"filter_lekce_7", &Benchmark::filterLesson},
        {u"single_post", &Benchmark::postSingly},
        {u"posting_walk", &Benchmark::postWalking},
        {u"exam_preparation", &Benchmark::prepareExams},
        {u"regenerate", &Benchmark::regenerateTestWords},
        {u"grid_", &Benchmark::gridSwitches},
        {u"sound_window_open", &Benchmark::openSoundWindows}};
    for (const auto& [figure, step] : steps) {
        const QString name = QString::fromUtf16(figure);
        if (name.isEmpty() || m_options.wants(name))
            (this->*step)();
    }
    progress(QStringLiteral("taking safety copies"));
    runSafetyCopyBench(m_storeFile, m_options, m_report);
    progress(QStringLiteral("importing and exporting"));
    runExchangeBench(m_entries, m_folder, m_options, m_report);
    progress(QStringLiteral("exchanging with other trainers, drawing progress"));
    runPeersBench(m_entries, m_folder, m_options, m_report);
    progress(QStringLiteral("cutting and drawing a take"));
    runSoundBench(m_folder, m_options, m_report);
    m_store.closeView();
    m_raw.closeView();
    return m_report;
}

void Benchmark::appendEntries() {
    progress(QStringLiteral("appending"));
    const QString kept = QStringLiteral("append-store-0");
    Samples samples;
    measureBoth(samples, m_options.repeat, [&](DictionaryBench& side, int run) {
        const QString subfolder = QStringLiteral("append-%1-%2").arg(side.label()).arg(run);
        QDir(m_folder).mkpath(subfolder);
        store::createTableFile(pathIn(subfolder), QStringLiteral("dictonary"));
        const double elapsed = side.append(pathIn(subfolder), m_entries);
        if (subfolder != kept)
            QDir(QDir(m_folder).filePath(subfolder)).removeRecursively();
        return elapsed;
    });
    addMedian(QStringLiteral("append"), samples, true);

    // Both sides read and write the same file from here on, each its own copy.
    m_storeFile = pathIn(kept);
    m_rawFile = pathIn(QStringLiteral("raw"));
    QDir(m_folder).mkpath(QStringLiteral("raw"));
    if (!QFile::copy(m_storeFile, m_rawFile))
        throw std::runtime_error("the dictionary file could not be copied");
}

void Benchmark::openFirstPage() {
    progress(QStringLiteral("opening"));
    Samples samples;
    measureBoth(samples, kQuickFactor * m_options.repeat, [&](DictionaryBench& side, int) {
        return side.openFirstPage(isStore(side) ? m_storeFile : m_rawFile, kPageRows);
    });
    addMedian(QStringLiteral("open_first_page"), samples, true);
}

void Benchmark::openViews() {
    std::map<bool, double> growth;
    for (DictionaryBench* side :
         {static_cast<DictionaryBench*>(&m_store), static_cast<DictionaryBench*>(&m_raw)}) {
        const double before = residentBytes();
        side->openView(isStore(*side) ? m_storeFile : m_rawFile);
        growth[isStore(*side)] = (residentBytes() - before) / kBytesPerMegabyte;
    }
    warnIfDifferent(QStringLiteral("the number of entries"), {m_store.viewSize()},
                    {m_raw.viewSize()});
    m_report.add(QStringLiteral("cursor_memory"), growth[true], QStringLiteral("MB"),
                 growth[false]);
    const double vectorBytes = static_cast<double>(m_store.viewSize()) * sizeof(qint64);
    m_report.add(QStringLiteral("rowid_vector"), vectorBytes / kBytesPerMegabyte,
                 QStringLiteral("MB"));
}

void Benchmark::selectOrders() {
    progress(QStringLiteral("selecting orders"));
    const QStringList orders = {
        QStringLiteral("czechtoothernew"), QStringLiteral("othertoczechnew"),
        QStringLiteral("lessonczechother"), QStringLiteral("lessonotherczech")};
    std::map<QString, Samples> samples;
    for (int run = 0; run < kQuickFactor * m_options.repeat; ++run) {
        for (const QString& order : orders) {
            measureBoth(samples[order], 1,
                        [&](DictionaryBench& side, int) { return side.selectOrder(order); });
        }
    }
    for (const QString& order : orders)
        addMedian(QStringLiteral("select_") + order, samples[order], true);
    m_store.selectOrder(orders.first());
    m_raw.selectOrder(orders.first());
}

void Benchmark::readPages() {
    progress(QStringLiteral("reading pages"));
    const int size = m_store.viewSize();
    const int span = std::max(1, size - kPageRows);
    Samples samples;
    measureBoth(samples, kPageSamples, [&](DictionaryBench& side, int i) {
        return side.readPage(1 + (size / 2 + i * kPageRows) % span, kPageRows);
    });
    addMedian(QStringLiteral("page_middle"), samples, false);
}

void Benchmark::findNearest() {
    progress(QStringLiteral("searching"));
    const std::vector<QString> prefixes = searchPrefixes(m_entries, kSearches, kSearchSeed);
    std::vector<int> storeRecNos(prefixes.size());
    std::vector<int> rawRecNos(prefixes.size());
    Samples samples;
    measureBoth(samples, kSearches, [&](DictionaryBench& side, int i) {
        std::vector<int>& recNos = isStore(side) ? storeRecNos : rawRecNos;
        return side.findNearest(prefixes[static_cast<size_t>(i)], recNos[static_cast<size_t>(i)]);
    });
    warnIfDifferent(QStringLiteral("the record numbers found"), storeRecNos, rawRecNos);
    m_report.add(QStringLiteral("nearest_with_recno"), mean(samples.store), QStringLiteral("us"),
                 mean(samples.raw));
}

void Benchmark::filterLesson() {
    progress(QStringLiteral("filtering"));
    std::vector<int> storeCounts;
    std::vector<int> rawCounts;
    Samples samples;
    measureBoth(samples, kQuickFactor * m_options.repeat, [&](DictionaryBench& side, int) {
        int count = 0;
        const double elapsed = side.filterLesson(kFilterLesson, count);
        (isStore(side) ? storeCounts : rawCounts).push_back(count);
        return elapsed;
    });
    warnIfDifferent(QStringLiteral("the filtered count"), storeCounts, rawCounts);
    addMedian(QStringLiteral("filter_lekce_7"), samples, true);
}

void Benchmark::postSingly() {
    progress(QStringLiteral("posting single records"));
    const int size = m_store.viewSize();
    Samples samples;
    measureBoth(samples, kPosts, [&](DictionaryBench& side, int i) {
        return side.postOne(1 + (i * 7919) % size, 1000000 + i);
    });
    addMedian(QStringLiteral("single_post"), samples, true);
}

void Benchmark::postWalking() {
    progress(QStringLiteral("walking"));
    Samples samples;
    measureBoth(samples, m_options.repeat,
                [&](DictionaryBench& side, int run) { return side.postingWalk(run + 1); });
    addMedian(QStringLiteral("posting_walk"), samples, true);
}

void Benchmark::regenerateTestWords() {
    progress(QStringLiteral("regenerating test words"));
    TestWordBench bench(m_entries);
    Samples samples;
    double longestSilence = 0;
    measureBoth(samples, m_options.repeat, [&](DictionaryBench& side, int run) {
        if (!isStore(side))
            return bench.regenerateRaw(m_rawFile, bench.rules(run));
        const double elapsed = bench.regenerateStore(m_storeFile, bench.rules(run));
        longestSilence = std::max(longestSilence, bench.longestSilenceMilliseconds());
        return elapsed;
    });
    addMedian(QStringLiteral("regenerate"), samples, true);
    m_report.add(QStringLiteral("regenerate_longest_silence"), longestSilence,
                 QStringLiteral("ms"));
    // The work after this one needs the test words of the usual rules again.
    bench.regenerateStore(m_storeFile, bench.usualRules());
    bench.regenerateRaw(m_rawFile, bench.usualRules());
}

void Benchmark::prepareExams() {
    progress(QStringLiteral("preparing exams"));
    ExamBench exams(m_folder);
    Samples samples;
    measureBoth(samples, m_options.repeat, [&](DictionaryBench& side, int run) {
        return isStore(side) ? exams.prepareStore(m_storeFile, run)
                             : exams.prepareRaw(m_rawFile, run);
    });
    warnIfDifferent(QStringLiteral("the number of exam questions"), {exams.storeQuestions()},
                    {exams.rawQuestions()});
    addMedian(QStringLiteral("exam_preparation"), samples, true);
}

// The grid's figures stand beside the raw work they need: an ordered scan of the view and
// one screen of rows (a search keystroke: the nearest search with its record number).
void Benchmark::gridSwitches() {
    progress(QStringLiteral("switching the word grid"));
    GridBench grid;
    const int screen = GridBench::kScreenRows;
    const auto report = [&](const QString& name, const std::vector<double>& store,
                            const std::vector<double>& raw) {
        m_report.add(name, median(store) * toMilliseconds(1), QStringLiteral("ms"),
                     median(raw) * toMilliseconds(1));
    };
    const int runs = kQuickFactor * m_options.repeat;
    std::vector<double> store;
    std::vector<double> raw;
    for (int i = 0; i < runs; ++i) {
        store.push_back(grid.openFirstScreen(m_storeFile));
        raw.push_back(m_raw.openFirstPage(m_rawFile, screen));
    }
    report(QStringLiteral("grid_open_first_screen"), store, raw);
    m_raw.openView(m_rawFile); // opening a first page closed the raw view

    for (const QString& order :
         {QStringLiteral("othertoczechnew"), QStringLiteral("lessonczechother")}) {
        store.clear();
        raw.clear();
        for (int i = 0; i < runs; ++i) {
            store.push_back(grid.switchOrder(m_storeFile, order));
            raw.push_back(m_raw.selectOrder(order) + m_raw.readPage(1, screen));
        }
        report(QStringLiteral("grid_sort_") + order, store, raw);
    }
    m_raw.selectOrder(QStringLiteral("czechtoothernew"));

    store.clear();
    raw.clear();
    for (int i = 0; i < runs; ++i) {
        int count = 0;
        store.push_back(grid.switchLesson(m_storeFile, kFilterLesson));
        raw.push_back(m_raw.filterLesson(kFilterLesson, count) + m_raw.readPage(1, screen));
    }
    report(QStringLiteral("grid_lesson_switch"), store, raw);

    const std::vector<QString> prefixes = searchPrefixes(m_entries, runs, kSearchSeed + 1);
    store.clear();
    raw.clear();
    for (const QString& prefix : prefixes) {
        int recNo = 0;
        store.push_back(grid.searchKeystroke(m_storeFile, prefix));
        raw.push_back(m_raw.findNearest(prefix, recNo));
    }
    report(QStringLiteral("grid_search_keystroke"), store, raw);
}

// As the menu command opens the window, until it is painted; SQLite alone opens no window.
void Benchmark::openSoundWindows() {
    progress(QStringLiteral("opening the sound window"));
    const std::vector<double> samples = repeated(kQuickFactor * m_options.repeat,
                                                 [&](int) { return openSoundWindow(m_storeFile); });
    m_report.add(QStringLiteral("sound_window_open"), median(samples) * toMilliseconds(1),
                 QStringLiteral("ms"));
}

} // namespace

Report runBenchmark(const BenchOptions& options, const QString& folder) {
    return Benchmark(options, folder).run();
}

} // namespace bench
