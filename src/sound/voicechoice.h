#pragma once

#include <QString>

#include <optional>

namespace sound {

// The espeak-ng voice that speaks a language named as dictionaries name it in Czech
// ("Angličtina" → "en", "Ruština" → "ru"); nothing for a name the table does not know, whose
// voice the user then gives.
std::optional<QString> voiceForLanguage(const QString& languageName);

// The voice of a dictionary: the one its settings name, else the one of its language.
std::optional<QString> dictionaryVoice(const QString& settingsVoice, const QString& languageName);

} // namespace sound
