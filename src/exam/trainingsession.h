#pragma once

#include "exam/examrun.h"
#include "exam/trainingsettings.h"

#include <QString>

#include <deque>
#include <optional>

namespace core {
class RandomSource;
}

namespace exam {

// What the training window does for the training: its sounds and its display. The sound
// steps swallow their own failures, as a word that cannot be played or saved must not end the
// training.
class TrainingActions {
public:
    virtual ~TrainingActions() = default;
    // Makes the main player ready for the word's model; its length in milliseconds, or nothing
    // when the word has no sound that can be opened.
    virtual std::optional<qint64> openModel(const QString& word) = 0;
    virtual void showWord(const QString& word, const QString& czech) = 0;
    // Plays the model to its end.
    virtual void playModel() = 0;
    // Starts recording the learner and saves the model under modelPath.
    virtual void startRecording(const QString& modelPath) = 0;
    // Stops recording and saves the recording under path.
    virtual void saveRecording(const QString& path) = 0;
    virtual void showProgress(int wordsDone) = 0;
};

// The pronunciation training over the prepared questions: picks a word at random among those
// with repetitions left (Celkem > 0), plays its model once, twice or three times with pauses,
// records the learner in the recording mode, and counts the repetition down. The pauses are
// left to the caller: resume() runs up to the next pause and says how long it is, so that the
// window stays responsive while it waits. In the recording mode the k-th word's model and
// recording are kept as 2k − 1 and 2k in the Temp folder.
class TrainingSession {
public:
    TrainingSession(const ExamTables& tables, TrainingMode mode, int addedMs, QString tempFolder,
                    core::RandomSource& random, TrainingActions& actions);

    // The pause before the first word.
    static constexpr int kInitialPauseMs = 500;

    // Runs up to the next pause and returns its length, or nothing once the training has
    // ended: no word left, or a stop requested and the current word finished. Table failures
    // pass through as store errors.
    std::optional<int> resume();
    // The current word is finished (its recording saved) but not counted, and no further word
    // is picked.
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }

    // The numbered files made so far.
    int recordings() const { return m_recordings; }

    static QString recordingPath(const QString& tempFolder, int number);

private:
    enum class Step { Play, Record, Pause, SaveRecording, CountDown };
    struct PlannedStep {
        Step step;
        int pauseMs = 0;
    };

    bool startNextWord();
    void planWord(qint64 modelMs);
    void countDown();

    ExamTables m_tables;
    ExamRun m_run;
    TrainingMode m_mode;
    int m_addedMs;
    QString m_tempFolder;
    core::RandomSource& m_random;
    TrainingActions& m_actions;
    std::deque<PlannedStep> m_steps;
    int m_recordings = 0;
    int m_wordsDone = 0;
    bool m_stopRequested = false;
    bool m_ended = false;
};

} // namespace exam
