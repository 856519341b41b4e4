#include "mainwindowfixture.h"

#include "sound/audiodevicefactory.h"
#include "sound/mediaplayer.h"
#include "sound/soundfiledecoder.h"
#include "sound/waveencoding.h"
#include "testsounds.h"

#include <QLabel>

namespace {

// A training and an article attempt on the machine's sound device. Runs only beside the
// private audio server of scripts/test.sh (LEXITON_AUDIO_SERVER=1), in real time.
class AudioWalksTest : public WordListTest {
protected:
    void SetUp() override {
        if (qEnvironmentVariable("LEXITON_AUDIO_SERVER") != u"1")
            GTEST_SKIP() << "no audio server; run scripts/test.sh";
        audioDevices = [] {
            return sound::createAudioDevice();
        };
        const sound::PcmSound tone = sound::test::sineTone(sound::WaveFormat{}, 100);
        for (const QString& file :
             {u"Sounds/dog.wav"_s, u"Sounds/cat.wav"_s, u"eva/practice/lekce1/000000.wav"_s}) {
            app.write(file, {});
            sound::saveWave(app.path(file), tone);
        }
    }
    static qint64 lengthMs(const QString& path) {
        return sound::decodeSoundFile(path).durationMs();
    }
};

TEST_F(AudioWalksTest, TrainingRecordsEachWordAndAnArticleAttemptIsHeard) {
    startOnDictionary();
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        click(dialog, u"CheckBoxLekce"_s);
        click(dialog, u"OKBtn"_s);
    });
    modals.script(u"TTraining"_s, [this](QDialog& training) {
        choose(training, u"ComboBox1"_s, u"0.25"_s);
        click(training, u"Button1"_s);
        // The pauses end on the window's clock, which here follows the real one.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                clock.time = QDateTime::currentDateTime();
                return child<QLabel>(training, u"Status"_s).text() == u"KONEC"_s;
            },
            10000));
        for (const QString& recording : {u"Temp/2.wav"_s, u"Temp/4.wav"_s})
            EXPECT_GE(lengthMs(app.path(recording)), 300) << "the model and the added time";
        click(training, u"Button4"_s);
    });
    run(u"Pronunciation"_s);

    modals.script(u"TOKBottomDlg8"_s, [](QDialog& chooser) { click(chooser, u"OKBtn"_s); });
    modals.script(u"TOKBottomDlg7"_s, [](QDialog& article) {
        QTest::keyClick(&article, Qt::Key_Return);
        QTest::keyPress(&article, Qt::Key_F12);
        QTest::qWait(400);
        QTest::keyRelease(&article, Qt::Key_F12);
        EXPECT_GE(child<sound::MediaPlayer>(article, u"RecordPl"_s).length(), 300);
        click(article, u"SpeedButton1"_s);
    });
    run(u"ArticlePractice"_s);
    EXPECT_EQ(messages.shown, QStringList());
}

} // namespace
