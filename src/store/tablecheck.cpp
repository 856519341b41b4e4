#include "store/tablecheck.h"

#include "store/czechcollation.h"
#include "store/error.h"
#include "store/tablefile.h"
#include "store/tablekinds.h"
#include "store/tableschema.h"

#include <QFile>
#include <QMap>
#include <sqlite3.h>

#include <memory>

namespace store {
namespace {

using namespace Qt::StringLiterals;

// Integrity findings shown at most; the data check names the file, not every page.
constexpr int kEngineFindingsShown = 5;

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Connection openConnection(const QString& path, int flags) {
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                     flags | SQLITE_OPEN_NOMUTEX, nullptr);
    Connection connection(db, &sqlite3_close);
    if (code != SQLITE_OK)
        throw Error(u"soubor nelze otevřít (%1)"_s.arg(QString::fromUtf8(sqlite3_errmsg(db))));
    registerCzechCollation(db);
    sqlite3_busy_timeout(db, 2000);
    return connection;
}

// A file the check cannot read through, with the engine's text.
Error unreadable(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    const QString engine = QString::fromUtf8(sqlite3_errmsg(db));
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        return Error(u"soubor je poškozený, SQLite ho nedokáže přečíst (%1)"_s.arg(engine));
    return Error(u"soubor nelze přečíst (%1)"_s.arg(engine));
}

// Every row of a query, its columns joined by a TAB.
QStringList rows(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw unreadable(db);
    QStringList result;
    int code;
    while ((code = sqlite3_step(stmt)) == SQLITE_ROW) {
        QStringList columns;
        for (int column = 0; column < sqlite3_column_count(stmt); ++column)
            columns << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
        result << columns.join(u'\t');
    }
    const Error error = unreadable(db);
    sqlite3_finalize(stmt);
    if (code != SQLITE_DONE)
        throw error;
    return result;
}

QString firstValue(sqlite3* db, const char* sql) {
    const QStringList found = rows(db, sql);
    return found.isEmpty() ? QString() : found.first();
}

void checkIntegrity(sqlite3* db, CheckDepth depth, QStringList& findings) {
    QStringList reported;
    try {
        reported = rows(db, depth == CheckDepth::Full ? "PRAGMA integrity_check(100)"
                                                      : "PRAGMA quick_check(100)");
    } catch (const Error&) {
        // The full check stops at the first page it cannot read; the pages' check goes on
        // and says which pages are wrong.
        if (depth == CheckDepth::Pages)
            throw;
        reported = rows(db, "PRAGMA quick_check(100)");
    }
    if (reported == QStringList{u"ok"_s})
        return;
    // A row may hold several findings, a line each.
    reported = reported.join(u'\n').remove(u"*** in database main ***"_s).split(u'\n');
    for (QString& line : reported)
        line = line.simplified();
    reported.removeAll(QString());
    QString finding =
        u"SQLite hlásí poškození: "_s + reported.mid(0, kEngineFindingsShown).join(u"; "_s);
    if (reported.size() > kEngineFindingsShown)
        finding += u" a další (%1 hlášení)"_s.arg(reported.size());
    findings << finding;
}

// The kind the file says it holds, when it is a table of this program of a version known here.
const TableKind* checkIdentity(sqlite3* db, const QString& expectedKind, int& version,
                               QStringList& findings) {
    if (firstValue(db, "PRAGMA application_id").toInt() != kApplicationId) {
        findings << u"není tabulkou programu Lexiton"_s;
        return nullptr;
    }
    const QString kindName = firstValue(db, "SELECT value FROM lexiton_meta WHERE key = 'table'");
    if (kindName != expectedKind)
        findings << u"je tabulkou druhu „%1“, na tomto místě má být „%2“"_s.arg(kindName,
                                                                                expectedKind);
    const TableKind* kind = findTableKind(kindName);
    if (!kind)
        return nullptr;
    version = firstValue(db, "PRAGMA user_version").toInt();
    if (version > kind->latestVersion()) {
        findings << u"vytvořila ji novější verze programu (verze tabulky %1, tento program zná "
                    "nejvýš %2)"_s.arg(version)
                        .arg(kind->latestVersion());
        return nullptr;
    }
    if (version < 1) {
        findings << u"nemá platné číslo verze (%1)"_s.arg(version);
        return nullptr;
    }
    return kind;
}

// The file's tables and indexes by name, with their SQL; the named orders with their fields.
struct SchemaText {
    QMap<QString, QString> objects;
    QMap<QString, QString> orders;

    explicit SchemaText(sqlite3* db) {
        for (const QString& row : rows(db, "SELECT type || ' ' || name, sql FROM sqlite_master "
                                           "WHERE name NOT LIKE 'sqlite_autoindex%' ORDER BY name"))
            objects.insert(row.section(u'\t', 0, 0), row.section(u'\t', 1));
        for (const QString& row : rows(db, "SELECT name, fields FROM lexiton_indexes"))
            orders.insert(row.section(u'\t', 0, 0), row.section(u'\t', 1));
    }
};

QString shownName(const QString& name) {
    return name.isEmpty() ? u"primární klíč"_s : u"„%1“"_s.arg(name);
}

void checkSchema(sqlite3* db, const TableKind& kind, int version, QStringList& findings) {
    const Connection reference = openConnection(u":memory:"_s, SQLITE_OPEN_READWRITE);
    writeTableSchema(reference.get(), kind, version);
    const SchemaText expected(reference.get());
    const SchemaText found(db);
    for (const auto& [name, sql] : expected.objects.asKeyValueRange()) {
        if (!found.objects.contains(name))
            findings << u"chybí %1"_s.arg(name);
        else if (found.objects.value(name) != sql)
            findings << u"%1 má jinou podobu než ve verzi %2"_s.arg(name).arg(version);
    }
    for (const QString& name : found.objects.keys()) {
        if (!expected.objects.contains(name))
            findings << u"má navíc %1"_s.arg(name);
    }
    if (!found.orders.contains(QString()))
        findings << u"chybí řazení podle primárního klíče"_s;
    for (const auto& [name, fields] : found.orders.asKeyValueRange()) {
        if (expected.orders.value(name, fields + u'?') != fields)
            findings << u"řazení %1 (%2) tento druh tabulky nezná"_s.arg(shownName(name), fields);
    }
}

} // namespace

TableCheck checkTableFile(const QString& path, const QString& expectedKind, CheckDepth depth) {
    TableCheck check;
    // Each part reports on its own: a page the integrity check cannot read may still leave
    // the kind and the schema readable.
    const auto part = [&check](auto&& run) {
        try {
            run();
            return true;
        } catch (const Error& error) {
            check.findings << error.message();
            return false;
        }
    };
    Connection db(nullptr, &sqlite3_close);
    if (!part([&] { db = openConnection(path, SQLITE_OPEN_READONLY); }))
        return check;
    part([&] { checkIntegrity(db.get(), depth, check.findings); });
    part([&] {
        int version = 0;
        if (const TableKind* kind = checkIdentity(db.get(), expectedKind, version, check.findings))
            checkSchema(db.get(), *kind, version, check.findings);
    });
    return check;
}

} // namespace store
