#include "exchange/importcommands.h"

#include "core/messages.h"
#include "core/usererror.h"
#include "exchange/dictionarycursor.h"
#include "exchange/textfilelines.h"
#include "exchange/textimport.h"
#include "store/error.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

QString question(TextLayout layout) {
    if (layout == TextLayout::LinePairs)
        return u"Opravdu přidat slovíčka z vybraného TXT souboru ? První řadek české slovo, "
               "druhý cizojazyčné a tak dál."_s;
    return u"Opravdu přidat slovíčka z vybraného TXT souboru ?\n"
           " Formát Česky TABULATOR Jinojazyčně TABULATOR Lekce TABULATOR Popis KONEC ŘÁDKU.\n"
           "  Lekce a popis nejsou povinné."_s;
}

QString textImportFailure(const QString& reason) {
    return u"Chyba importu. Hlášení zní: "_s + reason;
}

} // namespace

std::optional<ImportCount> runTextImport(TextLayout layout, store::Cursor& dictionary,
                                         const QString& path, core::Messages& messages,
                                         const Progress& progress) {
    if (!requireOpenDictionary(dictionary, messages) || !messages.confirm(question(layout)))
        return std::nullopt;
    try {
        const QStringList lines = readImportLines(path);
        ImportCount count = layout == TextLayout::LinePairs
                                ? importLinePairs(dictionary, lines, progress)
                                : importTabSeparated(dictionary, lines, progress);
        messages.information(countMessage(count));
        if (count.malformedLines > 0) {
            messages.warning(u"Nenačteno %1 řádků bez druhého tabulátoru (řádek má tvar "
                             u"česky TAB cize TAB lekce TAB popis)."_s.arg(count.malformedLines));
        }
        return count;
    } catch (const core::UserError& error) {
        messages.error(textImportFailure(error.message()));
    }
    return std::nullopt;
}

std::optional<ImportCount> runDictionaryImport(store::Cursor& dictionary,
                                               const DictionaryImportChoice& choice,
                                               core::Messages& messages, const Progress& progress) {
    if (!requireOpenDictionary(dictionary, messages))
        return std::nullopt;
    try {
        ImportCount count = importDictionary(dictionary, choice, progress);
        messages.information(countMessage(count));
        return count;
    } catch (const store::Error& error) {
        messages.error(u"Chyba importu. Chyba: "_s + error.message());
    }
    return std::nullopt;
}

} // namespace exchange
