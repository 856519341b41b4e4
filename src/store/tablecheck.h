#pragma once

#include <QString>
#include <QStringList>

namespace store {

// What the data check found wrong with one table file, each finding a short Czech sentence;
// none when the file is in order.
struct TableCheck {
    QStringList findings;

    bool ok() const { return findings.isEmpty(); }
};

// How deep the integrity check goes: every index against its table, or the pages only (much
// quicker; what a command that lists tables can afford).
enum class CheckDepth { Full, Pages };

// Checks a table file and changes nothing in it (its own connection only reads): SQLite's
// integrity check over every page and every index against its table; that the file is a
// table of this program, of the expected kind and of a schema version this program knows;
// and that its tables, indexes and named orders are those of that kind and version. A file
// of an older version may lack named orders that later ones have.
TableCheck checkTableFile(const QString& path, const QString& expectedKind,
                          CheckDepth depth = CheckDepth::Full);

} // namespace store
