#include "store/postbatch.h"

#include "store/cursor.h"
#include "store/database.h"

namespace store {

PostBatch::PostBatch(Cursor& cursor, Extent extent)
    : m_db(cursor.m_db) {
    cursor.requireActive();
    m_db->beginBatch(extent == Extent::AllOrNothing);
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

void PostBatch::finish(const std::function<void()>& whileBuilding) {
    auto db = std::move(m_db);
    db->endBatch(whileBuilding);
}

} // namespace store
