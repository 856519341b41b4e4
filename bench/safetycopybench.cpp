#include "safetycopybench.h"

#include "stopwatch.h"

#include "shell/safetycopies.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include <stdexcept>

namespace bench {
namespace {

using namespace Qt::StringLiterals;

double storeCopy(const QString& dictionaryFolder, int run) {
    shell::SafetyCopies copies(dictionaryFolder);
    const QDateTime time = QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(run);
    const Stopwatch clock;
    copies.take(shell::BulkWork::Import, time);
    return clock.elapsedMicroseconds();
}

// sqlite3_backup with SQLite's defaults, as its documentation shows it.
double rawCopy(const QString& source, const QString& target) {
    const Stopwatch clock;
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    sqlite3_open_v2(QFile::encodeName(source).constData(), &from, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_open(QFile::encodeName(target).constData(), &to);
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    const int step = backup ? sqlite3_backup_step(backup, -1) : SQLITE_ERROR;
    sqlite3_backup_finish(backup);
    sqlite3_close(to);
    sqlite3_close(from);
    const double elapsed = clock.elapsedMicroseconds();
    QFile::remove(target);
    if (step != SQLITE_DONE)
        throw std::runtime_error("SQLite's backup of the dictionary failed");
    return elapsed;
}

} // namespace

void runSafetyCopyBench(const QString& dictionaryFile, const BenchOptions& options,
                        Report& report) {
    if (!options.wants(u"safety_copy"_s))
        return;
    const QString folder = QFileInfo(dictionaryFile).absolutePath();
    const QString rawTarget = QDir(folder).filePath(u"../raw-copy.db"_s);
    std::vector<double> store;
    std::vector<double> raw;
    for (int run = 0; run < options.repeat; ++run) {
        if (run % 2 == 0)
            store.push_back(storeCopy(folder, run));
        raw.push_back(rawCopy(dictionaryFile, rawTarget));
        if (run % 2 != 0)
            store.push_back(storeCopy(folder, run));
    }
    report.add(u"safety_copy"_s, median(store) / 1000, u"ms"_s, median(raw) / 1000);
}

} // namespace bench
