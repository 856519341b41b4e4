#include "exchange/peercommands.h"

#include "core/czechplural.h"
#include "core/fileerror.h"
#include "core/messages.h"
#include "exchange/ankitext.h"
#include "exchange/exportcommands.h"
#include "exchange/importcommands.h"
#include "exchange/kvtmlreader.h"
#include "store/error.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

QString formatName(PeerFormat format) {
    return format == PeerFormat::Kvtml ? u"kvtml (KWordQuiz, Parley)"_s : u"Anki nebo Mnemosyne"_s;
}

// What the file says, else what the user said before.
std::optional<CzechColumn> firstKnown(std::optional<CzechColumn> file,
                                      std::optional<CzechColumn> chosen) {
    return file ? file : chosen;
}

// Asks which language is Czech, with the default of the files seen: foreign first.
CzechColumn askCzechColumn(const QString& first, const QString& second, core::Messages& messages) {
    return messages.ask(u"Soubor neříká, který jazyk je čeština.\nJsou výrazy prvního jazyka „%1“ "
                        u"cizojazyčné a výrazy druhého „%2“ české?"_s.arg(first, second))
               ? CzechColumn::Second
               : CzechColumn::First;
}

PeerEntries readPeerFile(PeerFormat format, const QString& path, std::optional<CzechColumn> czech,
                         core::Messages& messages) {
    if (format == PeerFormat::Kvtml) {
        KvtmlContent content = readKvtmlFile(path);
        const std::optional<CzechColumn> column = firstKnown(czechColumnByLocale(content), czech);
        const CzechColumn chosen = column ? *column
                                          : askCzechColumn(content.identifiers[0].name,
                                                           content.identifiers[1].name, messages);
        return kvtmlEntries(std::move(content), chosen);
    }
    const AnkiContent content = readAnkiTextFile(path);
    const std::optional<CzechColumn> column = firstKnown(content.czech, czech);
    return ankiEntries(content,
                       column ? *column : askCzechColumn(u"1. pole"_s, u"2. pole"_s, messages));
}

} // namespace

std::optional<ImportCount> runPeerImport(PeerFormat format, store::Cursor& dictionary,
                                         const QString& path, core::Messages& messages,
                                         std::optional<CzechColumn> czech, const Progress& progress,
                                         const BeforeChange& beforeChange) {
    if (!requireOpenDictionary(dictionary, messages) ||
        !messages.confirm(
            u"Opravdu přidat slovíčka z vybraného souboru %1 ?"_s.arg(formatName(format))))
        return std::nullopt;
    return reportingImportEnd(messages, [&]() -> std::optional<ImportCount> {
        const PeerEntries read = readPeerFile(format, path, czech, messages);
        if (!prepareChange(beforeChange, messages))
            return std::nullopt;
        ImportCount count = importPeerEntries(dictionary, read, progress);
        messages.information(countMessage(count));
        if (read.withoutExpression > 0) {
            messages.warning(core::czechCount(read.withoutExpression, u"Přeskočen %1 záznam",
                                              u"Přeskočeny %1 záznamy", u"Přeskočeno %1 záznamů") +
                             u" bez českého nebo cizího výrazu."_s);
        }
        return count;
    });
}

std::optional<ExportResult> runPeerExport(PeerFormat format, store::Cursor& dictionary,
                                          const QString& path, const KvtmlNames& names,
                                          core::Messages& messages, const Progress& progress) {
    if (!requireOpenDictionary(dictionary, messages) || !confirmExport(dictionary, messages))
        return std::nullopt;
    try {
        return format == PeerFormat::Kvtml
                   ? exportKvtml(dictionary, names, path, progress)
                   : exportAnkiText(dictionary, names.otherLanguage, path, progress);
    } catch (const core::UserError& error) {
        messages.error(u"Není možné zapsat soubor %1, zkontroluj volné místo na disku.\nHlášení "
                       u"zní: %2"_s.arg(path, error.message()));
    }
    return std::nullopt;
}

} // namespace exchange
