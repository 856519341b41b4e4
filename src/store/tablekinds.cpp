#include "store/tablekinds.h"

#include "store/error.h"

#include <QFile>

namespace store {

QByteArray TableKind::firstSchemaSql() const {
    QFile file(QStringLiteral(":/schema/%1.sql").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Schéma tabulky %1 chybí v programu.").arg(name));
    return file.readAll();
}

const std::vector<TableKind>& tableKinds() {
    // Version 2: Greek and Cyrillic letters sort by their alphabets; indexes made under the
    // older order of the text collation are built anew.
    const std::vector<Migration> reindex = {{2, "REINDEX czech;"}};
    static const std::vector<TableKind> kinds = {
        {QStringLiteral("dictonary"), reindex}, {QStringLiteral("user"), reindex},
        {QStringLiteral("exam"), reindex},      {QStringLiteral("runtime"), reindex},
        {QStringLiteral("deprun"), reindex},    {QStringLiteral("runzn"), reindex},
    };
    return kinds;
}

const TableKind* findTableKind(QStringView name) {
    for (const TableKind& kind : tableKinds()) {
        if (kind.name == name)
            return &kind;
    }
    return nullptr;
}

} // namespace store
