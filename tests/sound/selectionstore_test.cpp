#include "sound/audioerror.h"
#include "sound/selectionstore.h"
#include "sound/waveencoding.h"

#include "scratchfolder.h"

using namespace sound;

namespace {

// Every frame's bytes tell its number, so a piece shifted by one frame shows.
PcmSound numberedFrames(const WaveFormat& format, qint64 frames) {
    PcmSound sound{format, {}};
    for (qint64 frame = 0; frame < frames; ++frame) {
        for (int byte = 0; byte < format.blockAlign; ++byte)
            sound.samples.append(char((frame * 7 + byte) % 251));
    }
    return sound;
}

class StoreSelection : public ScratchTest {};

} // namespace

TEST_F(StoreSelection, WritesExactlyTheSelectedFrames) {
    struct Case {
        const char* name;
        WaveFormat format;
        Selection selection;
        qint64 firstFrame, endFrame;
    };
    const Case cases[] = {
        {"8-bit stereo 44,100 Hz", WaveFormat{}, {100, 350}, 4410, 15435},
        {"16-bit mono 22,050 Hz", pcmFormat(1, 22050, 16), {1, 3}, 22, 66},
        {"16-bit stereo 11,025 Hz, to the end", pcmFormat(2, 11025, 16), {999, 1000}, 11013, 11025},
        {"8-bit mono 8,000 Hz, whole", pcmFormat(1, 8000, 8), {0, 1000}, 0, 8000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PcmSound take = numberedFrames(c.format, c.format.samplesPerSecond);
        const QByteArray expected =
            numberedFrames(c.format, c.endFrame).samples.sliced(c.firstFrame * c.format.blockAlign);
        storeSelection(take, c.selection, folder.path(u"piece.wav"_s), Replace::Existing);
        EXPECT_EQ(folder.read(u"piece.wav"_s), encodeWave({c.format, expected}));
    }
}

// A refused or failed store leaves the target as it was and no temporary file beside it.
TEST_F(StoreSelection, AFailureLeavesTheTarget) {
    const PcmSound take = numberedFrames(WaveFormat{}, 44100);
    const QString target = folder.write(u"piece.wav"_s, "old");
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"an existing target never replaced",
         [&] {
             storeSelection(take, {0, 500}, target, Replace::Never);
         }},
        {"a selection past the end", [&] {
             storeSelection(take, {500, 1001}, target, Replace::Existing);
         }}};
    for (const auto& [name, store] : failures) {
        SCOPED_TRACE(name);
        EXPECT_THROW(store(), AudioError);
        EXPECT_EQ(folder.read(u"piece.wav"_s), "old");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{u"piece.wav"_s});
    }
    EXPECT_THROW(
        storeSelection(take, {0, 500}, folder.path(u"missing/piece.wav"_s), Replace::Never),
        AudioError);
    storeSelection(take, {0, 500}, folder.path(u"new.wav"_s), Replace::Never);
    EXPECT_EQ(folder.read(u"new.wav"_s).size(), 44 + 44100);
}
