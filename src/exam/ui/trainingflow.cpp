// The course of a training in its window: the start, the session's steps between the pauses,
// the sounds the session asks for, the end and the replay of the recordings.
#include "exam/ui/trainingwindow.h"

#include "app/runstate.h"
#include "core/usererror.h"
#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "sound/soundfilename.h"
#include "sound/waveencoding.h"
#include "sound/wordsound.h"
#include "widgets/services.h"
#include "widgets/widgetcolors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

// Runs a sound command whose failure must not stop the training.
template <typename Command> void ignoringSoundFailure(Command command) {
    try {
        command();
    } catch (const sound::AudioError&) {
    }
}

} // namespace

void TrainingWindow::startOrInterrupt() {
    if (m_session)
        interrupt();
    else
        start();
}

void TrainingWindow::start() {
    m_showCzech->hide();
    m_minimize->hide();
    m_afterStart->hide();
    if (m_minimize->isChecked()) {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->showMinimized();
    }
    m_czech->setVisible(m_showCzech->isChecked());
    m_czechTitle->setVisible(m_showCzech->isChecked());
    m_start->setText(u"Přeruš"_s);
    m_addedTime->setEnabled(false);
    m_mode->setEnabled(false);
    m_close->setEnabled(false);
    m_progress->setValue(0);
    try {
        TrainingActions& actions = *this;
        m_session = std::make_unique<TrainingSession>(*m_tables, mode(),
                                                      addedTimeMs(m_addedTime->currentText()),
                                                      tempFolder(), m_services.random, actions);
    } catch (const core::UserError&) {
        m_services.messages.error(u"Chyba při cvičení - zkontroluj místo na disku."_s);
        finish();
        return;
    }
    pause(TrainingSession::kInitialPauseMs);
}

void TrainingWindow::interrupt() {
    m_session->requestStop();
    m_start->setEnabled(false);
    showEnd();
}

// A pause waits on the timer with the event loop running; the clock decides when it is over.
void TrainingWindow::pause(int ms) {
    m_pauseEnd = m_services.clock.now().addMSecs(ms);
    m_waiting = true;
    m_timer->start(ms);
}

void TrainingWindow::tick() {
    if (!m_waiting)
        return;
    const qint64 left = m_services.clock.now().msecsTo(m_pauseEnd);
    if (left > 0) {
        m_timer->start(static_cast<int>(left));
        return;
    }
    m_waiting = false;
    goOn();
}

void TrainingWindow::goOn() {
    std::optional<int> nextPause;
    m_inSession = true;
    try {
        nextPause = m_session->resume();
    } catch (const core::UserError&) {
        m_inSession = false;
        m_services.messages.error(u"Chyba při cvičení - zkontroluj místo na disku."_s);
        if (m_closed)
            m_session.reset();
        else
            finish();
        return;
    }
    m_inSession = false;
    if (m_closed)
        m_session.reset();
    else if (nextPause)
        pause(*nextPause);
    else
        finish();
}

void TrainingWindow::finish() {
    const int recordings = m_session ? m_session->recordings() : 0;
    m_session.reset();
    m_trackBar->setValue(0);
    m_trackBar->setMaximum(std::max(recordings - 1, 0));
    m_trackBar->setEnabled(true);
    m_close->setEnabled(true);
    m_start->setEnabled(false);
    m_replay->setVisible(mode() == TrainingMode::PlayAndRecord);
    showEnd();
}

void TrainingWindow::showEnd() {
    widgets::setBackgroundColor(m_word, palette().color(QPalette::Window));
    widgets::setTextColor(m_word, Qt::blue);
    widgets::setTextColor(m_status, Qt::blue);
    m_status->setText(u"KONEC"_s);
}

std::optional<qint64> TrainingWindow::openModel(const QString& word) {
    try {
        if (!sound::preparePlayer(m_player,
                                  m_state.soundFolder +
                                      sound::soundFileName(word, *m_state.foreignCodePage)))
            return std::nullopt;
        m_player.open();
        return m_player.length();
    } catch (const sound::AudioError&) {
        return std::nullopt;
    }
}

void TrainingWindow::showWord(const QString& word, const QString& czech) {
    m_word->setText(word);
    m_czech->setText(czech);
    widgets::setBackgroundColor(m_word, palette().color(QPalette::Window));
    widgets::setTextColor(m_word, Qt::blue);
    widgets::setTextColor(m_status, Qt::blue);
    m_status->setText(u"Přehrávám"_s);
}

void TrainingWindow::playModel() {
    ignoringSoundFailure([this] {
        m_player.setWait(true);
        m_player.play(0);
    });
}

void TrainingWindow::startRecording(const QString& modelPath) {
    if (m_closed)
        return;
    ignoringSoundFailure([this] {
        if (!m_recorder) {
            m_recorder = std::make_unique<sound::MediaPlayer>(m_services.audioDevice());
            m_recorder->setObjectName(u"MediaPlayer1"_s);
        }
        m_recorder->openNew(m_state.recordingFormat);
        m_recorder->record();
    });
    widgets::setTextColor(m_status, Qt::red);
    m_status->setText(u"Nahrávám"_s);
    widgets::setBackgroundColor(m_word, Qt::red);
    widgets::setTextColor(m_word, Qt::black);
    ignoringSoundFailure([this, &modelPath] {
        if (m_player.mode() != sound::MediaPlayer::Mode::NotOpen)
            sound::saveWave(modelPath, m_player.sound());
    });
}

void TrainingWindow::saveRecording(const QString& path) {
    if (m_closed || !m_recorder)
        return;
    ignoringSoundFailure([this, &path] {
        m_recorder->stop();
        m_recorder->setFileName(path);
        m_recorder->save();
    });
    m_recorder->close();
}

void TrainingWindow::showProgress(int wordsDone) {
    m_progress->setValue(wordsDone);
}

void TrainingWindow::replayOrStop() {
    if (m_replaying) {
        m_replayStop = true;
        m_player.stop();
        return;
    }
    replay();
}

void TrainingWindow::replay() {
    m_replaying = true;
    m_replay->setText(u"Stop"_s);
    if (m_trackBar->value() == m_trackBar->maximum())
        m_trackBar->setValue(0);
    m_replayStop = false;
    try {
        for (int p = m_trackBar->value();; ++p) {
            m_trackBar->setValue(p);
            m_player.setFileName(TrainingSession::recordingPath(tempFolder(), p + 1));
            m_player.open();
            m_player.setWait(true);
            m_player.play();
            QCoreApplication::processEvents();
            if (m_replayStop || p >= m_trackBar->maximum())
                break;
        }
    } catch (const sound::AudioError&) {
        m_services.messages.error(u"Chyba při přehrávání."_s);
    }
    m_player.setFileName({});
    m_replaying = false;
    m_replay->setText(u"Přehrej"_s);
}

} // namespace exam
