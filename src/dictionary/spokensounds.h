#pragma once

#include "dictionary/setini.h"
#include "sound/missingsounds.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace store {
class Cursor;
}

namespace dictionary {

// The foreign test words of the entries the cursor's view shows (its filter, its order),
// read without moving the cursor.
QStringList viewTestWords(store::Cursor& cursor);

// The espeak-ng voice of the dictionary: its "voice=" line, else the voice of its language's
// name; nothing when neither gives one.
std::optional<QString> dictionaryVoice(const DictionarySettings& settings);

// The work of giving the view's words without a sound a spoken one, in the dictionary's sound
// folder (made when missing) and the code page of its foreign words. Raises core::UserError
// when the dictionary has no sound folder.
sound::MissingSounds missingSounds(store::Cursor& view, const DictionarySettings& settings,
                                   const QString& applicationFolder,
                                   const sound::WaveFormat& format);

// "Pro jazyk … nemám hlas syntézy řeči …": what to tell when no voice is known.
QString unknownVoiceMessage(const DictionarySettings& settings);

} // namespace dictionary
