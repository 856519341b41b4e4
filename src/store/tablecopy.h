#pragma once

#include <QString>

namespace store {

// Copies a table file through SQLite's backup API, which reads one consistent state even while
// another connection writes the table. The target must not exist: the copy is written under a
// temporary name beside it, forced to the disk, and only then takes the target's name, so that
// a failed copy leaves nothing behind. Raises store::Error.
void copyTableFile(const QString& source, const QString& target);

// Puts a copy's content back into a table file, through the backup API in one transaction of
// the table: whoever reads the table meanwhile sees the old content or the new, never a mix.
// This program's cursors on the table must be closed. Raises store::Error.
void restoreTableFile(const QString& copy, const QString& table);

} // namespace store
