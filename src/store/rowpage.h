#pragma once

#include "store/storedrow.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace store {

// Records a cursor read ahead while it walks its view one record at a time: the next ones
// come from one read instead of a look-up each. The page holds for one data generation; the
// cursor's own writes keep it valid, minus the record written.
class RowPage {
public:
    // Whether a read at this view position continues a walk, so that reading ahead pays.
    bool walksOnTo(size_t position);
    // How many records to read ahead at the next fill: few when a walk has just begun (a
    // search followed by a short run over equal keys), more as it goes on, up to the limit.
    size_t readAhead(size_t limit) const;

    void fill(size_t firstPosition, std::vector<qint64> rowIds, std::vector<StoredRow> records,
              quint64 generation);
    // The record at the position if the page holds it there, handed over (each record of a
    // walk is read once).
    std::optional<StoredRow> take(size_t position, qint64 rowId, quint64 generation);
    // After the cursor itself wrote or deleted the record: the others stay valid.
    void forgetWritten(qint64 rowId, quint64 generationBefore, quint64 generationAfter);
    void clear();

private:
    size_t m_first = 0;
    std::vector<qint64> m_rowIds;
    std::vector<StoredRow> m_records;
    quint64 m_generation = 0;
    std::optional<size_t> m_lastRead;
    int m_pagesInWalk = 0;
};

} // namespace store
