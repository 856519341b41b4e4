// The progress of the user's exams and of the dictionary's lessons.
#include "clicontext.h"
#include "commands.h"

#include "exam/progressdata.h"
#include "exam/ui/progresscharts.h"
#include "store/cursor.h"

#include <QDir>

namespace cli {
namespace {

using namespace Qt::StringLiterals;

int stats(Context& context, const QCommandLineParser& parser) {
    if (context.user().isEmpty())
        throw CommandError(u"Příkaz potřebuje uživatele (--user)."_s);
    store::Cursor dictionary;
    if (context.namesDictionary())
        context.openDictionary(dictionary);
    const exam::ProgressData data =
        exam::computeProgress(context.userFolder(), dictionary, context.settings().gradeThresholds);
    printOut(data.noHistory()
                 ? u"V historii zatím není žádné dokončené zkoušení."_s
                 : u"Dokončených zkoušení: %1, týdnů: %2, lekcí: %3"_s.arg(data.exams.size())
                       .arg(data.weeks.size())
                       .arg(data.lessons.size()));
    if (!parser.isSet(u"png"_s))
        return 0;
    if (!exam::saveProgressPng(data, parser.value(u"png"_s))) {
        printError(u"Obrázek nelze zapsat do souboru %1."_s.arg(parser.value(u"png"_s)));
        return 1;
    }
    return 0;
}

} // namespace

std::vector<Command> statsCommands() {
    return {{u"stats"_s, u"Pokroky: úspěšnost zkoušení, zkoušení za týden, známá slovíčka lekcí."_s,
             [](QCommandLineParser& p) {
                 p.addOption({u"png"_s, u"Grafy uložit do souboru PNG."_s, u"FILE"_s});
             },
             stats}};
}

} // namespace cli
