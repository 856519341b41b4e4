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
    static const std::vector<TableKind> kinds = {
        {QStringLiteral("dictonary"), {}}, {QStringLiteral("user"), {}},
        {QStringLiteral("exam"), {}},      {QStringLiteral("runtime"), {}},
        {QStringLiteral("deprun"), {}},    {QStringLiteral("runzn"), {}},
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
