// How the controls of the exam settings dialog react to each other and to the exam type.
#include "exam/ui/examsettingsdialog.h"

#include "exam/exampreset.h"
#include "exam/ui/radiogroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace exam {
namespace {

constexpr int kNoLimitPosition = 0; // "žádný"

void setState(QWidget& control, bool enabled) {
    control.setEnabled(enabled);
}

void setState(QCheckBox& box, bool checked, bool enabled) {
    box.setChecked(checked);
    box.setEnabled(enabled);
}

} // namespace

void ExamSettingsDialog::connectReactions() {
    // Check boxes and radio groups react to every change of their value, lists only to the
    // user's choice.
    connect(m_allLessons, &QCheckBox::toggled, this, &ExamSettingsDialog::allLessonsClicked);
    connect(m_recordSound, &QCheckBox::toggled, this, &ExamSettingsDialog::recordSoundClicked);
    connect(m_ask, &RadioGroup::clicked, this, &ExamSettingsDialog::askClicked);
    connect(m_language, &RadioGroup::clicked, this, &ExamSettingsDialog::languageClicked);
    connect(m_fromLesson, &QComboBox::activated, this, &ExamSettingsDialog::lessonRangeChanged);
    connect(m_toLesson, &QComboBox::activated, this, &ExamSettingsDialog::lessonRangeChanged);
    connect(m_limit, &QComboBox::activated, this, &ExamSettingsDialog::limitChanged);
}

void ExamSettingsDialog::allLessonsClicked() {
    const bool all = m_allLessons->isChecked();
    m_fromLesson->setEnabled(!all);
    m_toLesson->setEnabled(!all);
    m_fromLesson->setCurrentIndex(0);
    m_toLesson->setCurrentIndex(all ? m_toLesson->count() - 1 : 1);
}

void ExamSettingsDialog::lessonRangeChanged() {
    if (m_toLesson->currentIndex() < m_fromLesson->currentIndex())
        m_toLesson->setCurrentIndex(m_fromLesson->currentIndex());
}

void ExamSettingsDialog::limitChanged() {
    if (!m_recordSound->isEnabled())
        return;
    if (m_limit->currentIndex() != kNoLimitPosition) {
        if (m_recordSound->isChecked())
            m_recordWholeLimit->setEnabled(true);
        return;
    }
    m_recordOnButton->setChecked(true);
    m_recordWholeLimit->setEnabled(false);
}

void ExamSettingsDialog::recordSoundClicked() {
    const bool recording = m_recordSound->isChecked();
    const bool selfEvaluation = m_type == ExamType::SelfEvaluation;
    m_recordWholeLimit->setEnabled(recording && m_limit->currentIndex() > kNoLimitPosition);
    m_recordOnButton->setEnabled(recording);
    m_automaticOk->setEnabled(recording && selfEvaluation);
    if (!selfEvaluation)
        return;
    if (!recording) {
        setState(*m_autoPlay, false, false);
        return;
    }
    m_autoPlay->setEnabled(true);
    if (ask() == AskMode::WrittenOnly) {
        m_autoPlay->setChecked(true);
        m_onlyWithSound->setChecked(true);
    }
}

void ExamSettingsDialog::askClicked() {
    // A question put only by sound needs a sound.
    const bool soundOnly = ask() == AskMode::SoundOnly;
    setState(*m_onlyWithSound, soundOnly, !soundOnly);
    if (m_type != ExamType::SelfEvaluation || language() != QuestionLanguage::Foreign)
        return;
    if (ask() == AskMode::WrittenOnly) {
        m_recordSound->setEnabled(true);
        return;
    }
    setState(*m_recordSound, false, false);
}

void ExamSettingsDialog::languageClicked() {
    if (m_type != ExamType::SelfEvaluation && m_type != ExamType::Automatic)
        return;
    const bool selfEvaluation = m_type == ExamType::SelfEvaluation;
    if (language() == QuestionLanguage::Czech) {
        m_ask->setItemIndex(static_cast<int>(AskMode::WrittenOnly));
        setState(*m_ask, false);
        setState(*m_recordSound, selfEvaluation, selfEvaluation);
        if (!selfEvaluation)
            m_onlyWithSound->setChecked(false);
        m_onlyWithSound->setEnabled(true);
        setState(*m_autoPlay, true, true);
    } else {
        setState(*m_ask, true);
        m_ask->setItemIndex(static_cast<int>(AskMode::SoundAndWritten));
        m_onlyWithSound->setEnabled(true);
        if (selfEvaluation)
            setState(*m_recordSound, false, false);
        else
            m_autoPlay->setChecked(false);
        m_autoPlay->setEnabled(true);
    }
    if (selfEvaluation)
        askClicked();
}

void ExamSettingsDialog::preset(ExamType type) {
    const ExamPreset preset = examPreset(type);
    m_type = type;
    m_language->setItemIndex(static_cast<int>(preset.questionLanguage));
    setState(*m_language, preset.questionLanguageEnabled);
    setState(*m_autoPlay, preset.autoPlay, preset.autoPlayEnabled);
    setState(*m_recordSound, preset.recordSound, preset.recordSoundEnabled);
    if (preset.recordWhenEnabled) {
        setState(*m_recordWholeLimit, *preset.recordWhenEnabled);
        setState(*m_recordOnButton, *preset.recordWhenEnabled);
    }
    if (preset.automaticOkEnabled)
        setState(*m_automaticOk, *preset.automaticOkEnabled);
    m_ask->setItemIndex(static_cast<int>(preset.ask));
    setState(*m_ask, preset.askEnabled);
    setState(*m_onlyWithSound, preset.onlyWithSound, preset.onlyWithSoundEnabled);
    setLimitAndAverageEnabled(preset.limitAndAverageEnabled);
}

void ExamSettingsDialog::setLimitAndAverageEnabled(bool enabled) {
    m_limit->setEnabled(enabled);
    m_average->setEnabled(enabled);
    for (QLabel* label : m_limitAndAverageLabels)
        label->setEnabled(enabled);
}

} // namespace exam
