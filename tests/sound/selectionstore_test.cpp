#include "sound/article.h"
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

class StoreSelection : public ScratchTest {
protected:
    const PcmSound take = numberedFrames(WaveFormat{}, 3 * 44100);
    const QStringList threeIntervals = {formatInterval({0, 500}), formatInterval({500, 1250}),
                                        formatInterval({2000, 3000})};

    QStringList entries(const QString& relative) const {
        return QDir(folder.path(relative)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    // The message of the ArticleError that storing the article raises, empty when none.
    QString storeArticleMessage(const QString& name, const QStringList& lines) const {
        try {
            storeArticle(folder.path(u"practice"_s), name, take, lines);
        } catch (const ArticleError& error) {
            return error.message();
        }
        return {};
    }
};

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
        const PcmSound oneSecond = numberedFrames(c.format, c.format.samplesPerSecond);
        const QByteArray expected =
            numberedFrames(c.format, c.endFrame).samples.sliced(c.firstFrame * c.format.blockAlign);
        storeSelection(oneSecond, c.selection, folder.path(u"piece.wav"_s), Replace::Existing);
        EXPECT_EQ(folder.read(u"piece.wav"_s), encodeWave({c.format, expected}));
    }
}

// A refused or failed store leaves the target as it was and no temporary file beside it.
TEST_F(StoreSelection, AFailureLeavesTheTarget) {
    const QString target = folder.write(u"piece.wav"_s, "old");
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"an existing target never replaced",
         [&] {
             storeSelection(take, {0, 500}, target, Replace::Never);
         }},
        {"a selection past the end", [&] {
             storeSelection(take, {500, 3001}, target, Replace::Existing);
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

TEST_F(StoreSelection, AnArticleIsOneNumberedPieceAnInterval) {
    EXPECT_EQ(storeArticleMessage(u"lekce1"_s, threeIntervals), QString());
    EXPECT_EQ(entries(u"practice/lekce1"_s),
              (QStringList{u"000000.wav"_s, u"000001.wav"_s, u"000002.wav"_s}));
    storeSelection(take, {500, 1250}, folder.path(u"second.wav"_s), Replace::Never);
    EXPECT_EQ(folder.read(u"practice/lekce1/000001.wav"_s), folder.read(u"second.wav"_s));

    EXPECT_EQ(storeArticleMessage(u"lekce1"_s, threeIntervals.first(1)),
              u"Takové cvičení již existuje, zadej jiný název."_s);
    EXPECT_EQ(entries(u"practice/lekce1"_s).size(), 3);
}

// A refused article leaves nothing behind, not even the practice folder.
TEST_F(StoreSelection, ARefusedArticleCreatesNothing) {
    const std::pair<QString, QStringList> refusals[] = {
        {u"../lekce"_s, threeIntervals},
        {u"lekce2"_s, {threeIntervals[0], u"      1.000 dva"_s}},
        {u"lekce3"_s, {formatInterval({2000, 3001})}}};
    for (const auto& [name, lines] : refusals) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_NE(storeArticleMessage(name, lines), QString());
        EXPECT_EQ(entries(QString()), QStringList());
    }
}
