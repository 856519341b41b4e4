#include "sound/audioerror.h"
#include "sound/soundfiledecoder.h"
#include "sound/waveencoding.h"
#include "testsounds.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sndfile.h>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

constexpr int kMp3 = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;

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

    // A one-second tone as MP3, or an empty path when this libsndfile cannot encode MP3.
    QString writeToneAsMp3(const QString& name) const {
        const QString file = path(name);
        const bool written =
            test::writeEncoded(file, test::sineTone(pcmFormat(2, 44100, 16), 1000), kMp3);
        return written ? file : QString();
    }

    QTemporaryDir m_folder;
};

} // namespace

TEST_F(DecodeSoundFile, MissingFileSaysSo) {
    const QString file = path(u"missing.wav"_s);
    EXPECT_EQ(errorFor(file), u"Zvukový soubor nelze otevřít: %1 (soubor neexistuje)"_s.arg(file));
}

TEST_F(DecodeSoundFile, TextNamedMp3IsAnUnknownFormatNotAMissingFile) {
    const QString file = path(u"words.mp3"_s);
    test::writeBytes(file, "these are not sounds\n");
    EXPECT_EQ(
        errorFor(file),
        u"Zvukový soubor nelze otevřít: %1 (neznámý nebo poškozený zvukový formát)"_s.arg(file));
}

TEST_F(DecodeSoundFile, FolderIsNotASoundFile) {
    EXPECT_TRUE(errorFor(m_folder.path()).contains(u"není to soubor"_s));
}

TEST_F(DecodeSoundFile, MoreThanTwoChannelsAreRefused) {
    const QString file = path(u"surround.wav"_s);
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 3;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(QFile::encodeName(file).constData(), SFM_WRITE, &info);
    ASSERT_NE(out, nullptr);
    const short frame[3] = {1, 2, 3};
    sf_writef_short(out, frame, 1);
    sf_close(out);
    EXPECT_TRUE(errorFor(file).contains(u"3 kanálů"_s)) << errorFor(file).toStdString();
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

TEST_F(DecodeSoundFile, Mp3DecodesToSixteenBitOfItsFullLength) {
    const QString file = writeToneAsMp3(u"tone.mp3"_s);
    if (file.isEmpty()) {
        FAIL() << "the MP3 test file could not be written";
    }
    const PcmSound decoded = decodeSoundFile(file);
    EXPECT_EQ(decoded.format, pcmFormat(2, 44100, 16));
    EXPECT_NEAR(decoded.durationMs(), 1000, 30);
    EXPECT_GT(test::peakAmplitude(decoded), 8000);
}

TEST_F(DecodeSoundFile, TruncatedMp3IsAsLongAsWhatIsLeft) {
    const QString file = writeToneAsMp3(u"tone.mp3"_s);
    if (file.isEmpty()) {
        FAIL() << "the MP3 test file could not be written";
    }
    QFile mp3File(file);
    ASSERT_TRUE(mp3File.resize(mp3File.size() / 2));

    const qint64 durationMs = decodeSoundFile(file).durationMs();
    EXPECT_GT(durationMs, 300);
    EXPECT_LT(durationMs, 700);
}
