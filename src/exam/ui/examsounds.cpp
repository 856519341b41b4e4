// The exam window's sounds: the word's pronunciation (F5), the user's recording of the answer
// (F6), both one after the other (F7) and recording on a key or button (F12).
#include "exam/ui/examwindow.h"

#include "app/runstate.h"
#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "sound/soundfilename.h"
#include "sound/wordsound.h"
#include "widgets/services.h"

#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

bool usable(const QToolButton* button) {
    return button->isEnabled() && button->isVisible();
}

// Runs a command of the player or the recorder; a failure is named in the status line and
// the sound counts as missing.
template <typename Command> bool trySound(const ExamWindow::StatusLine& status, Command command) {
    try {
        return command();
    } catch (const sound::AudioError&) {
        status(u"Zvuk ke slovíčku nelze nahrát."_s);
        return false;
    }
}

} // namespace

void ExamWindow::setUpSoundButtons() {
    const bool record = recording();
    m_questionSound->show();
    m_answerSound->setVisible(record);
    m_bothSounds->setVisible(record);
    m_recordSound->setVisible(record && !m_setup->parameters.recordWholeLimit);
    for (QToolButton* button : {m_questionSound, m_answerSound, m_bothSounds, m_recordSound})
        button->setEnabled(false);
}

QString ExamWindow::foreignTestWord() {
    if (!czechAsked())
        return m_run->questionTestWord();
    const int row = std::max(m_answers->currentRow(), 0);
    const std::vector<Answer>& answers = m_run->answers();
    return static_cast<size_t>(row) < answers.size() ? answers[static_cast<size_t>(row)].testWord
                                                     : QString();
}

// Loads the foreign word's sound into the main window's player, when the dictionary has
// sounds; a sound that cannot be loaded counts as missing and says so in the status line.
bool ExamWindow::loadWordSound() {
    if (m_state.soundFolder.isEmpty())
        return false;
    const QString base =
        m_state.soundFolder + sound::soundFileName(foreignTestWord(), *m_state.foreignCodePage);
    return trySound(m_status, [this, &base] {
        if (!sound::preparePlayer(m_player, base))
            return false;
        m_player.open();
        return true;
    });
}

void ExamWindow::prepareQuestionSounds() {
    const bool writtenOnly = m_setup->parameters.ask == AskMode::WrittenOnly;
    if (!selfEvaluation()) {
        const bool found = !czechAsked() && loadWordSound();
        m_questionSound->setEnabled(found);
        if (found && !writtenOnly)
            playWordSound();
        return;
    }
    if (recording())
        openNewRecording();
    m_answerSound->setEnabled(false);
    m_bothSounds->setEnabled(false);
    if (czechAsked())
        m_questionSound->setEnabled(false);
    if (m_recordSound->isVisible()) {
        m_recordSound->setEnabled(true);
    } else if (recording() && m_recorder) {
        trySound(m_status, [this] {
            m_recorder->record();
            return true;
        });
    }
    if (!czechAsked()) {
        const bool found = loadWordSound();
        m_questionSound->setEnabled(found && !recording());
        if (found && !writtenOnly)
            playWordSound();
    }
}

void ExamWindow::evaluationSounds() {
    if (!selfEvaluation()) {
        if (czechAsked() && loadWordSound())
            m_questionSound->setEnabled(true);
        if (foreignAskedBySoundOnly()) {
            m_question->show();
            m_questionTitle->show();
        }
        return;
    }
    if (foreignAskedBySoundOnly()) {
        m_question->show();
        m_questionTitle->show();
    }
    if (m_recorder) {
        if (m_recordSound->isVisible()) {
            m_recordSound->setEnabled(false);
            m_answerSound->setEnabled(m_recorder->length() > 0);
        } else {
            m_recorder->stop();
            m_answerSound->setEnabled(true);
        }
    }
    m_bothSounds->setEnabled(true);
    const bool found = loadWordSound();
    if (found || !czechAsked())
        m_questionSound->setEnabled(found);
}

void ExamWindow::playAfterEvaluation(bool right) {
    const bool autoPlay = m_setup->parameters.autoPlay;
    if (selfEvaluation()) {
        if (!autoPlay)
            return;
        if (m_bothSounds->isVisible())
            playWordAndRecording();
        else if (m_questionSound->isEnabled())
            playWordSound();
        return;
    }
    if ((right || autoPlay) && m_questionSound->isEnabled())
        playWordSound();
}

void ExamWindow::playWordSound() {
    if (!usable(m_questionSound))
        return;
    trySound(m_status, [this] {
        m_player.stop();
        m_player.close();
        if (loadWordSound())
            m_player.play();
        return true;
    });
}

void ExamWindow::playRecording() {
    if (usable(m_answerSound))
        playTheRecording();
}

void ExamWindow::playWordAndRecording() {
    if (!usable(m_bothSounds))
        return;
    m_player.setWait(true);
    playWordSound();
    m_player.setWait(false);
    playTheRecording();
}

void ExamWindow::startRecordingOnButton() {
    if (!usable(m_recordSound) || !m_recorder)
        return;
    m_recordSound->setDown(true);
    m_recordHeld = true;
    trySound(m_status, [this] {
        m_recorder->record();
        return true;
    });
}

void ExamWindow::stopRecordingOnButton() {
    if (!m_recordHeld || !m_recorder)
        return;
    m_recordHeld = false;
    m_recordSound->setDown(false);
    m_recorder->stop();
    if (selfEvaluation() && m_setup->parameters.automaticOk)
        confirm();
}

void ExamWindow::openNewRecording() {
    trySound(m_status, [this] {
        if (!m_recorder)
            m_recorder = std::make_unique<sound::MediaPlayer>(m_services.audioDevice());
        m_recorder->close();
        m_recorder->openNew(m_state.recordingFormat);
        return true;
    });
}

void ExamWindow::playTheRecording() {
    if (!m_recorder)
        return;
    trySound(m_status, [this] {
        m_recorder->play(0);
        return true;
    });
}

} // namespace exam
