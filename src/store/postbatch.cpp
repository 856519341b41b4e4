#include "store/postbatch.h"

#include "store/cursor.h"
#include "store/database.h"

namespace store {

PostBatch::PostBatch(Cursor& cursor, Extent extent, Sync sync)
    : m_db(cursor.m_db) {
    cursor.requireActive();
    m_db->beginBatch(extent == Extent::AllOrNothing, sync == Sync::AtEnd);
}

PostBatch::~PostBatch() {
    if (!m_db)
        return;
    try {
        m_db->abandonBatch();
    } catch (...) {
        // The failure was reported by the post that met it; what was committed stays.
    }
}

void PostBatch::deferIndexes() {
    m_db->deferIndexes();
}

void PostBatch::deferIndexesOf(const QString& field) {
    m_db->deferIndexesOf(field);
}

qint64 PostBatch::writes() const {
    return m_db->batchWrites();
}

void PostBatch::finish() {
    auto db = std::move(m_db);
    db->endBatch();
}

} // namespace store
