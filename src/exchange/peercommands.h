#pragma once

#include "exchange/dictionarycursor.h"
#include "exchange/kvtmlwriter.h"
#include "exchange/peerentries.h"

#include <QString>

#include <optional>

namespace core {
class Messages;
}

namespace store {
class Cursor;
}

namespace exchange {

// The files of other trainers: KDE's kvtml (KWordQuiz, Parley) and the notes in plain text of
// Anki and Mnemosyne.
enum class PeerFormat { Kvtml, AnkiText };

// The import of another trainer's file as the user runs it: the confirmation, the reading of
// the whole file (a damaged one changes nothing and its message names the line), the
// question which language is Czech when the file does not say and czech does not either,
// the step before the change, the import, the count message and a warning about entries
// without an expression. Gives nothing back when the user stopped or the import failed.
std::optional<ImportCount> runPeerImport(PeerFormat format, store::Cursor& dictionary,
                                         const QString& path, core::Messages& messages,
                                         std::optional<CzechColumn> czech = std::nullopt,
                                         const Progress& progress = {},
                                         const BeforeChange& beforeChange = {});

// The export of the cursor's view to another trainer's file, after the confirmation with the
// number of entries. Gives nothing back when the user stopped or the file could not be
// written (its message shown).
std::optional<ExportResult> runPeerExport(PeerFormat format, store::Cursor& dictionary,
                                          const QString& path, const KvtmlNames& names,
                                          core::Messages& messages, const Progress& progress = {});

} // namespace exchange
