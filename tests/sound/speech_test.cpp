#include "core/codepage.h"
#include "sound/audioerror.h"
#include "sound/missingsounds.h"
#include "sound/soundfiledecoder.h"
#include "sound/speechsynthesizer.h"
#include "sound/voicechoice.h"
#include "testsounds.h"

#include "filesizelimit.h"
#include "scratchfolder.h"

namespace {

using namespace sound;

TEST(Speech, MissingWordsGetWavesInTheRecordingFormatAndRecordedSoundsStay) {
    ScratchFolder folder;
    const QByteArray recorded("recorded elsewhere");
    test::writeBytes(folder.path(u"cat.mp3"_s), recorded);
    const WaveFormat format = pcmFormat(1, 22050, 16);
    MissingSounds sounds({u"dog"_s, u"cat"_s, u"house"_s, u"dog"_s, QString()},
                         folder.path() + u'/', format, core::CodePage::windows1250());
    ASSERT_EQ(sounds.total(), 3);
    sounds.speakAll(SpeechSynthesizer(u"en"_s));
    EXPECT_EQ(sounds.countMessage(), u"Namluveno 2 slovíček, 1 už zvuk mělo."_s);
    for (const QString& word : {u"dog"_s, u"house"_s}) {
        const PcmSound spoken = decodeSoundFile(folder.path(word + u".wav"_s));
        EXPECT_EQ(spoken.format, format) << word.toStdString();
        EXPECT_GT(spoken.durationMs(), 150) << word.toStdString();
        EXPECT_GT(test::peakAmplitude(spoken), 1000) << word.toStdString();
    }
    EXPECT_EQ(folder.read(u"cat.mp3"_s), recorded);
    EXPECT_FALSE(QFile::exists(folder.path(u"cat.wav"_s)));
}

TEST(Speech, AFullDiskStopsWithTheWordAndKeepsTheSoundsBefore) {
    ScratchFolder folder;
    test::writeBytes(folder.path(u"a.wav"_s), QByteArray(60000, 'x'));
    MissingSounds sounds({u"a"_s, u"water"_s, u"yesterday morning"_s}, folder.path() + u'/',
                         WaveFormat{}, core::CodePage::windows1250());
    const SpeechSynthesizer synthesizer(u"en"_s);
    sounds.speakNext(synthesizer);
    sounds.speakNext(synthesizer);
    const FileSizeLimit full(100);
    try {
        sounds.speakNext(synthesizer);
        ADD_FAILURE() << "the full disk went unnoticed";
    } catch (const AudioError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Namlouvání se zastavilo u slovíčka \"yesterday "
                                               "morning\" (3. z 3). Namluveno 1 slovíček, 1 už "
                                               "zvuk mělo."_s))
            << error.message().toStdString();
    }
    EXPECT_TRUE(QFile::exists(folder.path(u"water.wav"_s)));
}

TEST(Speech, AVoiceTheLibraryLacksIsRefusedBeforeAnything) {
    EXPECT_THROW(SpeechSynthesizer(u"no-such-voice"_s), AudioError);
    EXPECT_NO_THROW(SpeechSynthesizer(u"ru"_s)); // the one before is gone
}

TEST(Speech, TheVoiceComesFromTheSettingsElseFromTheLanguage) {
    for (const auto& [language, voice] :
         std::initializer_list<std::pair<QString, QString>>{{u"Angličtina"_s, u"en"_s},
                                                            {u"Němčina"_s, u"de"_s},
                                                            {u"Polština"_s, u"pl"_s},
                                                            {u"Ruština"_s, u"ru"_s},
                                                            {u"Francouzština"_s, u"fr"_s},
                                                            {u"Španělština"_s, u"es"_s},
                                                            {u"italština "_s, u"it"_s},
                                                            {u"Řečtina"_s, u"el"_s},
                                                            {u"Klingonština"_s, QString()}}) {
        EXPECT_EQ(voiceForLanguage(language).value_or(QString()), voice) << language.toStdString();
    }
    EXPECT_EQ(dictionaryVoice(u"en-gb"_s, u"Němčina"_s), u"en-gb"_s);
    EXPECT_EQ(dictionaryVoice(u" "_s, u"Němčina"_s), u"de"_s);
}

} // namespace
