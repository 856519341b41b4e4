// The exam window's sounds: the word's pronunciation (F5), the user's recording of the answer
// (F6), both one after the other (F7) and recording on a key or button (F12).
#include "exam/ui/examwindow.h"

#include "shell/runstate.h"
#include "shell/ui/services.h"
#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "sound/soundfilename.h"
#include "sound/wordsound.h"

#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

bool usable(const QToolButton* button) {
    return button->isEnabled() && button->isVisible();
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
    try {
        if (!sound::preparePlayer(m_player,
                                  m_state.soundFolder + sound::soundFileName(foreignTestWord())))
            return false;
        m_player.open();
        return true;
    } catch (const sound::AudioError&) {
        m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
        return false;
    }
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
        try {
            m_recorder->record();
        } catch (const sound::AudioError&) {
            m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
        }
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
            m_label4->show();
        }
        return;
    }
    if (foreignAskedBySoundOnly()) {
        m_question->show();
        m_label4->show();
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
    try {
        m_player.stop();
        m_player.close();
        if (!loadWordSound())
            return;
        m_player.play();
    } catch (const sound::AudioError&) {
        m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
    }
}

void ExamWindow::playRecording() {
    if (!usable(m_answerSound) || !m_recorder)
        return;
    try {
        m_recorder->play(0);
    } catch (const sound::AudioError&) {
        m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
    }
}

void ExamWindow::playWordAndRecording() {
    if (!usable(m_bothSounds))
        return;
    m_player.setWait(true);
    const bool wordUsable = usable(m_questionSound);
    if (wordUsable)
        playWordSound();
    m_player.setWait(false);
    if (m_recorder) {
        try {
            m_recorder->play(0);
        } catch (const sound::AudioError&) {
            m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
        }
    }
}

void ExamWindow::startRecordingOnButton() {
    if (!usable(m_recordSound) || !m_recorder)
        return;
    m_recordSound->setDown(true);
    m_recordHeld = true;
    try {
        m_recorder->record();
    } catch (const sound::AudioError&) {
        m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
    }
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
    try {
        if (!m_recorder)
            m_recorder = std::make_unique<sound::MediaPlayer>(m_services.audioDevice());
        m_recorder->close();
        m_recorder->openNew(m_state.recordingFormat);
    } catch (const sound::AudioError&) {
        m_status(u"Zvuk ke slovíčku nelze nahrát."_s);
    }
}

} // namespace exam
