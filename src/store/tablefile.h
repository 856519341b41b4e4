#pragma once

#include "store/tablekinds.h"

#include <QString>

#include <span>

struct sqlite3;

namespace store {

// Makes a new, empty table file of the given kind at its newest schema version.
// Refuses to overwrite an existing file.
void createTableFile(const QString& path, const QString& kind);

// Writes the schema of a table of the kind at the given version (its first schema and the
// steps up to that version) into an empty database, in one transaction.
void writeTableSchema(sqlite3* db, const TableKind& kind, int version);

// Brings an open file from its version up through the given steps, all in one
// transaction: either every step applies or the file stays as it was. Returns the
// file's version afterwards.
int migrateTableFile(sqlite3* db, const QString& fileName, std::span<const Migration> steps);

// Opens a connection to a table file with the settings every connection uses: an
// existing file only, unless mayCreate. Raises store::Error with the engine's text.
sqlite3* openConnection(const QString& path, bool mayCreate);

} // namespace store
