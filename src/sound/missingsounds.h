#pragma once

#include "sound/waveformat.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace core {
class CodePage;
}

namespace sound {

class SpeechSynthesizer;

// Gives the words of a dictionary that have no sound a spoken one: for each foreign test word
// without a wave or MP3 file in the sound folder, a wave file in the recording format under
// the word's sound name. A sound that exists, recorded or spoken before, is never replaced.
// The work goes word by word, so a window can show its progress and stop it between words.
class MissingSounds {
public:
    // Words with the same sound name are one word; an empty test word has no sound.
    MissingSounds(const QStringList& testWords, const QString& soundFolder,
                  const WaveFormat& format, const core::CodePage& codePage);

    qsizetype total() const { return m_names.size(); }
    qsizetype done() const { return m_next; }
    bool finished() const { return m_next >= m_names.size(); }

    // Speaks the next word if it has no sound yet. A file that cannot be written raises
    // AudioError saying at which word the work stopped; the files written before stay.
    void speakNext(const SpeechSynthesizer& synthesizer);

    // Every remaining word; keepGoing(done, total) is asked before each and false stops.
    void speakAll(const SpeechSynthesizer& synthesizer,
                  const std::function<bool(qsizetype, qsizetype)>& keepGoing = {});

    int spoken() const { return m_spoken; }
    int hadSound() const { return m_hadSound; }
    // "Namluveno N slovíček, M už zvuk mělo."
    QString countMessage() const;

private:
    struct Word {
        QString text;
        QString base; // the sound folder and the sound name, without extension
    };

    QList<Word> m_names;
    WaveFormat m_format;
    qsizetype m_next = 0;
    int m_spoken = 0;
    int m_hadSound = 0;
};

} // namespace sound
