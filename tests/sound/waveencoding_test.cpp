#include "sound/audioerror.h"
#include "sound/soundfiledecoder.h"
#include "sound/waveencoding.h"
#include "testsounds.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;

namespace {

template <typename T> T fieldAt(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WaveFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

} // namespace

TEST(EncodeWave, WritesTheCanonicalHeader) {
    const PcmSound sound{WaveFormat{}, QByteArray("\x80\x81\x7f\x80", 4)};
    const QByteArray bytes = encodeWave(sound);

    ASSERT_EQ(bytes.size(), 48);
    EXPECT_EQ(bytes.first(4), "RIFF");
    EXPECT_EQ(fieldAt<quint32>(bytes, 4), 40u);
    EXPECT_EQ(bytes.sliced(8, 8), "WAVEfmt ");
    EXPECT_EQ(fieldAt<quint32>(bytes, 16), 16u);
    EXPECT_EQ(fieldAt<quint16>(bytes, 20), 1u);     // PCM
    EXPECT_EQ(fieldAt<quint16>(bytes, 22), 2u);     // channels
    EXPECT_EQ(fieldAt<quint32>(bytes, 24), 44100u); // samples per second
    EXPECT_EQ(fieldAt<quint32>(bytes, 28), 88200u); // average bytes per second
    EXPECT_EQ(fieldAt<quint16>(bytes, 32), 2u);     // block align
    EXPECT_EQ(fieldAt<quint16>(bytes, 34), 8u);     // bits per sample
    EXPECT_EQ(bytes.sliced(36, 4), "data");
    EXPECT_EQ(fieldAt<quint32>(bytes, 40), 4u);
    EXPECT_EQ(bytes.sliced(44), sound.samples);
}

TEST(EncodeWave, MatchesAHandWrittenSixteenBitFile) {
    const PcmSound sound{pcmFormat(1, 8000, 16), QByteArray("\x01\x00\xff\x7f", 4)};
    const QByteArray expected("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0"
                              "\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0"
                              "data\x04\0\0\0\x01\x00\xff\x7f",
                              48);
    EXPECT_EQ(encodeWave(sound), expected);
}

TEST(EncodeWave, PadsAnOddDataChunk) {
    const PcmSound sound{pcmFormat(1, 8000, 8), QByteArray("\x10\x20\x30", 3)};
    const QByteArray bytes = encodeWave(sound);
    ASSERT_EQ(bytes.size(), 44 + 4);
    EXPECT_EQ(fieldAt<quint32>(bytes, 4), 36u + 4u);
    EXPECT_EQ(fieldAt<quint32>(bytes, 40), 3u);
    EXPECT_EQ(bytes.back(), '\0');
}

TEST_F(WaveFile, EightBitStereoSurvivesSaveAndDecode) {
    const PcmSound tone = test::sineTone(WaveFormat{}, 250);
    saveWave(path(u"tone.wav"_s), tone);
    const PcmSound decoded = decodeSoundFile(path(u"tone.wav"_s));
    EXPECT_EQ(decoded.format, tone.format);
    EXPECT_EQ(decoded.samples, tone.samples);
}

TEST_F(WaveFile, SixteenBitMonoSurvivesSaveAndDecode) {
    const PcmSound tone = test::sineTone(pcmFormat(1, 22050, 16), 250, 1000);
    saveWave(path(u"tone.wav"_s), tone);
    const PcmSound decoded = decodeSoundFile(path(u"tone.wav"_s));
    EXPECT_EQ(decoded.format, tone.format);
    EXPECT_EQ(decoded.samples, tone.samples);
}

TEST_F(WaveFile, OddLengthEightBitMonoDecodesWithoutThePadByte) {
    const PcmSound sound{pcmFormat(1, 8000, 8), QByteArray("\x10\x20\x30", 3)};
    saveWave(path(u"odd.wav"_s), sound);
    EXPECT_EQ(decodeSoundFile(path(u"odd.wav"_s)).samples, sound.samples);
}

TEST_F(WaveFile, SaveIntoAMissingFolderNamesThePath) {
    const QString target = path(u"missing/tone.wav"_s);
    try {
        saveWave(target, test::sineTone(WaveFormat{}, 10));
        FAIL() << "no error";
    } catch (const AudioError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Zvukový soubor nelze uložit: "_s + target))
            << error.what();
    }
}

TEST_F(WaveFile, FailedSaveLeavesTheOldFile) {
    const QString target = path(u"tone.wav"_s);
    saveWave(target, test::sineTone(WaveFormat{}, 10));
    const QByteArray before = readFile(target);

    const PcmSound broken{WaveFormat{1, 2, 44100, 1, 2}, QByteArray(4, '\0')};
    EXPECT_THROW(saveWave(target, broken), AudioError);
    EXPECT_EQ(readFile(target), before);
}
