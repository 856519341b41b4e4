// The exam window's course: ready, answering, reviewing, finished, closed.
#include "exam/ui/examwindow.h"

#include "app/runstate.h"
#include "core/messages.h"
#include "exam/ui/examclock.h"
#include "sound/mediaplayer.h"
#include "store/cursor.h"
#include "widgets/services.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

// The question stands out from the labels around it: the dictionary's font in bold, at least
// 7/5 of the window's size.
QFont questionFont(QFont font, const QFont& windowFont) {
    if (font.pointSize() > 0 && windowFont.pointSize() > 0)
        font.setPointSize(std::max(font.pointSize(), windowFont.pointSize() * 7 / 5));
    font.setBold(true);
    return font;
}

} // namespace

QString startStopCaption(ExamPhase phase) {
    switch (phase) {
    case ExamPhase::Answering:
    case ExamPhase::Reviewing:
        return u"Ukonči zkoušení"_s;
    case ExamPhase::Finished:
        return u"Vyhodnoť"_s;
    case ExamPhase::Ready:
    case ExamPhase::Closed:
        break;
    }
    return u"Start"_s;
}

void ExamWindow::setPhase(ExamPhase phase) {
    m_phase = phase;
    m_startStop->setText(startStopCaption(phase));
}

// Digits grade the answer while a self-evaluated answer is reviewed.
bool ExamWindow::gradingByKeys() const {
    return m_phase == ExamPhase::Reviewing && selfEvaluation();
}

bool ExamWindow::czechAsked() const {
    return m_setup->parameters.questionLanguage == QuestionLanguage::Czech;
}

bool ExamWindow::foreignAskedBySoundOnly() const {
    return !czechAsked() && m_setup->parameters.ask == AskMode::SoundOnly;
}

bool ExamWindow::selfEvaluation() const {
    return m_setup->parameters.type == ExamType::SelfEvaluation;
}

bool ExamWindow::recording() const {
    return selfEvaluation() && m_setup->parameters.recordSound;
}

QList<QWidget*> ExamWindow::questionArea() const {
    return {m_questionTitle, m_question, m_answerTitle,      m_answer,      m_ok,
            m_answersTitle,  m_answers,  m_descriptionTitle, m_description, m_result,
            m_clockTitle,    m_clock,    m_gradePanel};
}

std::optional<QString> ExamWindow::run(const ExamSetup& setup) {
    m_setup.emplace(setup);
    m_report.reset();
    m_countAll->setText(setup.handover.countCaption);
    m_progress->setRange(0, std::max(setup.handover.askCount, 1));
    m_progress->setValue(0);
    showReady();
    switchLayout(czechAsked() ? entry::LayoutRole::Foreign : entry::LayoutRole::Czech);
    m_services.modals.exec(*this);
    m_run.reset();
    m_setup.reset();
    return std::exchange(m_report, std::nullopt);
}

void ExamWindow::showReady() {
    m_gradeAwaitingEnter.reset();
    const bool czech = czechAsked();
    m_question->setFont(questionFont(czech ? m_setup->czechFont : m_setup->foreignFont, font()));
    m_answer->setFont(czech ? m_setup->foreignFont : m_setup->czechFont);
    m_answers->setFont(czech ? m_setup->foreignFont : m_setup->czechFont);
    m_description->setFont(m_setup->descriptionFont);
    setUpSoundButtons();
    setPhase(ExamPhase::Ready);
    m_limitTicks.reset();
    m_inTime = false;
    m_clock->setTicks(0, 1);
    for (QWidget* widget : questionArea())
        widget->hide();
    m_startStop->show();
    m_cancel->show();
    setFocus(); // Enter starts
}

void ExamWindow::startOrStop() {
    switch (m_phase) {
    case ExamPhase::Ready:
    case ExamPhase::Closed:
        start();
        break;
    case ExamPhase::Answering:
    case ExamPhase::Reviewing:
        if (m_services.messages.confirm(u"Opravdu ukončit zkoušení ?"_s))
            closeWithResults(true);
        break;
    case ExamPhase::Finished:
        closeWithResults(false);
        break;
    }
}

void ExamWindow::start() {
    m_cancel->hide();
    m_result->clear();
    for (QWidget* widget : QList<QWidget*>{m_result, m_questionTitle, m_answerTitle, m_answersTitle,
                                           m_clockTitle, m_clock})
        widget->show();
    m_question->clear();
    m_answer->clear();
    m_question->show();
    m_answer->show();
    m_answer->setFocus();
    const AverageLimit limit = averageLimit(m_setup->parameters.averageText());
    if (!limit.message.isEmpty())
        m_services.messages.error(limit.message);
    m_averageLimit = limit.value;
    m_timer->start();
    m_run.emplace(m_setup->tables, m_setup->rules, m_averageLimit);
    m_run->begin();
    m_ok->show();
    m_inTime = false;
    if (recording())
        openNewRecording();
    if (foreignAskedBySoundOnly()) {
        m_question->hide();
        m_questionTitle->hide();
    }
    askQuestion();
}

void ExamWindow::askQuestion() {
    for (QWidget* widget :
         QList<QWidget*>{m_gradePanel, m_answers, m_description, m_descriptionTitle, m_startStop})
        widget->hide();
    m_answer->setFocus();
    m_result->clear();
    if (foreignAskedBySoundOnly()) {
        m_question->hide();
        m_questionTitle->hide();
    }
    m_run->pickQuestion(m_services.random);
    const std::vector<Answer>& answers = m_run->answers();
    m_answers->setRowCount(static_cast<int>(answers.size()));
    for (size_t row = 0; row < answers.size(); ++row)
        m_answers->setItem(static_cast<int>(row), 0, new QTableWidgetItem(answers[row].text));
    m_answers->setCurrentCell(m_run->ownAnswerRow(), 0);
    m_question->setText(m_run->question());
    setPhase(ExamPhase::Answering);
    const int limit = m_setup->tables.history.field(u"Limit"_s).asInteger();
    m_limitTicks.reset();
    if (limit < kFirstLimitTakenAsNone) {
        m_elapsedTicks = 1;
        m_limitTicks = limit * 10;
    }
    m_inTime = false;
    prepareQuestionSounds();
}

void ExamWindow::tick() {
    if (!m_limitTicks || m_phase != ExamPhase::Answering)
        return;
    if (m_elapsedTicks <= *m_limitTicks) {
        m_clock->setTicks(m_elapsedTicks, *m_limitTicks);
        if (*m_limitTicks == m_elapsedTicks)
            m_services.system.beep();
        ++m_elapsedTicks;
        return;
    }
    evaluate();
}

void ExamWindow::confirm() {
    if (m_phase == ExamPhase::Answering) {
        m_inTime = true;
        evaluate();
    } else if (m_phase == ExamPhase::Reviewing && m_gradeAwaitingEnter) {
        const int grade = *std::exchange(m_gradeAwaitingEnter, std::nullopt);
        m_result->clear();
        recordGrade(grade);
    }
}

void ExamWindow::finish() {
    for (QWidget* widget : questionArea())
        widget->hide();
    showResult(u"KONEC ZKOUŠENÍ"_s);
    m_result->show();
    setPhase(ExamPhase::Finished);
    m_startStop->show();
    setFocus(); // Enter evaluates
    for (QToolButton* button : {m_questionSound, m_answerSound, m_bothSounds, m_recordSound})
        button->setEnabled(false);
}

void ExamWindow::cancelExam() {
    m_setup->tables.history.deleteRecord();
    setPhase(ExamPhase::Closed);
    closeWindow();
}

void ExamWindow::closeWithResults(bool interrupted) {
    m_timer->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_answers->hide();
    m_description->hide();
    repaint();
    ExamEvaluation evaluation = m_setup->evaluation;
    evaluation.interrupted = interrupted;
    evaluation.plannedAsks = m_progress->maximum();
    evaluation.questionCount = m_setup->handover.questionCount;
    evaluation.questionLanguage = m_setup->parameters.questionLanguage;
    m_report = evaluateExam(m_setup->tables, evaluation, m_services.messages, m_services.system);
    setPhase(ExamPhase::Closed);
    closeWindow();
    QApplication::restoreOverrideCursor();
}

void ExamWindow::closeWindow() {
    if (m_phase != ExamPhase::Closed)
        return;
    cleanUpOnClose();
    done(QDialog::Accepted);
}

void ExamWindow::cleanUpOnClose() {
    m_timer->stop();
    for (QWidget* widget : questionArea())
        widget->hide();
    m_question->clear();
    m_answer->clear();
    m_result->clear();
    m_cancel->show();
    m_player.setWait(false);
    if (m_recorder) {
        m_recorder->close();
        m_recorder.reset();
    }
    switchLayout(entry::LayoutRole::Application);
}

void ExamWindow::switchLayout(entry::LayoutRole role) {
    if (m_layoutSwitch)
        m_layoutSwitch(role);
}

} // namespace exam
