#include "exchangebench.h"

#include "rawbench.h"
#include "rawsqlite.h"
#include "stopwatch.h"

#include "core/cp1250codec.h"
#include "core/cp1250linereader.h"
#include "exchange/dictionarycursor.h"
#include "exchange/lessonchange.h"
#include "exchange/textfilelines.h"
#include "exchange/textimport.h"
#include "exchange/wordexport.h"
#include "store/cursor.h"
#include "store/database.h"
#include "store/tablefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace bench {
namespace {

using namespace Qt::StringLiterals;

constexpr int kHighestSourceLesson = 99;
constexpr int kFirstSpreadLesson = 100;
constexpr int kPerLesson = 35;
constexpr int kLessonCount = 1000000;

const QStringList kTemplate = {u"<HTML><BODY>"_s,  u"{[..here..]}"_s, u"border=yes"_s,
                               u"..special.."_s,   u"& &amp;"_s,      u"{[..end..]}"_s,
                               u"</BODY></HTML>"_s};

class ExchangeBench {
public:
    ExchangeBench(const std::vector<Entry>& entries, const QString& folder)
        : m_entries(entries)
        , m_folder(folder) {
        m_tsv = QDir(folder).filePath(u"exchange-words.txt"_s);
        QFile file(m_tsv);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("the import file could not be written");
        for (const Entry& e : entries) {
            QString description = e.description;
            const QString line = e.czech + u'\t' + e.other + u'\t' + QString::number(e.lesson) +
                                 u'\t' + description.replace(u"\r\n"_s, u"*"_s) + u"\r\n"_s;
            file.write(core::encodeCp1250(line).bytes);
        }
        QDir(folder).mkpath(u"exchange"_s);
        m_source = freshDictionary(u"source"_s);
        store::Cursor source;
        exchange::keepEntriesOnPost(source, {});
        exchange::openDictionaryTable(source, QFileInfo(m_source).path());
        exchange::importTabSeparated(source, exchange::readImportLines(m_tsv));
    }

    double importStore(int run) {
        const QString path = freshDictionary(u"import-store-%1"_s.arg(run));
        const Stopwatch clock;
        store::Cursor dictionary;
        exchange::keepEntriesOnPost(dictionary, {});
        exchange::openDictionaryTable(dictionary, QFileInfo(path).path());
        exchange::importTabSeparated(dictionary, exchange::readImportLines(m_tsv));
        return clock.elapsedMicroseconds();
    }

    double importRaw(int run) {
        const QString path = freshDictionary(u"import-raw-%1"_s.arg(run));
        const Stopwatch clock;
        QFile file(m_tsv);
        file.open(QIODevice::ReadOnly);
        const QStringList lines = core::splitCp1250Lines(file.readAll());
        RawConnection connection(path);
        // The records the program makes, test words included (taken from the generated
        // entries, where the program derives them), so that both sides fill the same indexes.
        RawStatement insert(connection,
                            "INSERT OR IGNORE INTO records (Czech, Other, Lekce, Popis, "
                            "Czechzk, Otherzk, Dobre, Spatne) VALUES (?, ?, ?, ?, ?, ?, 0, 0)");
        // As the program imports into an empty dictionary: the cache of its write batches,
        // the indexes built once at the end, all in one transaction.
        connection.execute(store::batchCacheSetting(path).constData());
        connection.execute("BEGIN IMMEDIATE");
        const std::vector<std::string> indexes = dropIndexes(connection);
        for (qsizetype line = 0; line < lines.size(); ++line) {
            const QStringList fields = lines[line].split(u'\t');
            const Entry& entry = m_entries[size_t(line)];
            insert.reset();
            // Bound without a copy, so the texts must live until the step.
            std::array<QByteArray, 6> texts;
            for (int i = 0; i < 6; ++i) {
                texts[size_t(i)] = i < 4    ? fields.value(i).toUtf8()
                                   : i == 4 ? entry.czechTest.toUtf8()
                                            : entry.otherTest.toUtf8();
                insert.bind(i + 1, std::string_view(texts[size_t(i)].constData(),
                                                    size_t(texts[size_t(i)].size())));
            }
            insert.step();
        }
        connection.execute(store::indexBuildSettings().constData());
        for (const std::string& index : indexes)
            connection.execute(index.c_str());
        connection.execute("COMMIT");
        return clock.elapsedMicroseconds();
    }

    // lexiton-cli import-tsv into an empty dictionary of a user "bench" in an application
    // folder of its own.
    double importCli(int run) {
        const QString name = u"cli-%1"_s.arg(run);
        const QString path = freshDictionary(u"bench/"_s + name);
        QFile rules(QFileInfo(path).dir().filePath(u"code.ini"_s)); // the default rules
        if (!rules.open(QIODevice::WriteOnly))
            throw std::runtime_error("code.ini could not be written");
        rules.close();
        QProcess cli;
        cli.setProgram(QDir(QCoreApplication::applicationDirPath()).filePath(u"lexiton-cli"_s));
        cli.setArguments({u"import-tsv"_s, u"--app"_s, QDir(m_folder).filePath(u"exchange"_s),
                          u"--user"_s, u"bench"_s, u"--dictionary"_s, name, m_tsv});
        const Stopwatch clock;
        cli.start();
        if (!cli.waitForFinished(-1) || cli.exitStatus() != QProcess::NormalExit ||
            cli.exitCode() != 0)
            throw std::runtime_error("lexiton-cli import-tsv failed: " +
                                     cli.readAllStandardError().toStdString());
        return clock.elapsedMicroseconds();
    }

    double exportStore(bool html) {
        const Stopwatch clock;
        store::Cursor dictionary;
        exchange::openDictionaryTable(dictionary, QFileInfo(m_source).path());
        dictionary.setIndexName(u"czechtoothernew"_s);
        const QString output = QDir(m_folder).filePath(html ? u"export.html"_s : u"export.txt"_s);
        if (html)
            exchange::exportHtml(dictionary, kTemplate, {u"vše"_s, u"Česky"_s, u"Jiný"_s}, output);
        else
            exchange::exportTxt(dictionary, output);
        return clock.elapsedMicroseconds();
    }

    double exportRaw() {
        const Stopwatch clock;
        RawConnection connection(m_source);
        RawStatement read(connection, "SELECT Czech, Other, Lekce, Popis, Dobre, Spatne, "
                                      "Czechzk, Otherzk FROM records ORDER BY Czech, Other");
        size_t bytes = 0;
        while (read.step()) {
            for (int column : {0, 1, 3, 6, 7})
                bytes += read.text(column).size();
        }
        if (bytes == 0)
            throw std::runtime_error("the ordered read found nothing");
        return clock.elapsedMicroseconds();
    }

    double spreadStore(int run) {
        const QString path = copyOfSource(u"spread-store-%1"_s.arg(run));
        const Stopwatch clock;
        store::Cursor dictionary;
        exchange::keepEntriesOnPost(dictionary, {});
        exchange::openDictionaryTable(dictionary, QFileInfo(path).path());
        dictionary.setIndexName(u"czechtoothernew"_s);
        exchange::changeLessons(dictionary,
                                {0, kHighestSourceLesson, exchange::BulkLessonChoice::Mode::Spread,
                                 0, kFirstSpreadLesson, kPerLesson},
                                kLessonCount);
        return clock.elapsedMicroseconds();
    }

    double spreadRaw(int run) {
        const QString path = copyOfSource(u"spread-raw-%1"_s.arg(run));
        const Stopwatch clock;
        RawConnection connection(path);
        RawStatement walk(connection, "SELECT _id, Lekce FROM records ORDER BY Czech, Other");
        RawStatement update(connection, "UPDATE records SET Lekce = ? WHERE _id = ?");
        connection.execute("BEGIN IMMEDIATE");
        long long given = 0;
        long long lesson = kFirstSpreadLesson;
        while (walk.step()) {
            if (walk.integer(1) > kHighestSourceLesson)
                continue;
            if (given++ == kPerLesson) {
                given = 1;
                ++lesson;
            }
            update.reset();
            update.bind(1, lesson);
            update.bind(2, walk.integer(0));
            update.step();
        }
        connection.execute("COMMIT");
        return clock.elapsedMicroseconds();
    }

private:
    const std::vector<Entry>& m_entries;

    QString freshDictionary(const QString& name) {
        QDir(m_folder).mkpath(u"exchange/"_s + name);
        const QString path = QDir(m_folder).filePath(u"exchange/"_s + name + u"/dictonary.db"_s);
        QFile::remove(path);
        store::createTableFile(path, u"dictonary"_s);
        return path;
    }

    QString copyOfSource(const QString& name) {
        QDir(m_folder).mkpath(u"exchange/"_s + name);
        const QString path = QDir(m_folder).filePath(u"exchange/"_s + name + u"/dictonary.db"_s);
        QFile::remove(path);
        if (!QFile::copy(m_source, path))
            throw std::runtime_error("the dictionary could not be copied");
        return path;
    }

    QString m_folder;
    QString m_tsv;
    QString m_source;
};

void addMedians(Report& report, const QString& name, const std::vector<double>& store,
                const std::vector<double>& raw) {
    report.add(name, median(store) / 1000, u"ms"_s, median(raw) / 1000);
}

} // namespace

void runExchangeBench(const std::vector<Entry>& entries, const QString& folder,
                      const BenchOptions& options, Report& report) {
    const QString figures[] = {u"import_tsv"_s, u"export_txt"_s, u"export_html"_s, u"bulk_spread"_s,
                               u"import_tsv_cli"_s};
    if (std::ranges::none_of(figures, [&](const QString& name) { return options.wants(name); }))
        return;
    ExchangeBench bench(entries, folder);
    const auto measure = [&](const QString& name, const auto& store, const auto& raw) {
        if (!options.wants(name))
            return;
        std::vector<double> storeTimes;
        std::vector<double> rawTimes;
        for (int run = 0; run < options.repeat; ++run) {
            storeTimes.push_back(store(run));
            rawTimes.push_back(raw(run));
        }
        addMedians(report, name, storeTimes, rawTimes);
    };
    measure(
        figures[0], [&](int run) { return bench.importStore(run); },
        [&](int run) { return bench.importRaw(run); });
    measure(
        figures[4], [&](int run) { return bench.importCli(run); },
        [&](int run) { return bench.importRaw(run); });
    for (const bool html : {false, true}) {
        measure(
            html ? figures[2] : figures[1], [&](int) { return bench.exportStore(html); },
            [&](int) { return bench.exportRaw(); });
    }
    measure(
        figures[3], [&](int run) { return bench.spreadStore(run); },
        [&](int run) { return bench.spreadRaw(run); });
}

} // namespace bench
