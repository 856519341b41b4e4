#include "exam/trainingsession.h"

#include "core/randomsource.h"
#include "store/cursor.h"

namespace exam {

using namespace Qt::StringLiterals;

TrainingSession::TrainingSession(const ExamTables& tables, TrainingMode mode, int addedMs,
                                 QString tempFolder, core::RandomSource& random,
                                 TrainingActions& actions)
    : m_tables(tables)
    , m_run(tables, {}, 0)
    , m_mode(mode)
    , m_addedMs(addedMs)
    , m_tempFolder(std::move(tempFolder))
    , m_random(random)
    , m_actions(actions) {
    m_run.begin();
    m_random.reseed();
}

QString TrainingSession::recordingPath(const QString& tempFolder, int number) {
    return tempFolder + u'/' + QString::number(number) + u".wav"_s;
}

std::optional<int> TrainingSession::resume() {
    while (!m_ended) {
        if (m_steps.empty() && !startNextWord()) {
            m_ended = true;
            break;
        }
        const PlannedStep next = m_steps.front();
        m_steps.pop_front();
        switch (next.step) {
        case Step::Play:
            m_actions.playModel();
            break;
        case Step::Record:
            m_actions.startRecording(recordingPath(m_tempFolder, ++m_recordings));
            break;
        case Step::Pause:
            return next.pauseMs;
        case Step::SaveRecording:
            m_actions.saveRecording(recordingPath(m_tempFolder, ++m_recordings));
            break;
        case Step::CountDown:
            if (m_stopRequested) {
                m_ended = true;
                break;
            }
            countDown();
            m_actions.showProgress(++m_wordsDone);
            break;
        }
    }
    return std::nullopt;
}

bool TrainingSession::startNextWord() {
    while (!m_stopRequested && m_run.questionsLeft()) {
        m_run.pickQuestion(m_random);
        const QString word = m_run.questionTestWord();
        const std::optional<qint64> modelMs = m_actions.openModel(word);
        if (!modelMs) {
            // The sound was there when the training was prepared; without it the word could
            // only be picked again and again, so it leaves the training.
            store::Cursor& runtime = m_tables.runtime;
            runtime.edit();
            runtime.field(u"Celkem"_s).setAsInteger(0);
            runtime.post();
            continue;
        }
        const std::vector<Answer>& answers = m_run.answers();
        m_actions.showWord(word, answers.empty() ? QString() : answers.front().testWord);
        planWord(*modelMs);
        return true;
    }
    return false;
}

void TrainingSession::planWord(qint64 modelMs) {
    const int halfPause = m_addedMs / 2;
    m_steps = {{Step::Play}};
    switch (m_mode) {
    case TrainingMode::PlayAndRecord:
        m_steps.push_back({Step::Record});
        m_steps.push_back({Step::Pause, static_cast<int>(modelMs) + m_addedMs});
        m_steps.push_back({Step::SaveRecording});
        break;
    case TrainingMode::PlayThrice:
        m_steps.push_back({Step::Pause, halfPause});
        m_steps.push_back({Step::Play});
        [[fallthrough]];
    case TrainingMode::PlayTwice:
        m_steps.push_back({Step::Pause, halfPause});
        m_steps.push_back({Step::Play});
        [[fallthrough]];
    case TrainingMode::PlayOnce:
        m_steps.push_back({Step::Pause, m_addedMs});
        break;
    }
    m_steps.push_back({Step::CountDown});
}

void TrainingSession::countDown() {
    store::Cursor& runtime = m_tables.runtime;
    runtime.edit();
    store::Field celkem = runtime.field(u"Celkem"_s);
    celkem.setAsInteger(celkem.asInteger() - 1);
    runtime.post();
}

} // namespace exam
