#include "mainwindowfixture.h"

#include "exam/ui/trainingwindow.h"
#include "sound/waveencoding.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

// Trainings on eva's words with sounds (dog and cat), through the menu command, with the
// pauses stepped by the test on the clock.
class TrainingWindowTest : public WordListTest {
protected:
    TrainingWindowTest() {
        sound::PcmSound tone;
        tone.samples = QByteArray(882, '\x80'); // 10 ms of 8-bit stereo
        app.write(u"Sounds/.keep"_s, "");
        for (const QString& word : {u"dog"_s, u"cat"_s})
            sound::saveWave(app.path(u"Sounds/"_s + word + u".wav"_s), tone);
    }

    void train(const std::function<void(QDialog&)>& script) {
        startOnDictionary();
        modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
            click(dialog, u"CheckBoxLekce"_s);
            click(dialog, u"OKBtn"_s);
        });
        modals.script(u"TTraining"_s, [this, script](QDialog& dialog) {
            training = static_cast<exam::TrainingWindow*>(&dialog);
            script(dialog);
        });
        run(u"Pronunciation"_s);
    }
    void passTime(int ms) {
        clock.time = clock.time.addMSecs(ms);
        training->tick();
    }
    QString label(const QString& name) { return child<QLabel>(*training, name).text(); }
    QStringList temp() { return QDir(app.path(u"Temp"_s)).entryList(QDir::Files, QDir::Name); }
    QStringList repetitionsLeft() {
        return tableRows(*app.openTable(u"_other_/runtime.db"_s), {u"Otazka"_s, u"Celkem"_s});
    }

    exam::TrainingWindow* training = nullptr;
};

TEST_F(TrainingWindowTest, RecordingInterruptedThenReplayedAndClosed) {
    app.write(u"Temp/old.wav"_s, "x");
    train([this](QDialog& dialog) {
        EXPECT_EQ(temp(), QStringList()) << "Temp is emptied on showing";
        EXPECT_EQ(label(u"Status"_s), u"Začátek - stiskni start"_s);
        EXPECT_EQ(child<QComboBox>(dialog, u"ComboBox1"_s).currentText(), u"0.75"_s);
        EXPECT_EQ(label(u"Label3"_s), u"sekund na vyslovení"_s);
        choose(dialog, u"ComboBoxType"_s, 1);
        EXPECT_EQ(label(u"Label3"_s), u"pauzu mezi slovíčky"_s);
        choose(dialog, u"ComboBoxType"_s, 0);
        EXPECT_FALSE(child(dialog, u"Button2"_s).isVisible());

        click(dialog, u"Button1"_s);
        EXPECT_EQ(child<QPushButton>(dialog, u"Button1"_s).text(), u"Přeruš"_s);
        EXPECT_FALSE(child(dialog, u"Button4"_s).isEnabled());
        passTime(499);
        EXPECT_EQ(label(u"Slovicko"_s), QString()) << "still in the first pause";
        passTime(1);
        EXPECT_EQ(label(u"Slovicko"_s), u"cat"_s);
        EXPECT_EQ(label(u"LabelC"_s), u"kočka"_s);
        EXPECT_EQ(label(u"Status"_s), u"Nahrávám"_s);
        EXPECT_EQ(temp(), QStringList{u"1.wav"_s}) << "the model";

        click(dialog, u"Button1"_s);
        EXPECT_EQ(label(u"Status"_s), u"KONEC"_s);
        EXPECT_FALSE(child(dialog, u"Button1"_s).isEnabled());
        passTime(760);
        EXPECT_EQ(temp(), (QStringList{u"1.wav"_s, u"2.wav"_s})) << "the recording is kept";
        auto& trackBar = child<QSlider>(dialog, u"TrackBar1"_s);
        EXPECT_TRUE(trackBar.isEnabled());
        EXPECT_EQ(trackBar.maximum(), 1);
        EXPECT_EQ(child<QProgressBar>(dialog, u"ProgressBar1"_s).value(), 0);

        trackBar.setValue(1);
        click(dialog, u"Button2"_s);
        EXPECT_EQ(trackBar.value(), 1) << "the replay ends on the last recording";
        EXPECT_EQ(child<QPushButton>(dialog, u"Button2"_s).text(), u"Přehrej"_s);
        click(dialog, u"Button4"_s);
    });
    EXPECT_EQ(temp(), QStringList()) << "closing empties Temp";
    EXPECT_EQ(repetitionsLeft(), (QStringList{u"cat|1"_s, u"dog|1"_s}));
    EXPECT_EQ(messages.shown, QStringList());
}

TEST_F(TrainingWindowTest, ListeningToEveryWordCountsThemDown) {
    train([this](QDialog& dialog) {
        choose(dialog, u"ComboBoxType"_s, 3);
        click(dialog, u"Button1"_s);
        for (const int pause : {500, 750, 750})
            passTime(pause);
        EXPECT_EQ(label(u"Status"_s), u"KONEC"_s);
        EXPECT_EQ(child<QProgressBar>(dialog, u"ProgressBar1"_s).value(), 2);
        EXPECT_FALSE(child(dialog, u"Button2"_s).isVisible()) << "nothing was recorded";
        EXPECT_EQ(temp(), QStringList());
        click(dialog, u"Button4"_s);
    });
    EXPECT_EQ(repetitionsLeft(), (QStringList{u"cat|0"_s, u"dog|0"_s}));
}

} // namespace
