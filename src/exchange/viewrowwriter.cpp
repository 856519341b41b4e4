#include "exchange/viewrowwriter.h"

#include "store/cursor.h"

#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace exchange {
namespace {

// Rows per batch: enough that handing a batch over costs nothing beside its writing, few
// enough that the first batch is read soon and the last one is written soon after the reading.
constexpr size_t kBatchRows = 1024;

// The walk's rows, handed over a batch at a time to a thread of the pool, which keeps its
// threads: a thread started for each batch would cost more than the batch's writing.
class RowBatches {
public:
    explicit RowBatches(const WriteRows& write)
        : m_write(write)
        , m_filling(kBatchRows) {}
    ~RowBatches() { // after a failed walk: the batch under way must end before its rows go
        try {
            m_written.waitForFinished();
        } catch (...) { // the walk's own failure is the one reported
        }
    }
    RowBatches(const RowBatches&) = delete;
    RowBatches& operator=(const RowBatches&) = delete;

    // Takes the row's content, leaving it the room of a row written before.
    void add(store::StoredRow& row) {
        std::swap(m_filling[m_filled++], row);
        if (m_filled == m_filling.size())
            handOver();
    }

    void finish() {
        handOver();
        waitForWriting();
    }

private:
    // Waits for the previous batch, throwing its failure, and starts writing this one.
    void handOver() {
        waitForWriting();
        std::swap(m_filling, m_writing);
        m_filling.resize(kBatchRows);
        const std::span<const store::StoredRow> batch(m_writing.data(), m_filled);
        m_filled = 0;
        m_written = QtConcurrent::run([this, batch] { m_write(batch); });
    }

    void waitForWriting() {
        try {
            m_written.waitForFinished();
        } catch (const QUnhandledException& failure) {
            if (failure.exception())
                std::rethrow_exception(failure.exception());
            throw;
        }
    }

    const WriteRows& m_write;
    std::vector<store::StoredRow> m_filling;
    size_t m_filled = 0;
    std::vector<store::StoredRow> m_writing;
    QFuture<void> m_written;
};

} // namespace

int writeViewRows(store::Cursor& cursor, const std::vector<int>& reads, const Progress& progress,
                  const WriteRows& write) {
    const int total = cursor.recordCount();
    int rows = 0;
    RowBatches batches(write);
    cursor.forEachStoredRow(reads, [&](store::StoredRow& row, int recNo) {
        batches.add(row);
        if (progress)
            progress(recNo, total);
        ++rows;
    });
    batches.finish();
    return rows;
}

} // namespace exchange
