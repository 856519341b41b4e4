#include "testwordbench.h"

#include "rawsqlite.h"
#include "stopwatch.h"

#include "entry/normalizetestword.h"
#include "entry/regeneration.h"
#include "store/cursor.h"
#include "store/database.h"

#include <QFileInfo>
#include <QSet>

namespace bench {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TestWordBench::TestWordBench(const std::vector<Entry>& entries) {
    QSet<QChar> letters;
    for (const Entry& entry : entries) {
        for (const QString& text : {entry.czech, entry.other}) {
            for (const QChar character : text) {
                if (character.isLetter())
                    letters.insert(character.toLower());
            }
        }
    }
    for (const QChar letter : letters)
        m_trimming.endSet += letter;
}

double TestWordBench::regenerateStore(const QString& path, const entry::TestWordRules& rules) {
    const QFileInfo file(path);
    store::Cursor table;
    table.setDatabaseName(file.absolutePath());
    table.setTableName(file.fileName());
    table.setIndexName(QStringLiteral("czechtoothernew"));
    table.open();
    table.setBeforePost(
        [&rules](store::Cursor& posted) { entry::prepareEntryForPost(posted, rules); });
    m_longestSilence = 0;
    Stopwatch silence;
    const auto heard = [&] {
        m_longestSilence = std::max(m_longestSilence, silence.elapsedMicroseconds() / 1000);
        silence.restart();
    };
    const Stopwatch clock;
    entry::regenerate(
        table, [&](int, int) { heard(); }, heard);
    const double elapsed = clock.elapsedMicroseconds();
    heard();
    return elapsed;
}

double TestWordBench::regenerateRaw(const QString& path, const entry::TestWordRules& rules) {
    RawConnection connection(path);
    const Stopwatch clock;
    // The store's setting for a walk that is one unit, made durable by the checkpoint after it.
    connection.execute(store::batchCacheSetting(path).constData());
    connection.execute("PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 0");
    connection.execute("BEGIN IMMEDIATE");
    struct Change {
        long long rowId;
        QByteArray czechTest;
        QByteArray otherTest;
    };
    std::vector<Change> changes;
    long long records = 0;
    {
        RawStatement read(connection, "SELECT _id, Czech, Other, Czechzk, Otherzk FROM records "
                                      "ORDER BY _id");
        while (read.step()) {
            ++records;
            const QString czechTest = entry::normalizeTestWord(fromUtf8(read.text(1)), rules);
            const QString otherTest = entry::normalizeTestWord(fromUtf8(read.text(2)), rules);
            if (czechTest != fromUtf8(read.text(3)) || otherTest != fromUtf8(read.text(4)))
                changes.push_back({read.integer(0), czechTest.toUtf8(), otherTest.toUtf8()});
        }
    }
    // A rewrite of most records builds the indexes of the test words anew.
    const bool rebuild = static_cast<long long>(changes.size()) * 8 > records;
    if (rebuild)
        connection.execute("DROP INDEX by_czechzk; DROP INDEX by_otherzk");
    {
        RawStatement update(connection,
                            "UPDATE records SET Czechzk = ?, Otherzk = ? WHERE _id = ?");
        for (const Change& change : changes) {
            update.bind(1, std::string_view(change.czechTest.constData(),
                                            static_cast<size_t>(change.czechTest.size())));
            update.bind(2, std::string_view(change.otherTest.constData(),
                                            static_cast<size_t>(change.otherTest.size())));
            update.bind(3, change.rowId);
            update.step();
            update.reset();
        }
    }
    if (rebuild) {
        connection.execute(store::indexBuildSettings().constData());
        connection.execute("CREATE INDEX by_czechzk ON records (Czechzk); "
                           "CREATE INDEX by_otherzk ON records (Otherzk)");
    }
    connection.execute("COMMIT");
    return clock.elapsedMicroseconds();
}

} // namespace bench
