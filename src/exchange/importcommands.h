#pragma once

#include "core/codepage.h"
#include "core/messages.h"
#include "core/usererror.h"
#include "exchange/dictionarycursor.h"
#include "exchange/dictionaryimport.h"
#include "exchange/entryimporter.h"

#include <QString>

#include <optional>

namespace store {
class Cursor;
}

namespace exchange {

enum class TextLayout {
    LinePairs,    // "Import z TXT řádek česky, řádek cize"
    TabSeparated, // "Import z TXT odděl. tabulátory (cz,jinak,lekce,popis)"
};

// An import is one unit: a failure leaves nothing of it behind, and its message says so.
QString importFailureMessage(const QString& reason);
// And a stopped one says that nothing changed.
inline constexpr QStringView kImportStoppedMessage = u"Import přerušen. Slovník zůstal beze změny.";

// Runs an import command's work and tells the user when the import was stopped or failed.
template <typename Work>
std::optional<ImportCount> reportingImportEnd(core::Messages& messages, Work work) {
    try {
        return work();
    } catch (const ImportStopped&) {
        messages.information(kImportStoppedMessage.toString());
    } catch (const core::UserError& error) {
        messages.error(importFailureMessage(error.message()));
    }
    return std::nullopt;
}

// The import commands as the user runs them, after the file (and lesson) choice: the
// confirmation, the step before the change, the import on the dictionary cursor, and the
// closing count message or the failure message. A text file that is not UTF-8 holds the
// foreign words in the given code page. Give nothing back when the user stopped or
// the import failed.
std::optional<ImportCount>
runTextImport(TextLayout layout, store::Cursor& dictionary, const QString& path,
              core::Messages& messages, const Progress& progress = {},
              const BeforeChange& beforeChange = {},
              const core::CodePage& foreign = core::CodePage::windows1250());
std::optional<ImportCount> runDictionaryImport(store::Cursor& dictionary,
                                               const DictionaryImportChoice& choice,
                                               core::Messages& messages,
                                               const Progress& progress = {},
                                               const BeforeChange& beforeChange = {});

} // namespace exchange
