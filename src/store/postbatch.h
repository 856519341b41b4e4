#pragma once

#include <functional>
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
class PostBatch {
public:
    enum class Extent { InChunks, AllOrNothing };

    explicit PostBatch(Cursor& cursor, Extent extent = Extent::InChunks);
    ~PostBatch();
    PostBatch(const PostBatch&) = delete;
    PostBatch& operator=(const PostBatch&) = delete;

    // For a large import into an AllOrNothing batch: the table's indexes are dropped now and
    // built anew by finish(), much faster than entry by entry. The table's unique key is not
    // checked meanwhile, so the walk must keep its keys apart itself.
    void deferIndexes();

    // Commits now and reports a failure (the destructor cannot). While deferred indexes are
    // built, whileBuilding is called every few milliseconds (to repaint a window).
    void finish(const std::function<void()>& whileBuilding = {});

private:
    std::shared_ptr<Database> m_db;
};

} // namespace store
