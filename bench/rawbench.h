#pragma once

#include "dictionarybench.h"
#include "rawsqlite.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bench {

// Drops the table's indexes inside the open transaction; gives the statements that build
// them anew.
std::vector<std::string> dropIndexes(RawConnection& connection);

// The floor: the same work done with SQLite's own interface, prepared statements reused,
// point reads grouped in one read transaction, and a sorted view kept as a vector of row
// ids searched by binary search with the Czech comparison of the index.
class RawBench : public DictionaryBench {
public:
    QString label() const override { return QStringLiteral("raw"); }

    double append(const QString& path, const std::vector<Entry>& entries) override;
    double openFirstPage(const QString& path, int rows) override;

    void openView(const QString& path) override;
    void closeView() override;
    int viewSize() override { return static_cast<int>(m_rows.size()); }

    double selectOrder(const QString& indexName) override;
    double readPage(int firstRecNo, int rows) override;
    double findNearest(const QString& prefix, int& recNo) override;
    double filterLesson(int lesson, int& count) override;
    double postOne(int recNo, int pom) override;
    double postingWalk(int increment) override;

private:
    struct Row {
        std::string czech;
        std::string other;
        long long lesson = 0;
        long long good = 0;
        long long bad = 0;
        std::string description;
        long long pom = 0;
        std::string czechTest;
        std::string otherTest;
    };

    RawStatement& statement(const std::string& sql);
    void loadOrders();
    std::vector<long long> scan(const std::string& sql, const long long* parameter = nullptr);
    std::vector<Row> readRows(size_t first, size_t count);

    std::unique_ptr<RawConnection> m_connection;
    QString m_path;
    std::map<std::string, std::unique_ptr<RawStatement>> m_statements;
    std::map<QString, std::string> m_orderColumns; // index name -> "Czech", "Other"
    std::string m_order;                           // of the current view
    std::string m_probeSql;                        // reads the first sort field of one row
    std::vector<long long> m_rows;
    std::vector<Row> m_page; // the rows last read, as a grid would keep them
};

} // namespace bench
