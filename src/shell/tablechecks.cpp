#include "shell/tablechecks.h"

#include "store/cursor.h"
#include "store/error.h"

namespace shell {
namespace {

bool opens(const QString& folder, const QString& fileName, QString& failure) {
    store::Cursor table;
    table.setDatabaseName(folder);
    table.setTableName(fileName);
    try {
        table.open();
        table.first(); // a damaged file shows itself on the first read
        return true;
    } catch (const store::Error& error) {
        failure = error.message();
        return false;
    }
}

} // namespace

std::optional<QString> checkExamTables(const app::RunState& state) {
    QString failure;
    if (!opens(state.userFolder(), QStringLiteral("exam.db"), failure))
        return QStringLiteral("Není možné otevřít databázi \"exam.db\" v adresari "
                              "uzivatele.\r\nHlášení zní: \r\n") +
               failure;
    // The third file is runzn.db, although its message has always named it znrun.db.
    const std::pair<const char*, const char*> workingTables[] = {
        {"runtime.db", "runtime.db"}, {"deprun.db", "deprun.db"}, {"runzn.db", "znrun.db"}};
    for (const auto& [fileName, shownName] : workingTables) {
        if (!opens(state.otherFolder(), QString::fromLatin1(fileName), failure))
            return QStringLiteral("Není možné otevřít databázi \"%1\" v adresari _other_.\r\n"
                                  "Hlášení zní: \r\n")
                       .arg(QString::fromLatin1(shownName)) +
                   failure;
    }
    return std::nullopt;
}

} // namespace shell
