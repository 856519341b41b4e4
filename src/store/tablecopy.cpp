#include "store/tablecopy.h"

#include "store/error.h"
#include "store/tablefile.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include <memory>

namespace store {
namespace {

using namespace Qt::StringLiterals;

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Connection openPlain(const QString& path, int flags) {
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                     flags | SQLITE_OPEN_NOMUTEX, nullptr);
    Connection connection(db, &sqlite3_close);
    if (code != SQLITE_OK)
        throw engineError(db, code, path);
    sqlite3_busy_timeout(db, 2000);
    return connection;
}

// Copies every page of the source's main database into the target's in one step.
void copyPages(sqlite3* target, sqlite3* source, const QString& sourcePath,
               const QString& targetPath) {
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup)
        throw engineError(target, sqlite3_errcode(target), targetPath);
    const int step = sqlite3_backup_step(backup, -1);
    const int finish = sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE) {
        // A page the source cannot give is the source's fault; anything else the target's.
        const int sourceCode = sqlite3_errcode(source);
        if (sourceCode != SQLITE_OK && sourceCode != SQLITE_DONE)
            throw engineError(source, sourceCode, sourcePath);
        throw engineError(target, step, targetPath);
    }
    if (finish != SQLITE_OK)
        throw engineError(target, finish, targetPath);
}

} // namespace

void copyTableFile(const QString& source, const QString& target) {
    if (QFileInfo::exists(target))
        throw Error(u"Soubor %1 již existuje."_s.arg(target), Error::Kind::Failed);
    const QString partial = target + u".part"_s;
    QFile::remove(partial);
    try {
        {
            const Connection from = openPlain(source, SQLITE_OPEN_READONLY);
            const Connection to = openPlain(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            // A new file needs no journal: a failed copy is thrown away whole. The commit
            // forces the pages to the disk before the file takes its name.
            if (const int code =
                    sqlite3_exec(to.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = FULL",
                                 nullptr, nullptr, nullptr);
                code != SQLITE_OK)
                throw engineError(to.get(), code, partial);
            copyPages(to.get(), from.get(), source, partial);
            // The pages say how the source keeps its log; the copy keeps none, so that it
            // can be read without writing anything beside it.
            if (const int code = sqlite3_exec(to.get(), "PRAGMA journal_mode = DELETE", nullptr,
                                              nullptr, nullptr);
                code != SQLITE_OK)
                throw engineError(to.get(), code, partial);
        }
        if (!QFile::rename(partial, target))
            throw Error(u"Kopii %1 nelze pojmenovat %2."_s.arg(partial, target),
                        Error::Kind::Failed);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

void restoreTableFile(const QString& copy, const QString& table) {
    const Connection from = openPlain(copy, SQLITE_OPEN_READONLY);
    const Connection to(openConnection(table, false), &sqlite3_close);
    copyPages(to.get(), from.get(), copy, table);
}

} // namespace store
