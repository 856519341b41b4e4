#pragma once

#include <memory>

namespace store {

class Cursor;
class Database;

// Groups the posts of a long walk over a table (regeneration, imports, bulk changes)
// into few commits: the walk runs many times faster, and a crash in its middle leaves
// every record whole, old or new. Every post made is kept, even when the walk fails.
class PostBatch {
public:
    explicit PostBatch(Cursor& cursor);
    ~PostBatch();
    PostBatch(const PostBatch&) = delete;
    PostBatch& operator=(const PostBatch&) = delete;

    // Commits now and reports a failure (the destructor cannot).
    void finish();

private:
    std::shared_ptr<Database> m_db;
};

} // namespace store
