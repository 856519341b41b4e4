#pragma once

#include "core/codepage.h"

#include <QString>

#include <optional>

namespace sound {

// The sound of a test word in a dictionary's sound folder: the wave file named by
// soundFileName(key) if there is one, else the MP3 file of that name, else nothing. The folder
// ends with "/".
std::optional<QString>
findSoundFile(const QString& soundFolder, const QString& key,
              const core::CodePage& codePage = core::CodePage::windows1250());

// The sound kept under a path without its extension, such as the program's own greetings:
// base + ".wav" if that file exists, else base + ".mp3" if that one does, else nothing.
std::optional<QString> findSoundFile(const QString& base);

} // namespace sound
