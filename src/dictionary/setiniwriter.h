#pragma once

#include "core/messages.h"
#include "dictionary/setini.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace dictionary {

// Every writer replaces set.ini as a whole, so a failure (core::FileError) leaves the old file.

// A prepared settings set split into its settings and its note: the note block runs from a
// line starting with "{[..memo..]}" to a line starting with "{[..endmemo..]}", both left out;
// a note block that is not closed runs to the end.
struct SplitSettingsSet {
    QStringList settings;
    QStringList note;
};
SplitSettingsSet splitNote(const QStringList& lines);

// The set.ini of a dictionary set up by hand: language, the shared Sounds folder, the three
// fonts, the hot keys of the application's key.ini and the note. When key.ini cannot be read
// the user is told and the file is written without hot keys. Returns the characters that
// Windows-1250 cannot hold and that were written as '?'.
QList<char32_t> writeManualSetIni(core::Messages& messages, const QString& setIniPath,
                                  const QString& keyIniPath, const QString& language,
                                  const DictionaryFonts& fonts, const QStringList& note);

// The set.ini made from a settings set: the set's settings, then one note with the given
// lines followed by the set's own note. The set is read before anything is written.
QList<char32_t> writeSetIniFromSet(const QString& setIniPath, const QString& settingsSetPath,
                                   const QStringList& note);

// Adds the line "voice=" with the voice that speaks the dictionary's words.
void appendVoiceLine(const QString& setIniPath, const QString& voice);

// Dictionaries made before each had its own code.ini get a copy of the user's; the user is
// told how it went. Nothing happens when the dictionary already has one.
void ensureDictionaryCodeIni(core::Messages& messages, const QString& userFolder,
                             const QString& dictionaryFolder);

// Replaces the dictionary's settings by a settings set, keeping its note and adding the set's
// note below it. If the set or the current set.ini cannot be read, core::FileError is raised
// and set.ini stays as it was; a dictionary without set.ini simply has no note to keep.
void replaceSettingsBySet(const QString& dictionaryFolder, const QString& settingsSetPath);

} // namespace dictionary
