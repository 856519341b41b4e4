#pragma once

#include "core/codepage.h"

#include <QString>

namespace sound {

class MediaPlayer;

// Loads the sound of the current test word into a window's player and plays it on request,
// without knowing the window: the window shows the returned state on its sound button and in
// its status line.
class WordSound {
public:
    struct State {
        bool buttonEnabled = false;
        QString statusText;

        bool operator==(const State&) const = default;
    };

    // Turns on the player's automatic rewind, so that every play() after the first one that
    // reached the end starts the sound again from its beginning.
    explicit WordSound(MediaPlayer& player);

    // Loads the sound of the test word otherzk from the sound folder (ending with "/"): the
    // wave file, else the MP3 file. Only loads; nothing is played. Without a sound file the
    // player is closed.
    State load(const QString& soundFolder, const QString& otherzk,
               const core::CodePage& codePage = core::CodePage::windows1250());

    // As load(), but the next play of the player waits for the sound's end before it returns,
    // as the sound window needs.
    State loadForSoundWindow(const QString& soundFolder, const QString& otherzk,
                             const core::CodePage& codePage = core::CodePage::windows1250());

    // Plays from the player's current position; a sound that cannot play stays silent.
    void play();

private:
    State loadFile(const QString& soundFolder, const QString& otherzk,
                   const core::CodePage& codePage, bool waitForEnd);

    MediaPlayer& m_player;
};

// Makes the player ready for the sound kept under base (a path without extension), as the exam
// window does before each question: stops a play that is running, then sets the player's file
// to base + ".wav" or, failing that, base + ".mp3". False when neither file exists; the
// player's file is then left as it was.
bool preparePlayer(MediaPlayer& player, const QString& base);

} // namespace sound
