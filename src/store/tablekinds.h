#pragma once

#include <QString>

#include <span>
#include <vector>

namespace store {

// One step of a table's schema history: SQL that brings a file from toVersion - 1 to
// toVersion. Steps never change: a new schema is a new step.
struct Migration {
    int toVersion = 0;
    const char* sql = nullptr;
};

// A kind of table the program keeps: its first schema (data/schema/<name>.sql, built
// into the program) and the steps after it. A new file is made at version 1 and brought
// up through every step, so that new and migrated files cannot differ.
struct TableKind {
    QString name;
    std::vector<Migration> migrations;

    int latestVersion() const { return 1 + static_cast<int>(migrations.size()); }
    QByteArray firstSchemaSql() const;
};

const std::vector<TableKind>& tableKinds();
const TableKind* findTableKind(QStringView name);

} // namespace store
