#include "mainwindowfixture.h"
#include "scriptedaudio.h"
#include "testsounds.h"

#include "sound/audiodevicefactory.h"
#include "sound/soundfiledecoder.h"
#include "sound/ui/soundwindow.h"
#include "sound/ui/trackbar.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMediaDevices>

namespace {

const sound::WaveFormat kFormat{}; // the recording format when setting.ini names none

// The sound window on eva's words (car, cat, dog, ice cream, river, stork in its order), its
// players on scripted devices; every take is a tone.
class SoundWindowTest : public WordListTest {
protected:
    SoundWindowTest() {
        audioDevices = [this] {
            return audio.make();
        };
    }

    // Opens the window by the menu command, runs the script in it and closes it.
    void inWindow(const std::function<void()>& script, const QString& command = u"AddSounds"_s) {
        startOnDictionary();
        modals.script(u"TSound"_s, [this, script](QDialog& dialog) {
            sw = static_cast<sound::SoundWindow*>(&dialog);
            script();
            click(dialog, u"SpeedButton1"_s);
        });
        run(command);
    }
    // Records a take of ms milliseconds, the recording confirmed and stopped by "STOP".
    void record(qint64 ms) {
        messages.answer({true});
        modals.script(u"TForm2"_s, [this, ms](QDialog& stop) {
            audio.newest().heard = sound::test::sineTone(kFormat, ms).samples;
            click(stop, u"StopBtn"_s);
        });
        click(*sw, u"SpeedButton3"_s);
    }
    // F12; the play goes on until F12 is let go at releaseMs, or to its end.
    void next(std::optional<qint64> releaseMs, const QString& control = u"DBGrid1"_s) {
        modals.script(u"TForm2"_s, [this, releaseMs](QDialog& stop) {
            if (releaseMs) {
                audio.newest().playTo(*releaseMs);
                letGo(stop);
            } else {
                audio.newest().finishPlayback();
                sw->tick();
            }
        });
        key(Qt::Key_F12, control);
    }
    // Lets F12 go; the stop window closes once no repeat of a held key can follow.
    static void letGo(QDialog& stop) {
        QTest::keyRelease(&stop, Qt::Key_F12);
        EXPECT_TRUE(QTest::qWaitFor([&stop] { return !stop.isVisible(); }));
    }
    void key(Qt::Key pressed, const QString& control = u"DBGrid1"_s) {
        QTest::keyClick(&child(*sw, control), pressed);
    }
    // "start-end @position" as the window shows them.
    QString shown() {
        return child<QLabel>(*sw, u"odl"_s).text() + u'-' + child<QLabel>(*sw, u"dol"_s).text() +
               u" @"_s + child<QAbstractButton>(*sw, u"Panel4"_s).text();
    }
    void typeTime(const QString& typed) {
        modals.script(u"TSetStartDlg"_s, [typed](QDialog& dialog) {
            child<QLineEdit>(dialog, u"Edit1"_s).setText(typed);
            click(dialog, u"OKBtn"_s);
        });
        click(*sw, u"Panel4"_s);
    }
    QByteArray toneBytes(qint64 fromMs, qint64 toMs) const {
        return sound::test::sineTone(kFormat, toMs).samples.mid(kFormat.bytesForMs(fromMs));
    }
    QByteArray samplesOf(const QString& relative) const {
        return sound::decodeSoundFile(app.path(relative)).samples;
    }

    ScriptedAudio audio;
    sound::SoundWindow* sw = nullptr;
};

TEST_F(SoundWindowTest, ATakeIsCutIntoPiecesByDalsiAndRefusedStepsOnlyBeep) {
    inWindow([this] {
        record(3000);
        EXPECT_EQ(shown(), u"0.00-3.00 @0.000"_s);
        EXPECT_EQ(QFileInfo(app.path(u"Temp/add.wav"_s)).size(), 44 + kFormat.bytesForMs(3000));
        click(*sw, u"SpeedButton4"_s);  // start back at 0
        click(*sw, u"SpeedButton11"_s); // end on at the length
        EXPECT_EQ(std::pair(system.beeps, shown()), std::pair(2, u"0.00-3.00 @0.000"_s));
        click(*sw, u"SpeedButton7"_s);
        EXPECT_EQ(std::pair(system.beeps, shown()), std::pair(2, u"0.10-3.00 @0.000"_s));

        QStringList pieces;
        for (const std::optional<qint64> release : {std::optional<qint64>(800), {1900}, {}}) {
            next(release);
            pieces << shown();
        }
        EXPECT_EQ(pieces, QStringList({u"0.00-0.80 @0.800"_s, u"0.80-1.90 @1.900"_s,
                                       u"1.90-3.00 @3.000"_s}));
        auto& track = child<sound::TrackBar>(*sw, u"TrackBar1"_s);
        EXPECT_EQ(std::tuple(track.maximum(), track.selectionStart(), track.selectionEnd()),
                  std::tuple(3000, 1900, 3000));
        // F12 held, its repeat reported as let go and pressed again: the piece goes on.
        click(*sw, u"SpeedButton24"_s);
        modals.script(u"TForm2"_s, [this](QDialog& stop) {
            audio.newest().playTo(1200);
            QTest::keyRelease(&stop, Qt::Key_F12);
            QTest::keyPress(&stop, Qt::Key_F12);
            audio.newest().playTo(1600);
            letGo(stop);
        });
        key(Qt::Key_F12);
        EXPECT_EQ(shown(), u"0.00-1.60 @1.600"_s);

        typeTime(u"1,5"_s);
        EXPECT_EQ(shown(), u"0.00-1.50 @1.500"_s);
        typeTime(u"půl"_s);
        EXPECT_EQ(shown(), u"0.00-1.50 @1.500"_s);
    });
    EXPECT_EQ(messages.shown, QStringList(u"confirm: Spusti nehrávání stiskem \"OK\""_s));
}

TEST_F(SoundWindowTest, TheSelectionBecomesAWordsSoundOrANamedOne) {
    app.write(u"Sounds/car.mp3"_s, "ID3");
    inWindow([this] {
        record(2000);
        next(700);
        messages.answer({true});
        key(Qt::Key_F9); // on car, the first word
        EXPECT_EQ(samplesOf(u"Sounds/car.wav"_s), toneBytes(0, 700));

        modals.script(u"TNameDlg"_s, [](QDialog& dialog) {
            type(dialog, u"Edit1"_s, u"Dog"_s);
            click(dialog, u"OKBtn"_s);
        });
        click(*sw, u"SpeedButton26"_s);
        EXPECT_EQ(samplesOf(u"Sounds/dog.wav"_s), toneBytes(0, 700));

        messages.answer({true});
        click(*sw, u"Del"_s);
        EXPECT_EQ(QDir(app.path(u"Sounds"_s)).entryList(QDir::Files),
                  QStringList({u"car.mp3"_s, u"dog.wav"_s}));

        // A word added beside the window is the one its list stands on.
        click(*sw, u"SpeedButton25"_s);
        auto& entry = child<QDialog>(*sw, u"TOKBottomDlg"_s);
        type(entry, u"Edit1"_s, u"bird"_s);
        type(entry, u"Edit2"_s, u"pták"_s);
        QTest::keyClick(&child(entry, u"Edit2"_s), Qt::Key_Return);
        EXPECT_EQ(child<QTableView>(*sw, u"DBGrid1"_s).currentIndex().data().toString(), u"bird"_s);
    });
    EXPECT_EQ(messages.shown.mid(1), QStringList({u"confirm: Přiřadit tento zvukový záznam k "
                                                  u"vybranému slovíčku ?"_s,
                                                  u"dangerous confirm: Smazat zvuk ?"_s}));
    EXPECT_EQ(child(*window, u"TOKBottomDlg"_s).parentWidget(), window.get());
}

// A language without a known voice asks for one and keeps it in set.ini; the words without a
// sound are spoken, a recorded one stays.
TEST_F(SoundWindowTest, SpeakingGivesTheWordsWithoutASoundASpokenOne) {
    app.write(u"Sounds/car.mp3"_s, "ID3");
    app.write(u"eva/Angličtina/set.ini"_s, "language=Klingon\r\nsoundincrementpath=Sounds\r\n");
    modals.script(u"VoiceDialog"_s, [](QDialog& dialog) {
        static_cast<QInputDialog&>(dialog).setTextValue(u"en"_s);
        dialog.accept();
    });
    modals.script(u"SpeakingDialog"_s, [](QDialog& dialog) {
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 60000));
    });
    inWindow([this] { click(*sw, u"SpeakMissing"_s); });
    EXPECT_EQ(messages.shown, QStringList(u"information: Namluveno 5 slovíček, 1 už zvuk mělo."_s));
    EXPECT_EQ(QDir(app.path(u"Sounds"_s)).entryList(QDir::Files, QDir::Name),
              QStringList({u"car.mp3"_s, u"cat.wav"_s, u"dog.wav"_s, u"ice#20cream.wav"_s,
                           u"river.wav"_s, u"stork.wav"_s}));
    EXPECT_TRUE(app.read(u"eva/Angličtina/set.ini"_s).endsWith("voice=en\r\n"));
}

TEST_F(SoundWindowTest, BadInputLeavesTheTakeAndTheSoundsAsTheyWere) {
    app.write(u"Sounds/car.wav"_s, "old");
    const QString notWave = app.write(u"notes.wav"_s, "Lekce 1");
    inWindow([&] {
        QAction* saveWhole = child<QWidget>(*sw, u"TrackBar1"_s).actions().first();
        saveWhole->trigger();
        record(1500);
        files.answer(notWave);
        click(*sw, u"SpeedButton2"_s);
        files.answer(app.path(u"Sounds/car.wav"_s));
        saveWhole->trigger();
        EXPECT_EQ(shown(), u"0.00-1.50 @0.000"_s);

        record(0);
        messages.answer({true, true});
        key(Qt::Key_F9);
        EXPECT_EQ(app.read(u"Sounds/car.wav"_s), "old");
        record(1000);
        QDir(app.path(u"Sounds"_s)).removeRecursively();
        messages.answer({true});
        key(Qt::Key_F9);
    });
    ASSERT_EQ(messages.shown.size(), 11);
    EXPECT_EQ(messages.shown[0], u"error: Není k dispozici záznam."_s);
    EXPECT_TRUE(messages.shown[2].startsWith(
        u"error: Chyba otevření souboru, hlášení zní: \r\nZvukový soubor"_s))
        << messages.shown[2].toStdString();
    EXPECT_EQ(messages.shown[3], u"error: Není možné záznam uložit (zkopírovat)."_s);
    EXPECT_EQ(messages.shown.mid(6, 2),
              QStringList({u"dangerous confirm: Zvuk již existuje, přepsat ?"_s,
                           u"error: Zvuk nebylo možné přiřadit, hlášení zní: \r\nVybraný úsek "
                           u"záznamu je prázdný."_s}));
    EXPECT_TRUE(messages.shown[10].startsWith(
        u"error: Zvuk nebylo možné přiřadit, hlášení zní: \r\nZvukový soubor nelze uložit"_s))
        << messages.shown[10].toStdString();
}

TEST_F(SoundWindowTest, AnArticleIsCutIntoNumberedPiecesUnderANewName) {
    const auto intervals = [this] {
        return child<QListWidget>(*sw, u"ListBox1"_s).count();
    };
    inWindow(
        [&] {
            EXPECT_FALSE(child(*sw, u"DBGrid1"_s).isVisible());
            record(3000);
            for (const std::optional<qint64> release : {std::optional<qint64>(800), {1900}, {}}) {
                next(release, u"ListBox1"_s);
                key(Qt::Key_F9, u"ListBox1"_s);
            }
            EXPECT_EQ(child<QListWidget>(*sw, u"ListBox1"_s).item(1)->text(),
                      u"      0.800       1.900"_s);
            auto& save = child<QAbstractButton>(*sw, u"SaveArticle"_s);
            type(*sw, u"EditN"_s, u"le"_s);
            EXPECT_FALSE(save.isEnabled());
            type(*sw, u"EditN"_s, u"kce1"_s);
            click(*sw, u"SaveArticle"_s);
            EXPECT_EQ(intervals(), 0);
            key(Qt::Key_F9, u"EditN"_s);
            click(*sw, u"SaveArticle"_s);
            EXPECT_EQ(intervals(), 1) << "kept for another name";
        },
        u"NewArticle"_s);
    EXPECT_EQ(QDir(app.path(u"eva/practice/lekce1"_s)).entryList(QDir::Files),
              QStringList({u"000000.wav"_s, u"000001.wav"_s, u"000002.wav"_s}));
    EXPECT_EQ(samplesOf(u"eva/practice/lekce1/000001.wav"_s), toneBytes(800, 1900));
    EXPECT_EQ(messages.shown.last(), u"error: Takové cvičení již existuje, zadej jiný název."_s);
    EXPECT_TRUE(child(*sw, u"DBGrid1"_s).isVisibleTo(sw));
}

// Beside the private audio server of scripts/test.sh (LEXITON_AUDIO_SERVER=1).
TEST_F(SoundWindowTest, RecordsThroughTheAudioServerForAsLongAsTheStopWindowIsOpen) {
    if (qEnvironmentVariable("LEXITON_AUDIO_SERVER") != u"1")
        GTEST_SKIP() << "no audio server; run scripts/test.sh";
    ASSERT_FALSE(QMediaDevices::defaultAudioInput().isNull()) << "the audio server has no input";
    audioDevices = [] {
        return sound::createAudioDevice();
    };
    qint64 elapsed = 0;
    inWindow([&] {
        messages.answer({true});
        modals.script(u"TForm2"_s, [](QDialog& stop) {
            QTest::qWait(600);
            click(stop, u"StopBtn"_s);
        });
        QElapsedTimer timer;
        timer.start();
        click(*sw, u"SpeedButton3"_s);
        elapsed = timer.elapsed();
    });
    const qint64 length = sound::decodeSoundFile(app.path(u"Temp/add.wav"_s)).durationMs();
    EXPECT_GE(length, 600);
    EXPECT_LE(length, elapsed);
}

} // namespace
