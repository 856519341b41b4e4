#pragma once

#include "dictionarybench.h"

#include "store/cursor.h"

#include <memory>

namespace bench {

// The table store doing the program's work: cursors, PostBatch walks, durable posts.
class StoreBench : public DictionaryBench {
public:
    QString label() const override { return QStringLiteral("store"); }

    double append(const QString& path, const std::vector<Entry>& entries) override;
    double openFirstPage(const QString& path, int rows) override;

    void openView(const QString& path) override;
    void closeView() override;
    int viewSize() override { return m_view->recordCount(); }

    double selectOrder(const QString& indexName) override;
    double readPage(int firstRecNo, int rows) override;
    double findNearest(const QString& prefix, int& recNo) override;
    double filterLesson(int lesson, int& count) override;
    double postOne(int recNo, int pom) override;
    double postingWalk(int increment) override;

private:
    std::unique_ptr<store::Cursor> m_view;
    std::vector<QVariantList> m_page; // the rows last read, as a grid would keep them
};

} // namespace bench
