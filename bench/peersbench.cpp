#include "peersbench.h"

#include "rawsqlite.h"
#include "stopwatch.h"

#include "exam/examparameters.h"
#include "exam/progressdata.h"
#include "exam/ui/progresscharts.h"
#include "exchange/dictionarycursor.h"
#include "exchange/kvtmlreader.h"
#include "exchange/kvtmlwriter.h"
#include "exchange/peerentries.h"
#include "exchange/textfilelines.h"
#include "exchange/textimport.h"
#include "exchange/wordexport.h"
#include "store/cursor.h"
#include "store/postbatch.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <stdexcept>

namespace bench {
namespace {

using namespace Qt::StringLiterals;

constexpr int kExams = 10000;

class PeersBench {
public:
    PeersBench(const std::vector<Entry>& entries, const QString& folder)
        : m_folder(QDir(folder).filePath(u"peers"_s)) {
        QDir().mkpath(m_folder);
        exchange::PeerEntries read;
        for (const Entry& e : entries) {
            exchange::NewEntry entry{e.czech, e.other, e.lesson, e.description, e.good, e.bad};
            read.entries.push_back({std::move(entry), 0});
        }
        store::Cursor source;
        openFresh(source, u"source"_s);
        exchange::importPeerEntries(source, read);
        m_source = source.databaseName();
        m_kvtml = QDir(m_folder).filePath(u"words.kvtml"_s);
        m_txt = QDir(m_folder).filePath(u"words.txt"_s);
        exchange::exportKvtml(source, {u"Slovník"_s, u"English"_s}, m_kvtml);
        exchange::exportTxt(source, m_txt);
        writeHistory();
    }

    double importKvtml(int run) {
        store::Cursor dictionary;
        openFresh(dictionary, u"kvtml-%1"_s.arg(run));
        const Stopwatch clock;
        exchange::importPeerEntries(dictionary,
                                    exchange::kvtmlEntries(exchange::readKvtmlFile(m_kvtml),
                                                           exchange::CzechColumn::Second));
        return clock.elapsedMicroseconds();
    }

    double importTsv(int run) {
        store::Cursor dictionary;
        openFresh(dictionary, u"tsv-%1"_s.arg(run));
        const Stopwatch clock;
        exchange::importTabSeparated(dictionary, exchange::readImportLines(m_txt));
        return clock.elapsedMicroseconds();
    }

    double exportFile(bool kvtml) {
        const Stopwatch clock;
        store::Cursor dictionary;
        exchange::openDictionaryTable(dictionary, m_source);
        dictionary.setIndexName(u"czechtoothernew"_s);
        const QString output = QDir(m_folder).filePath(u"export.out"_s);
        if (kvtml)
            exchange::exportKvtml(dictionary, {u"Slovník"_s, u"English"_s}, output);
        else
            exchange::exportTxt(dictionary, output);
        return clock.elapsedMicroseconds();
    }

    double drawProgress() {
        const Stopwatch clock;
        store::Cursor dictionary;
        exchange::openDictionaryTable(dictionary, m_source);
        const exam::ProgressData data =
            exam::computeProgress(m_folder, dictionary, {97, 92, 75, 60, 20});
        const std::unique_ptr<QWidget> charts(exam::createProgressCharts(data, nullptr));
        charts->resize(900, 800);
        if (charts->grab().isNull())
            throw std::runtime_error("the progress charts were not drawn");
        return clock.elapsedMicroseconds();
    }

    double readHistory() {
        const Stopwatch clock;
        RawConnection connection(QDir(m_folder).filePath(u"exam.db"_s));
        RawStatement read(connection, "SELECT Datum, Time, TazaciJazyk, Dobre, Spatne, Pocet, "
                                      "Dotazovano, PoceSpatneZ, DotazovanoSpatneZ, TypZkouseni "
                                      "FROM records ORDER BY Datum, Time");
        long long sum = 0;
        while (read.step())
            sum += read.integer(3) + read.text(2).size();
        if (sum == 0)
            throw std::runtime_error("the history read found nothing");
        return clock.elapsedMicroseconds();
    }

private:
    void openFresh(store::Cursor& dictionary, const QString& name) {
        const QString folder = QDir(m_folder).filePath(name);
        QDir().mkpath(folder);
        QFile::remove(QDir(folder).filePath(u"dictonary.db"_s));
        store::createTableFile(QDir(folder).filePath(u"dictonary.db"_s), u"dictonary"_s);
        exchange::keepEntriesOnPost(dictionary, {});
        exchange::openDictionaryTable(dictionary, folder);
    }

    // Ten exams a day over 1,000 days, in two languages.
    void writeHistory() {
        const QString path = QDir(m_folder).filePath(u"exam.db"_s);
        QFile::remove(path);
        store::createTableFile(path, u"exam"_s);
        store::Cursor history;
        history.setDatabaseName(m_folder);
        history.setTableName(u"exam.db"_s);
        history.open();
        store::PostBatch batch(history, store::PostBatch::Extent::AllOrNothing);
        const QDate first(2024, 1, 1);
        for (int i = 0; i < kExams; ++i) {
            history.appendRecord({first.addDays(i / 10),
                                  QTime(8 + i % 10, 0),
                                  {},
                                  i % 2 ? u"Česky"_s : u"English"_s,
                                  20,
                                  15 + i % 6,
                                  i % 7,
                                  1,
                                  9,
                                  10,
                                  2,
                                  0,
                                  1,
                                  exam::kNoTimeLimit,
                                  {},
                                  1 + i % 2});
        }
        batch.finish();
    }

    QString m_folder;
    QString m_source;
    QString m_kvtml;
    QString m_txt;
};

} // namespace

void runPeersBench(const std::vector<Entry>& entries, const QString& folder,
                   const BenchOptions& options, Report& report) {
    const QString figures[] = {u"import_kvtml"_s, u"export_kvtml"_s, u"progress_window"_s};
    if (std::ranges::none_of(figures, [&](const QString& name) { return options.wants(name); }))
        return;
    PeersBench bench(entries, folder);
    const auto measure = [&](const QString& name, const auto& ours, const auto& beside) {
        if (!options.wants(name))
            return;
        std::vector<double> ourTimes;
        std::vector<double> besideTimes;
        for (int run = 0; run < options.repeat; ++run) {
            ourTimes.push_back(ours(run));
            besideTimes.push_back(beside(run));
        }
        report.add(name, median(ourTimes) / 1000, u"ms"_s, median(besideTimes) / 1000);
    };
    measure(
        figures[0], [&](int run) { return bench.importKvtml(run); },
        [&](int run) { return bench.importTsv(run); });
    measure(
        figures[1], [&](int) { return bench.exportFile(true); },
        [&](int) { return bench.exportFile(false); });
    measure(
        figures[2], [&](int) { return bench.drawProgress(); },
        [&](int) { return bench.readHistory(); });
}

} // namespace bench
