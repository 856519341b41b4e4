// The commands that look at dictionaries and words.
#include "clicontext.h"
#include "commands.h"
#include "core/czechplural.h"

#include "dictionary/dictionaryfolders.h"
#include "entry/normalizetestword.h"
#include "entry/regeneration.h"
#include "exchange/dictionarycursor.h"
#include "sound/soundfilename.h"
#include "store/cursor.h"
#include "store/error.h"
#include "store/tablecheck.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

std::vector<Command> exchangeCommands();
std::vector<Command> safetyCommands();
std::vector<Command> soundCommands();
std::vector<Command> statsCommands();

namespace {

using namespace Qt::StringLiterals;

// The size in words; a dictionary that cannot be read is listed as such and its reason
// told as an error, so that the listing ends with a failure. Damage the count would not
// read through is looked for in every page.
QString dictionarySize(Context& context, const QString& folder) {
    try {
        const QString path = QDir(folder).filePath(u"dictonary.db"_s);
        const store::TableCheck check =
            store::checkTableFile(path, u"dictonary"_s, store::CheckDepth::Pages);
        if (!check.ok())
            throw store::Error(store::damagedTableMessage(path, check.findings.join(u"; "_s)));
        store::Cursor dictionary;
        exchange::openDictionaryTable(dictionary, folder);
        return core::czechCount(dictionary.recordCount(), u"%1 slovíčko", u"%1 slovíčka",
                                u"%1 slovíček");
    } catch (const store::Error& error) {
        context.messages.error(error.message());
        return u"nelze otevřít"_s;
    }
}

int list(Context& context, const QCommandLineParser&) {
    for (const QString& user : context.users()) {
        const QString userFolder = QDir(context.applicationFolder()).filePath(user);
        for (const QString& name : dictionary::listDictionaries(userFolder))
            printOut(user + u'\t' + name + u'\t' +
                     dictionarySize(context, QDir(userFolder).filePath(name)));
    }
    return 0;
}

int regenerate(Context& context, const QCommandLineParser&) {
    store::Cursor dictionary;
    context.openDictionary(dictionary);
    context.safetyCopyBefore(shell::BulkWork::Regeneration)();
    printOut(entry::regenerationDone(entry::regenerate(dictionary)));
    return 0;
}

int normalize(Context& context, const QCommandLineParser& parser) {
    const entry::TestWordRules rules =
        context.namesDictionary() ? context.rules() : entry::TestWordRules{};
    for (const QString& text : parser.positionalArguments())
        printOut(entry::normalizeTestWord(text, rules));
    return 0;
}

// With a dictionary, in the code page of its foreign words.
int soundName(Context& context, const QCommandLineParser& parser) {
    const core::CodePage& codePage =
        context.namesDictionary() ? context.foreignCodePage() : core::CodePage::windows1250();
    for (const QString& text : parser.positionalArguments())
        printOut(sound::soundFileName(text, codePage));
    return 0;
}

} // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> all = [] {
        std::vector<Command> list = {
            {u"list"_s,
             u"Slovníky uživatelů (nebo jen uživatele --user) a jejich velikost."_s,
             {},
             cli::list},
            {u"regenerate"_s,
             u"Přegeneruje zkoušecí slova slovníku podle jeho code.ini."_s,
             {},
             regenerate,
             true},
            {u"normalize"_s,
             u"Zkoušecí slovo každého argumentu podle code.ini slovníku (bez slovníku podle "
             "výchozích pravidel)."_s,
             {},
             normalize},
            {u"soundname"_s, u"Jméno zvukového souboru každého argumentu."_s, {}, soundName},
        };
        for (const auto group : {exchangeCommands, safetyCommands, soundCommands, statsCommands}) {
            for (Command& command : group())
                list.push_back(std::move(command));
        }
        return list;
    }();
    return all;
}

} // namespace cli
