// The commands that keep a user's data safe: the data check and the safety copies.
#include "clicontext.h"
#include "commands.h"

#include "shell/datacheck.h"
#include "shell/safetycopies.h"
#include "store/error.h"

#include <QDateTime>

namespace cli {
namespace {

using namespace Qt::StringLiterals;

int check(Context& context, const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty())
        throw CommandError(u"Kontrola dat nemá argumenty."_s);
    QStringList users;
    try {
        users = context.users();
    } catch (const store::Error&) {
        // The users table cannot be read: the report says what is wrong with it.
    }
    const shell::DataCheckReport report = shell::checkData(context.applicationFolder(), users);
    for (const QString& line : report.lines())
        printOut(line);
    return report.ok() ? 0 : 1;
}

int restore(Context& context, const QCommandLineParser& parser) {
    shell::SafetyCopies copies(context.dictionaryFolder());
    const std::vector<shell::SafetyCopy> kept = copies.list();
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        if (kept.empty())
            printOut(u"Slovník nemá žádnou bezpečnostní kopii."_s);
        for (size_t i = 0; i < kept.size(); ++i)
            printOut(QString::number(i + 1) + u'\t' + kept[i].text());
        return 0;
    }
    bool ok = false;
    const qsizetype number = arguments.first().toLongLong(&ok);
    if (arguments.size() != 1 || !ok || number < 1 || number > qsizetype(kept.size()))
        throw CommandError(
            u"Očekávám číslo bezpečnostní kopie od 1 do %1 (bez čísla je vypíšu)."_s.arg(
                kept.size()));
    const shell::SafetyCopy& chosen = kept[size_t(number - 1)];
    copies.restore(chosen, QDateTime::currentDateTime());
    printOut(u"Slovník „%1“ je vrácen do stavu z %2. Stav před obnovením je uložen jako "
             "nejnovější bezpečnostní kopie."_s.arg(context.dictionaryName(), chosen.text()));
    return 0;
}

} // namespace

std::vector<Command> safetyCommands() {
    return {
        {u"check"_s,
         u"Kontrola dat: tabulky složky aplikace a uživatelů (nebo jen uživatele --user). "
         "Nic nemění; při chybě končí nenulovým kódem."_s,
         {},
         check},
        {u"restore"_s,
         u"Bezpečnostní kopie slovníku; s číslem kopie vrátí slovník do jejího stavu."_s,
         {},
         restore,
         true},
    };
}

} // namespace cli
