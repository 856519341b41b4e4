#include "store/rowpage.h"

#include <algorithm>

namespace store {

bool RowPage::walksOnTo(size_t position) {
    const bool walking = m_lastRead && *m_lastRead + 1 == position;
    m_lastRead = position;
    return walking;
}

void RowPage::fill(size_t firstPosition, std::vector<qint64> rowIds,
                   std::vector<std::vector<QVariant>> records, quint64 generation) {
    m_first = firstPosition;
    m_rowIds = std::move(rowIds);
    m_records = std::move(records);
    m_generation = generation;
}

std::optional<std::vector<QVariant>> RowPage::take(size_t position, qint64 rowId,
                                                   quint64 generation) {
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
}

} // namespace store
