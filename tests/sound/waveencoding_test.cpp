#include "sound/audioerror.h"
#include "sound/soundfiledecoder.h"
#include "sound/waveencoding.h"
#include "testsounds.h"

#include "scratchfolder.h"

using namespace sound;

namespace {

class WaveFile : public ScratchTest {
protected:
    QString path(const QString& name) const { return folder.path(name); }
};

const PcmSound kOddLength{pcmFormat(1, 8000, 8), QByteArray("\x10\x20\x30", 3)};

} // namespace

// The canonical 44-byte header, written out by hand.
TEST(EncodeWave, MatchesHandWrittenFiles) {
    struct Case {
        const char* name;
        PcmSound sound;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"8-bit stereo",
         {WaveFormat{}, QByteArray("\x80\x81\x7f\x80", 4)},
         QByteArray("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xAC\0\0\x88\x58\x01\0"
                    "\x02\0\x08\0"
                    "data\x04\0\0\0\x80\x81\x7f\x80",
                    48)},
        {"16-bit mono",
         {pcmFormat(1, 8000, 16), QByteArray("\x01\x00\xff\x7f", 4)},
         QByteArray("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0"
                    "\x02\0\x10\0"
                    "data\x04\0\0\0\x01\x00\xff\x7f",
                    48)},
        {"odd data chunk padded", kOddLength,
         QByteArray("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                    "\x01\0\x08\0"
                    "data\x03\0\0\0\x10\x20\x30\0",
                    48)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encodeWave(c.sound), c.bytes);
    }
}

TEST_F(WaveFile, SavedSoundsDecodeToTheSameSamples) {
    for (const PcmSound& sound : {test::sineTone(WaveFormat{}, 250),
                                  test::sineTone(pcmFormat(1, 22050, 16), 250, 1000), kOddLength}) {
        SCOPED_TRACE(sound.format.bitsPerSample());
        saveWave(path(u"tone.wav"_s), sound);
        const PcmSound decoded = decodeSoundFile(path(u"tone.wav"_s));
        EXPECT_EQ(decoded.format, sound.format);
        EXPECT_EQ(decoded.samples, sound.samples);
    }
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
    const QByteArray before = folder.read(u"tone.wav"_s);

    const PcmSound broken{WaveFormat{1, 2, 44100, 1, 2}, QByteArray(4, '\0')};
    EXPECT_THROW(saveWave(target, broken), AudioError);
    EXPECT_EQ(folder.read(u"tone.wav"_s), before);
}
