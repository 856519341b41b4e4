// The exam window's review of an answer: the evaluation, the accepted answers with their
// descriptions, and the grade given.
#include "exam/ui/examwindow.h"

#include "exam/colorvalue.h"
#include "sound/mediaplayer.h"
#include "widgets/widgetcolors.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QToolButton>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

} // namespace

void ExamWindow::evaluate() {
    m_answers->setToolTip({});
    if (recording() && m_recorder)
        m_recorder->stop();
    setPhase(ExamPhase::Reviewing);
    evaluationSounds();
    if (selfEvaluation()) {
        m_answers->show();
        showGradeButtons(m_inTime);
        showAnswerDescription();
        m_gradePanel->show();
        m_startStop->show();
    }
    const bool right = answerIsRight();
    if (selfEvaluation()) {
        showResult(right ? u"Já si myslím, že je to správně"_s : u"Já si myslím, že je to špatně"_s,
                   right);
        playAfterEvaluation(right);
        return;
    }
    m_startStop->show();
    if (right) {
        if (m_showRight) {
            showResult(u"Správně"_s, true);
            m_answers->show();
            playAfterEvaluation(right);
        }
        giveGrade(1);
    } else {
        showResult(u"Špatně"_s, false);
        m_answers->show();
        playAfterEvaluation(right);
        giveGrade(5);
    }
}

bool ExamWindow::answerIsRight() {
    const int current = std::max(m_answers->currentRow(), 0);
    const std::vector<Answer>& answers = m_run->answers();
    if (static_cast<size_t>(current) < answers.size()) {
        m_answers->setToolTip(u"Přesná odpověd: \""_s + answers[static_cast<size_t>(current)].text +
                              u'"');
    }
    return m_run->matchingAnswer(m_answer->text()).has_value();
}

// In time, grades 1 to 4 are offered beside 5; after the limit only 5, across the panel.
void ExamWindow::showGradeButtons(bool inTime) {
    QToolButton* five = m_gradeButtons.last();
    const int panelWidth = m_gradePanel->contentsRect().width();
    for (int index = 0; index < 4; ++index)
        m_gradeButtons[index]->setVisible(inTime);
    if (inTime) {
        const int width = m_gradeButtons.first()->width();
        five->setGeometry(panelWidth - 16 - width, five->y(), width, five->height());
    } else {
        five->setGeometry(8, five->y(), panelWidth - 16, five->height());
    }
    five->show();
}

void ExamWindow::showResult(const QString& text, std::optional<bool> right) {
    const QColor background = palette().color(QPalette::Window);
    widgets::setTextColor(m_result, right ? verdictColor(*right, background)
                                          : palette().color(QPalette::WindowText));
    m_result->setText(text);
}

// The description of the selected answer, shown while the answer is reviewed.
void ExamWindow::showAnswerDescription() {
    if (!m_run || !m_answers->isVisible()) {
        m_description->hide();
        m_descriptionTitle->hide();
        return;
    }
    const int row = m_answers->currentRow();
    const std::vector<Answer>& answers = m_run->answers();
    const QString text = row >= 0 && static_cast<size_t>(row) < answers.size()
                             ? answers[static_cast<size_t>(row)].description
                             : QString();
    m_description->setPlainText(text);
    const bool shown = m_phase != ExamPhase::Answering && !text.isEmpty();
    m_description->setVisible(shown);
    m_descriptionTitle->setVisible(shown);
}

void ExamWindow::gradeButton(int grade) {
    if (m_phase == ExamPhase::Answering || !m_run || !m_run->questionsLeft() ||
        !m_gradeButtons[grade - 1]->isVisible())
        return;
    giveGrade(grade);
}

void ExamWindow::giveGrade(int grade) {
    if (selfEvaluation()) {
        recordGrade(grade);
        return;
    }
    if (grade == 1 && !m_showRight) {
        m_result->clear();
        recordGrade(grade);
        return;
    }
    showAnswerDescription();
    m_gradeAwaitingEnter = grade;
}

void ExamWindow::recordGrade(int grade) {
    m_answer->clear();
    m_descriptionTitle->hide();
    m_answers->hide();
    if (m_phase != ExamPhase::Closed && m_run->recordGrade(grade)) {
        m_progress->setValue(m_progress->value() + 1);
        m_countAll->setText(m_setup->handover.countPrefix +
                            QString::number(m_progress->maximum() - m_progress->value()));
    }
    if (m_phase == ExamPhase::Answering)
        return;
    if (m_run->questionsLeft())
        askQuestion();
    else
        finish();
}

} // namespace exam
