#include "store/rowpage.h"

#include <algorithm>

namespace store {

bool RowPage::walksOnTo(size_t position) {
    const bool walking = m_lastRead && *m_lastRead + 1 == position;
    // Reading the record just written again does not end the walk.
    if (!walking && m_lastRead != position)
        m_pagesInWalk = 0;
    m_lastRead = position;
    return walking;
}

size_t RowPage::readAhead(size_t limit) const {
    constexpr size_t kFirstPage = 4;
    constexpr int kDoublings = 8;
    return std::min(limit, kFirstPage << std::min(m_pagesInWalk, kDoublings));
}

void RowPage::fill(size_t firstPosition, std::vector<qint64> rowIds, std::vector<StoredRow> records,
                   quint64 generation) {
    ++m_pagesInWalk;
    m_first = firstPosition;
    m_rowIds = std::move(rowIds);
    m_records = std::move(records);
    m_generation = generation;
}

std::optional<StoredRow> RowPage::take(size_t position, qint64 rowId, quint64 generation) {
    if (generation != m_generation || position < m_first || position - m_first >= m_rowIds.size())
        return std::nullopt;
    const size_t index = position - m_first;
    if (m_rowIds[index] != rowId)
        return std::nullopt;
    m_rowIds[index] = 0;
    return std::move(m_records[index]);
}

void RowPage::forgetWritten(qint64 rowId, quint64 generationBefore, quint64 generationAfter) {
    if (m_generation != generationBefore) {
        clear();
        return;
    }
    std::ranges::replace(m_rowIds, rowId, qint64{0});
    m_generation = generationAfter;
}

void RowPage::clear() {
    m_rowIds.clear();
    m_records.clear();
    m_lastRead.reset();
    m_pagesInWalk = 0;
}

} // namespace store
