// The commands that move words in and out of a dictionary.
#include "clicontext.h"
#include "commands.h"
#include "core/czechplural.h"

#include "dictionary/setini.h"
#include "dictionary/wordlist.h"
#include "exchange/exportcommands.h"
#include "exchange/importcommands.h"
#include "exchange/peercommands.h"
#include "store/cursor.h"

#include <QDir>

namespace cli {
namespace {

using namespace Qt::StringLiterals;

QString singleArgument(const QCommandLineParser& parser, const QString& what) {
    if (parser.positionalArguments().size() != 1)
        throw CommandError(u"Očekávám právě jeden argument: %1."_s.arg(what));
    return parser.positionalArguments().first();
}

int lessonOption(const QCommandLineParser& parser) {
    bool ok = false;
    const int lesson = parser.value(u"lesson"_s).toInt(&ok);
    if (!ok || lesson < 0)
        throw CommandError(u"Lekce musí být celé číslo od 0: %1."_s.arg(parser.value(u"lesson"_s)));
    return lesson;
}

// Prints the reasons of the first refusals, so that the user can find the lines.
int finishImport(const std::optional<exchange::ImportCount>& count) {
    if (!count)
        return 1;
    for (const QString& reason : count->reasons)
        printError(reason);
    if (count->refused > count->reasons.size())
        printError(core::czechCount(count->refused - static_cast<int>(count->reasons.size()),
                                    u"… a další %1 nepřidané slovíčko.",
                                    u"… a další %1 nepřidaná slovíčka.",
                                    u"… a dalších %1 nepřidaných slovíček."));
    return 0;
}

int importText(Context& context, const QCommandLineParser& parser, exchange::TextLayout layout) {
    const QString file = singleArgument(parser, u"soubor"_s);
    store::Cursor dictionary;
    context.openDictionary(dictionary);
    return finishImport(exchange::runTextImport(layout, dictionary, file, context.messages, {},
                                                context.safetyCopyBefore(shell::BulkWork::Import),
                                                context.foreignCodePage()));
}

int importDictionary(Context& context, const QCommandLineParser& parser) {
    exchange::DictionaryImportChoice choice{singleArgument(parser, u"slovník"_s), std::nullopt,
                                            parser.isSet(u"stats"_s)};
    if (parser.isSet(u"lesson"_s))
        choice.lesson = lessonOption(parser);
    store::Cursor dictionary;
    context.openDictionary(dictionary);
    return finishImport(
        exchange::runDictionaryImport(dictionary, choice, context.messages, {},
                                      context.safetyCopyBefore(shell::BulkWork::Import)));
}

void addViewOptions(QCommandLineParser& parser) {
    parser.addOption({u"lesson"_s, u"Jen slovíčka této lekce."_s, u"N"_s});
    parser.addOption({u"sort"_s, u"Řazení 0–3 jako v hlavním okně (výchozí 0)."_s, u"ITEM"_s});
}

// Opens the dictionary as the word list shows it: the sort item and the lesson filter.
QString openView(Context& context, const QCommandLineParser& parser, store::Cursor& dictionary) {
    context.openDictionary(dictionary);
    const int item = parser.value(u"sort"_s).toInt();
    if (item < 0 || item > 3)
        throw CommandError(u"Řazení musí být 0 až 3."_s);
    dictionary.setIndexName(
        dictionary::sortIndexName(item, dictionary.indexNames().contains(u"czechtoothernew"_s)));
    if (!parser.isSet(u"lesson"_s))
        return u"vše"_s;
    const QString lesson = QString::number(lessonOption(parser));
    dictionary.setFilter(dictionary::lessonFilterText(lesson));
    dictionary.setFiltered(true);
    return lesson;
}

int exportFile(Context& context, const QCommandLineParser& parser, bool html) {
    if (!parser.positionalArguments().isEmpty())
        throw CommandError(u"Export nemá argumenty."_s);
    store::Cursor dictionary;
    const QString lessonText = openView(context, parser, dictionary);
    const exchange::ExportFolders folders{context.applicationFolder(), context.userFolder()};
    std::optional<exchange::ExportResult> result;
    if (html) {
        const dictionary::DictionarySettings settings =
            dictionary::readSetIni(QDir(context.dictionaryFolder()).filePath(u"set.ini"_s));
        result = exchange::runHtmlExport(dictionary, folders,
                                         {lessonText, settings.czechLanguage.value_or(u"Česky"_s),
                                          settings.otherLanguage.value_or(u"Jiný jazyk"_s)},
                                         context.messages, nullptr);
    } else {
        result = exchange::runTxtExport(dictionary, folders, context.messages, nullptr, {},
                                        context.foreignCodePage());
    }
    if (!result)
        return 1;
    printOut(QDir::toNativeSeparators(html ? folders.htmlPath() : folders.txtPath()));
    return 0;
}

int importPeer(Context& context, const QCommandLineParser& parser, exchange::PeerFormat format) {
    const QString file = singleArgument(parser, u"soubor"_s);
    std::optional<exchange::CzechColumn> czech;
    if (parser.isSet(u"czech-first"_s))
        czech = exchange::CzechColumn::First;
    store::Cursor dictionary;
    context.openDictionary(dictionary);
    return finishImport(exchange::runPeerImport(format, dictionary, file, context.messages, czech,
                                                {},
                                                context.safetyCopyBefore(shell::BulkWork::Import)));
}

int exportPeer(Context& context, const QCommandLineParser& parser, exchange::PeerFormat format) {
    const QString file = singleArgument(parser, u"soubor"_s);
    store::Cursor dictionary;
    openView(context, parser, dictionary);
    const dictionary::DictionarySettings settings =
        dictionary::readSetIni(QDir(context.dictionaryFolder()).filePath(u"set.ini"_s));
    const exchange::KvtmlNames names{context.dictionaryName(),
                                     settings.otherLanguage.value_or(u"Jiný jazyk"_s)};
    return exchange::runPeerExport(format, dictionary, file, names, context.messages) ? 0 : 1;
}

void addPeerImportOptions(QCommandLineParser& parser) {
    parser.addOption({u"czech-first"_s, u"Když soubor neříká, který jazyk je čeština: první "
                                        u"(bez volby druhý)."_s});
}

} // namespace

std::vector<Command> exchangeCommands() {
    return {
        {u"import-txt"_s,
         u"Import řádků: řádek česky, řádek cize. Argument: soubor."_s,
         {},
         [](Context& c, const QCommandLineParser& p) {
             return importText(c, p, exchange::TextLayout::LinePairs);
         },
         true},
        {u"import-tsv"_s,
         u"Import řádků odděl. tabulátory (cz, jinak, lekce, popis). Argument: soubor."_s,
         {},
         [](Context& c, const QCommandLineParser& p) {
             return importText(c, p, exchange::TextLayout::TabSeparated);
         },
         true},
        {u"import-dict"_s, u"Import z jiného slovníku. Argument: dictonary.db nebo jeho složka."_s,
         [](QCommandLineParser& p) {
             p.addOption({u"stats"_s, u"Včetně statistiky."_s});
             p.addOption({u"lesson"_s, u"Jen slovíčka této lekce."_s, u"N"_s});
         },
         importDictionary, true},
        {u"export-txt"_s, u"Export do results/export.txt uživatele."_s, addViewOptions,
         [](Context& c, const QCommandLineParser& p) {
             return exportFile(c, p, false);
         }},
        {u"export-html"_s, u"Export do results/export.html uživatele podle šablony."_s,
         addViewOptions,
         [](Context& c, const QCommandLineParser& p) {
             return exportFile(c, p, true);
         }},
        {u"import-kvtml"_s, u"Import ze souboru kvtml (KWordQuiz, Parley). Argument: soubor."_s,
         addPeerImportOptions,
         [](Context& c, const QCommandLineParser& p) {
             return importPeer(c, p, exchange::PeerFormat::Kvtml);
         },
         true},
        {u"import-anki"_s, u"Import textu poznámek Anki nebo Mnemosyne. Argument: soubor."_s,
         addPeerImportOptions,
         [](Context& c, const QCommandLineParser& p) {
             return importPeer(c, p, exchange::PeerFormat::AnkiText);
         },
         true},
        {u"export-kvtml"_s, u"Export do souboru kvtml (KWordQuiz, Parley). Argument: soubor."_s,
         addViewOptions,
         [](Context& c, const QCommandLineParser& p) {
             return exportPeer(c, p, exchange::PeerFormat::Kvtml);
         }},
        {u"export-anki"_s, u"Export textu poznámek pro Anki a Mnemosyne. Argument: soubor."_s,
         addViewOptions,
         [](Context& c, const QCommandLineParser& p) {
             return exportPeer(c, p, exchange::PeerFormat::AnkiText);
         }},
    };
}

} // namespace cli
