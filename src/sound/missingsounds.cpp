#include "sound/missingsounds.h"

#include "sound/audioerror.h"
#include "sound/soundfilelookup.h"
#include "sound/soundfilename.h"
#include "sound/speechsynthesizer.h"
#include "sound/waveencoding.h"

#include <QSet>

namespace sound {

using namespace Qt::StringLiterals;

MissingSounds::MissingSounds(const QStringList& testWords, const QString& soundFolder,
                             const WaveFormat& format, const core::CodePage& codePage)
    : m_format(format) {
    Q_ASSERT(soundFolder.endsWith(u'/'));
    QSet<QString> seen;
    for (const QString& word : testWords) {
        const QString name = soundFileName(word, codePage);
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            m_names.append({word, soundFolder + name});
        }
    }
}

void MissingSounds::speakNext(const SpeechSynthesizer& synthesizer) {
    const Word& word = m_names.at(m_next);
    if (findSoundFile(word.base)) {
        ++m_hadSound;
    } else {
        try {
            saveNewWave(word.base + u".wav"_s, synthesizer.speak(word.text, m_format));
        } catch (const AudioError& error) {
            throw AudioError(u"Namlouvání se zastavilo u slovíčka \"%1\" (%2. z %3). %4 "
                             "Zvuky namluvené do té doby zůstaly.\nHlášení zní: %5"_s.arg(word.text)
                                 .arg(m_next + 1)
                                 .arg(m_names.size())
                                 .arg(countMessage(), error.message()));
        }
        ++m_spoken;
    }
    ++m_next;
}

void MissingSounds::speakAll(const SpeechSynthesizer& synthesizer,
                             const std::function<bool(qsizetype, qsizetype)>& keepGoing) {
    while (!finished()) {
        if (keepGoing && !keepGoing(m_next, total()))
            return;
        speakNext(synthesizer);
    }
}

QString MissingSounds::countMessage() const {
    return u"Namluveno %1 slovíček, %2 už zvuk mělo."_s.arg(m_spoken).arg(m_hadSound);
}

} // namespace sound
