#include "sound/wordsound.h"

#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "sound/soundfilelookup.h"

namespace sound {

using namespace Qt::StringLiterals;

WordSound::WordSound(MediaPlayer& player)
    : m_player(player) {
    m_player.setAutoRewind(true);
}

WordSound::State WordSound::load(const QString& soundFolder, const QString& otherzk,
                                 const core::CodePage& codePage) {
    return loadFile(soundFolder, otherzk, codePage, false);
}

WordSound::State WordSound::loadForSoundWindow(const QString& soundFolder, const QString& otherzk,
                                               const core::CodePage& codePage) {
    return loadFile(soundFolder, otherzk, codePage, true);
}

void WordSound::play() {
    try {
        m_player.play();
    } catch (const AudioError&) {
        // The button is only enabled for a loaded sound; a play that still fails has nothing
        // the user could act on.
    }
}

WordSound::State WordSound::loadFile(const QString& soundFolder, const QString& otherzk,
                                     const core::CodePage& codePage, bool waitForEnd) {
    const std::optional<QString> file = findSoundFile(soundFolder, otherzk, codePage);
    if (!file) {
        try {
            m_player.close();
        } catch (const AudioError&) {
            // The status below already tells the user there is no sound to play.
        }
        return State{false, u"Zvukový záznam nenalezen."_s};
    }
    try {
        m_player.close();
        m_player.setFileName(*file);
        m_player.open();
    } catch (const AudioError& error) {
        return State{false, u"Zvuk ke slovíčku nelze nahrát: "_s + error.message()};
    }
    // Set after open(), which clears it.
    m_player.setWait(waitForEnd);
    return State{true, {}};
}

bool preparePlayer(MediaPlayer& player, const QString& base) {
    if (player.mode() == MediaPlayer::Mode::Playing) {
        player.stop();
    }
    const std::optional<QString> file = findSoundFile(base);
    if (!file) {
        return false;
    }
    player.setFileName(*file);
    return true;
}

} // namespace sound
