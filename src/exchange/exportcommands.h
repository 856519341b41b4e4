#pragma once

#include "exchange/wordexport.h"

#include <QString>

#include <optional>

namespace core {
class Messages;
class SystemShell;
} // namespace core

namespace store {
class Cursor;
}

namespace exchange {

// Where the exports read and write: the template in the application folder's _other_, the
// results in the user folder's results (made when missing).
struct ExportFolders {
    QString applicationFolder;
    QString userFolder;

    QString templatePath() const;
    QString htmlPath() const;
    QString txtPath() const;
};

// "Celkem exportovat 12 slovíček": whether the user goes on with the export of the view.
bool confirmExport(store::Cursor& dictionary, core::Messages& messages);

// The export commands as the user runs them: the check for an open dictionary, the
// confirmation with the number of entries, the export, a warning about characters written
// as "?", and opening the file with the system's program (when a shell is given; a warning
// names the file when the system cannot open it). Give nothing back when the user stopped
// or the export failed (its message shown).
std::optional<ExportResult> runHtmlExport(store::Cursor& dictionary, const ExportFolders& folders,
                                          const HtmlExportHeadings& headings,
                                          core::Messages& messages, core::SystemShell* shell,
                                          const Progress& progress = {});
std::optional<ExportResult>
runTxtExport(store::Cursor& dictionary, const ExportFolders& folders, core::Messages& messages,
             core::SystemShell* shell, const Progress& progress = {},
             const core::CodePage& foreign = core::CodePage::windows1250());

} // namespace exchange
