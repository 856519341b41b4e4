#include "rawbench.h"

#include "stopwatch.h"
#include "store/czechcollation.h"
#include "store/database.h"

#include <QStringList>

#include <algorithm>

namespace bench {
namespace {

constexpr const char* kRowSql = "SELECT Czech, Other, Lekce, Dobre, Spatne, Popis, Pom, Czechzk, "
                                "Otherzk FROM records WHERE _id = ?";

constexpr const char* kNormalCache = "PRAGMA cache_size = -8192";

struct Utf8Entry {
    QByteArray czech, other, description, czechTest, otherTest;
};

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

} // namespace

std::vector<std::string> dropIndexes(RawConnection& connection) {
    std::vector<std::string> created;
    std::vector<std::string> names;
    {
        RawStatement indexes(connection, "SELECT name, sql FROM sqlite_master WHERE type = "
                                         "'index' AND tbl_name = 'records' AND sql NOT NULL");
        while (indexes.step()) {
            names.emplace_back(indexes.text(0));
            created.emplace_back(indexes.text(1));
        }
    }
    for (const std::string& name : names)
        connection.execute(("DROP INDEX \"" + name + "\"").c_str());
    return created;
}

RawStatement& RawBench::statement(const std::string& sql) {
    std::unique_ptr<RawStatement>& cached = m_statements[sql];
    if (!cached)
        cached = std::make_unique<RawStatement>(*m_connection, sql.c_str());
    cached->reset();
    return *cached;
}

std::vector<long long> RawBench::scan(const std::string& sql, const long long* parameter) {
    RawStatement& query = statement(sql);
    if (parameter)
        query.bind(1, *parameter);
    std::vector<long long> rows;
    while (query.step())
        rows.push_back(query.integer(0));
    return rows;
}

std::vector<RawBench::Row> RawBench::readRows(size_t first, size_t count) {
    std::vector<Row> rows;
    m_connection->execute("BEGIN");
    RawStatement& read = statement(kRowSql);
    for (size_t i = first; i < m_rows.size() && rows.size() < count; ++i) {
        read.reset();
        read.bind(1, m_rows[i]);
        if (!read.step())
            continue;
        rows.push_back({std::string(read.text(0)), std::string(read.text(1)), read.integer(2),
                        read.integer(3), read.integer(4), std::string(read.text(5)),
                        read.integer(6), std::string(read.text(7)), std::string(read.text(8))});
    }
    m_connection->execute("COMMIT");
    return rows;
}

void RawBench::loadOrders() {
    RawStatement& indexes = statement("SELECT name, fields FROM lexiton_indexes");
    while (indexes.step()) {
        const QString name = QString::fromUtf8(indexes.text(0)).toLower();
        const QStringList fields = QString::fromUtf8(indexes.text(1)).split(u';');
        m_orderColumns[name] = fields.join(QStringLiteral(", ")).toStdString();
    }
}

double RawBench::append(const QString& path, const std::vector<Entry>& entries) {
    std::vector<Utf8Entry> texts;
    texts.reserve(entries.size());
    for (const Entry& e : entries) {
        texts.push_back({e.czech.toUtf8(), e.other.toUtf8(), e.description.toUtf8(),
                         e.czechTest.toUtf8(), e.otherTest.toUtf8()});
    }
    RawConnection connection(path);
    RawStatement insert(connection,
                        "INSERT INTO records (Czech, Other, Lekce, Dobre, Spatne, Popis, Pom, "
                        "Czechzk, Otherzk) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");

    const Stopwatch clock;
    connection.execute(store::batchCacheSetting(path).constData());
    connection.execute("BEGIN IMMEDIATE");
    const std::vector<std::string> indexes = dropIndexes(connection);
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const Utf8Entry& t = texts[i];
        insert.reset();
        insert.bind(1, view(t.czech));
        insert.bind(2, view(t.other));
        insert.bind(3, e.lesson);
        insert.bind(4, e.good);
        insert.bind(5, e.bad);
        if (e.description.isNull())
            insert.bindNull(6);
        else
            insert.bind(6, view(t.description));
        insert.bind(7, e.pom);
        insert.bind(8, view(t.czechTest));
        insert.bind(9, view(t.otherTest));
        insert.step();
    }
    connection.execute(store::indexBuildSettings().constData());
    for (const std::string& index : indexes)
        connection.execute(index.c_str());
    connection.execute("COMMIT");
    connection.execute(kNormalCache);
    return clock.elapsedMicroseconds();
}

double RawBench::openFirstPage(const QString& path, int rows) {
    const Stopwatch clock;
    openView(path);
    m_page = readRows(0, static_cast<size_t>(rows));
    const double elapsed = clock.elapsedMicroseconds();
    closeView();
    return elapsed;
}

void RawBench::openView(const QString& path) {
    closeView(); // the cached statements belong to the connection open before
    m_connection = std::make_unique<RawConnection>(path);
    m_path = path;
    loadOrders();
    selectOrder(QStringLiteral("czechtoothernew"));
}

void RawBench::closeView() {
    m_statements.clear();
    m_rows.clear();
    m_connection.reset();
}

double RawBench::selectOrder(const QString& indexName) {
    const Stopwatch clock;
    m_order = m_orderColumns.at(indexName.toLower());
    m_probeSql = "SELECT " + m_order.substr(0, m_order.find(',')) + " FROM records WHERE _id = ?";
    m_rows = scan("SELECT _id FROM records ORDER BY " + m_order + ", _id");
    return clock.elapsedMicroseconds();
}

double RawBench::readPage(int firstRecNo, int rows) {
    const Stopwatch clock;
    m_page = readRows(static_cast<size_t>(std::max(firstRecNo, 1) - 1), static_cast<size_t>(rows));
    return clock.elapsedMicroseconds();
}

double RawBench::findNearest(const QString& prefix, int& recNo) {
    const Stopwatch clock;
    const QByteArray key = prefix.toUtf8();
    m_connection->execute("BEGIN");
    RawStatement& probe = statement(m_probeSql);
    size_t low = 0;
    size_t high = m_rows.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        probe.reset();
        probe.bind(1, m_rows[middle]);
        if (probe.step() && store::compareCzech(probe.text(0), view(key)) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    probe.reset();
    m_connection->execute("COMMIT");
    recNo = m_rows.empty() ? 0 : static_cast<int>(std::min(low, m_rows.size() - 1)) + 1;
    return clock.elapsedMicroseconds();
}

double RawBench::filterLesson(int lesson, int& count) {
    const Stopwatch clock;
    const long long value = lesson;
    const std::vector<long long> rows =
        scan("SELECT _id FROM records WHERE Lekce = ? ORDER BY " + m_order + ", _id", &value);
    count = static_cast<int>(rows.size());
    return clock.elapsedMicroseconds();
}

double RawBench::postOne(int recNo, int pom) {
    const long long rowId = m_rows.at(static_cast<size_t>(recNo - 1));
    const Stopwatch clock;
    RawStatement& update = statement("UPDATE records SET Pom = ? WHERE _id = ?");
    update.bind(1, pom);
    update.bind(2, rowId);
    update.step();
    update.reset();
    return clock.elapsedMicroseconds();
}

double RawBench::postingWalk(int increment) {
    const Stopwatch clock;
    m_connection->execute(store::batchCacheSetting(m_path).constData());
    m_connection->execute("BEGIN IMMEDIATE");
    RawStatement& read = statement("SELECT Dobre, Spatne, Pom FROM records WHERE _id = ?");
    RawStatement& update = statement("UPDATE records SET Pom = ? WHERE _id = ?");
    for (const long long rowId : m_rows) {
        read.reset();
        read.bind(1, rowId);
        if (!read.step())
            continue;
        const long long pom = read.integer(0) + read.integer(1) + increment;
        if (pom == read.integer(2))
            continue;
        update.reset();
        update.bind(1, pom);
        update.bind(2, rowId);
        update.step();
    }
    read.reset();
    update.reset();
    m_connection->execute("COMMIT");
    m_connection->execute(kNormalCache);
    return clock.elapsedMicroseconds();
}

} // namespace bench
