#pragma once

#include <QString>

#include <memory>

namespace store {

class Cursor;
class Database;

// Groups the posts of a long walk over a table (regeneration, imports, bulk changes)
// into few commits, so that the walk runs many times faster.
//
// InChunks commits every few thousand posts: a crash in the walk's middle leaves every
// record whole, old or new, and every post made is kept even when the walk fails.
// AllOrNothing makes the walk one unit: it is kept whole by finish(), and a walk that
// fails before (the batch destroyed unfinished) or a killed process leaves none of it.
//
// An AllOrNothing batch is on the disk when finish() returns, unless it is made with
// Sync::Later: then, as with chunks, the commit survives a killed process at once and a
// power cut once the checkpoint that follows it moments later is done.
class PostBatch {
public:
    enum class Extent { InChunks, AllOrNothing };
    enum class Sync { AtEnd, Later };

    explicit PostBatch(Cursor& cursor, Extent extent = Extent::InChunks, Sync sync = Sync::AtEnd);
    ~PostBatch();
    PostBatch(const PostBatch&) = delete;
    PostBatch& operator=(const PostBatch&) = delete;

    // For a large import into an AllOrNothing batch: the table's indexes are dropped now and
    // built anew by finish(), much faster than entry by entry. The table's unique key is not
    // checked meanwhile, so the walk must keep its keys apart itself.
    void deferIndexes();
    // For an AllOrNothing batch that rewrites a field in many records: drops the indexes that
    // hold the field (never a unique one) until finish() builds them anew, each in one sorted
    // pass, much faster than moving an entry of each for every record.
    void deferIndexesOf(const QString& field);
    // The writes made in the batch so far.
    qint64 writes() const;

    // Commits now and reports a failure (the destructor cannot).
    void finish();

private:
    std::shared_ptr<Database> m_db;
};

} // namespace store
