#include "sound/audioerror.h"
#include "sound/soundfiledecoder.h"
#include "testsounds.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sndfile.h>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

class DecodeSoundFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    QString errorFor(const QString& file) const {
        try {
            decodeSoundFile(file);
        } catch (const AudioError& error) {
            return error.message();
        }
        return {};
    }

    // A one-second tone as MP3.
    QString writeToneAsMp3() const {
        const QString file = path(u"tone.mp3"_s);
        EXPECT_TRUE(test::writeEncoded(file, test::sineTone(pcmFormat(2, 44100, 16), 1000),
                                       SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III))
            << "the MP3 test file could not be written";
        return file;
    }

    QTemporaryDir m_folder;
};

} // namespace

TEST_F(DecodeSoundFile, WhatCannotBeDecodedSaysWhy) {
    const QString missing = path(u"missing.wav"_s);
    const QString text = path(u"words.mp3"_s);
    test::writeBytes(text, "these are not sounds\n");
    const QString surround = path(u"surround.wav"_s);
    ASSERT_TRUE(test::writeEncoded(surround, PcmSound{WaveFormat{1, 3, 8000, 48000, 6}, "123456"},
                                   SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    const QString prefix = u"Zvukový soubor nelze otevřít: "_s;

    EXPECT_EQ(errorFor(missing), prefix + missing + u" (soubor neexistuje)"_s);
    EXPECT_EQ(errorFor(text), prefix + text + u" (neznámý nebo poškozený zvukový formát)"_s);
    EXPECT_EQ(errorFor(m_folder.path()), prefix + m_folder.path() + u" (není to soubor)"_s);
    EXPECT_EQ(errorFor(surround),
              prefix + surround + u" (3 kanálů, podporován je jeden nebo dva)"_s);
}

TEST_F(DecodeSoundFile, FloatWaveBecomesSixteenBit) {
    const QString file = path(u"float.wav"_s);
    const PcmSound tone = test::sineTone(pcmFormat(1, 16000, 16), 100);
    ASSERT_TRUE(test::writeEncoded(file, tone, SF_FORMAT_WAV | SF_FORMAT_FLOAT));

    const PcmSound decoded = decodeSoundFile(file);
    EXPECT_EQ(decoded.format, tone.format);
    EXPECT_EQ(decoded.samples.size(), tone.samples.size());
    EXPECT_NEAR(test::peakAmplitude(decoded), test::peakAmplitude(tone), 2);
}

TEST_F(DecodeSoundFile, Mp3DecodesToSixteenBitOfItsFullLengthAndATruncatedOneToWhatIsLeft) {
    QFile mp3File(writeToneAsMp3());
    const PcmSound decoded = decodeSoundFile(mp3File.fileName());
    EXPECT_EQ(decoded.format, pcmFormat(2, 44100, 16));
    EXPECT_NEAR(decoded.durationMs(), 1000, 30);
    EXPECT_GT(test::peakAmplitude(decoded), 8000);

    ASSERT_TRUE(mp3File.resize(mp3File.size() / 2));

    const qint64 durationMs = decodeSoundFile(mp3File.fileName()).durationMs();
    EXPECT_GT(durationMs, 300);
    EXPECT_LT(durationMs, 700);
}
