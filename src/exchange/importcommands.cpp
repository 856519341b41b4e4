#include "exchange/importcommands.h"

#include "core/czechplural.h"
#include "core/messages.h"
#include "core/usererror.h"
#include "exchange/dictionarycursor.h"
#include "exchange/foreigncolumn.h"
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

// One line for each kind of line that gave no entry; empty when every line was read.
QString malformedLinesWarning(const MalformedLines& malformed) {
    QStringList lines;
    if (const int count = malformed.withoutSecondTab) {
        lines << core::czechCount(count, u"Nenačten %1 řádek", u"Nenačteny %1 řádky",
                                  u"Nenačteno %1 řádků") +
                     u" bez druhého tabulátoru (řádek má tvar česky TAB cize TAB lekce TAB "
                     u"popis)."_s;
    }
    if (const int count = malformed.secondTabTooFar) {
        lines << core::czechCount(count, u"Nenačten %1 řádek", u"Nenačteny %1 řádky",
                                  u"Nenačteno %1 řádků") +
                     u": druhý tabulátor leží dál než 255 znaků za prvním, cizí výraz je "
                     u"příliš dlouhý."_s;
    }
    return lines.join(u'\n');
}

} // namespace

QString importFailureMessage(const QString& reason) {
    return u"Chyba importu. Slovník zůstal beze změny. Hlášení zní: "_s + reason;
}

std::optional<ImportCount> runTextImport(TextLayout layout, store::Cursor& dictionary,
                                         const QString& path, core::Messages& messages,
                                         const Progress& progress, const BeforeChange& beforeChange,
                                         const core::CodePage& foreign) {
    if (!requireOpenDictionary(dictionary, messages) || !messages.confirm(question(layout)))
        return std::nullopt;
    return reportingImportEnd(messages, [&]() -> std::optional<ImportCount> {
        bool unicode = false;
        QStringList lines = readImportLines(path, &unicode);
        if (!unicode && !foreign.isWindows1250())
            lines = foreignColumnFromFile(std::move(lines), ForeignColumn(foreign),
                                          layout == TextLayout::LinePairs);
        if (!prepareChange(beforeChange, messages))
            return std::nullopt;
        ImportCount count = layout == TextLayout::LinePairs
                                ? importLinePairs(dictionary, lines, progress)
                                : importTabSeparated(dictionary, lines, progress);
        messages.information(countMessage(count));
        if (const QString warning = malformedLinesWarning(count.malformed); !warning.isEmpty())
            messages.warning(warning);
        return count;
    });
}

std::optional<ImportCount> runDictionaryImport(store::Cursor& dictionary,
                                               const DictionaryImportChoice& choice,
                                               core::Messages& messages, const Progress& progress,
                                               const BeforeChange& beforeChange) {
    if (!requireOpenDictionary(dictionary, messages) || !prepareChange(beforeChange, messages))
        return std::nullopt;
    try {
        ImportCount count = importDictionary(dictionary, choice, progress);
        messages.information(countMessage(count));
        return count;
    } catch (const ImportStopped&) {
        messages.information(kImportStoppedMessage.toString());
    } catch (const store::Error& error) {
        messages.error(u"Chyba importu. Slovník zůstal beze změny. Chyba: "_s + error.message());
    }
    return std::nullopt;
}

} // namespace exchange
