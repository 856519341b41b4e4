#include "testwordbench.h"

#include "rawsqlite.h"
#include "stopwatch.h"

#include "entry/normalizetestword.h"
#include "entry/regeneration.h"
#include "store/cursor.h"

#include <QFileInfo>
#include <QSet>

namespace bench {
namespace {

struct RawRecord {
    long long rowId;
    QString czech;
    QString other;
    QString czechTest;
    QString otherTest;
};

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
    entry::regenerate(table, [&](int, int) { heard(); });
    const double elapsed = clock.elapsedMicroseconds();
    heard();
    return elapsed;
}

double TestWordBench::regenerateRaw(const QString& path, const entry::TestWordRules& rules) {
    RawConnection connection(path);
    const Stopwatch clock;
    connection.execute("BEGIN IMMEDIATE");
    std::vector<RawRecord> records;
    {
        RawStatement read(connection, "SELECT _id, Czech, Other, Czechzk, Otherzk FROM records "
                                      "ORDER BY Czech, Other");
        while (read.step())
            records.push_back({read.integer(0), fromUtf8(read.text(1)), fromUtf8(read.text(2)),
                               fromUtf8(read.text(3)), fromUtf8(read.text(4))});
    }
    RawStatement update(connection, "UPDATE records SET Czechzk = ?, Otherzk = ? WHERE _id = ?");
    for (const RawRecord& record : records) {
        const QString czechTest = entry::normalizeTestWord(record.czech, rules);
        const QString otherTest = entry::normalizeTestWord(record.other, rules);
        if (czechTest == record.czechTest && otherTest == record.otherTest)
            continue;
        const QByteArray czech = czechTest.toUtf8();
        const QByteArray other = otherTest.toUtf8();
        update.reset();
        update.bind(1, std::string_view(czech.constData(), static_cast<size_t>(czech.size())));
        update.bind(2, std::string_view(other.constData(), static_cast<size_t>(other.size())));
        update.bind(3, record.rowId);
        update.step();
    }
    update.reset();
    connection.execute("COMMIT");
    return clock.elapsedMicroseconds();
}

} // namespace bench
