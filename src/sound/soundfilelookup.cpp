#include "sound/soundfilelookup.h"

#include "sound/soundfilename.h"

#include <QFileInfo>

namespace sound {

using namespace Qt::StringLiterals;

std::optional<QString> findSoundFile(const QString& soundFolder, const QString& key,
                                     const core::CodePage& codePage) {
    Q_ASSERT(soundFolder.endsWith(u'/'));
    return findSoundFile(soundFolder + soundFileName(key, codePage));
}

std::optional<QString> findSoundFile(const QString& base) {
    // When both exist the wave file wins.
    for (const QString& extension : {u".wav"_s, u".mp3"_s}) {
        const QString path = base + extension;
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace sound
