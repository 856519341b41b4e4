#include "store/error.h"

#include <QDir>
#include <sqlite3.h>

namespace store {

using namespace Qt::StringLiterals;

Error engineError(sqlite3* db, int code, const QString& path) {
    const QString engine = QString::fromUtf8(sqlite3_errmsg(db));
    const QString file = QDir::toNativeSeparators(path);
    const int extended = db ? sqlite3_extended_errcode(db) : code;
    switch (code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Error(damagedTableMessage(path, engine), Error::Kind::Damaged);
    case SQLITE_FULL:
        return Error(u"Tabulku %1 nelze zapsat, na disku není místo (%2)."_s.arg(file, engine),
                     Error::Kind::Failed);
    case SQLITE_IOERR:
        return Error(u"Při práci s tabulkou %1 selhal disk (%2)."_s.arg(file, engine),
                     Error::Kind::Failed);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Error(u"Do tabulky %1 nelze zapisovat, soubor nebo jeho složka je jen pro čtení "
                     "(%2)."_s.arg(file, engine),
                     Error::Kind::Failed);
    case SQLITE_CANTOPEN:
        return Error(u"Tabulku %1 nelze otevřít (%2)."_s.arg(file, engine), Error::Kind::Failed);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Error(u"Tabulku %1 právě zapisuje jiný program (%2)."_s.arg(file, engine),
                     Error::Kind::Failed);
    case SQLITE_CONSTRAINT:
        // A step reports the primary code only; which constraint failed is in the extended one.
        if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY)
            return Error(u"Záznam se stejným klíčem již v tabulce je (%1)."_s.arg(engine));
        return Error(engine);
    case SQLITE_TOOBIG:
    case SQLITE_MISMATCH:
    case SQLITE_RANGE:
        return Error(engine);
    default:
        return Error(engine, Error::Kind::Failed);
    }
}

QString damagedTableMessage(const QString& path, const QString& detail) {
    return u"Tabulka %1 je poškozená (%2). Co přesně je špatně, ukáže kontrola dat: v programu "
           "Soubor → Kontrola dat, na příkazovém řádku lexiton-cli check."_s.arg(
               QDir::toNativeSeparators(path), detail);
}

QString connectionPath(sqlite3* db) {
    const char* name = sqlite3_db_filename(db, "main");
    return QString::fromUtf8(name ? name : "");
}

} // namespace store
