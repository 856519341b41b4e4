#pragma once

#include "entry/layoutswitching.h"
#include "exam/evaluateexam.h"
#include "exam/examini.h"
#include "exam/examparameters.h"
#include "exam/examrun.h"
#include "exam/prepareexam.h"

#include <QDialog>
#include <QFont>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolButton;
class QWidget;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}
namespace sound {
class MediaPlayer;
}

namespace exam {

class ExamClock;

// Where an exam stands in its window: waiting for "Start", a question asked and its answer
// awaited, the answer shown for review and grading, every question asked and the results
// waiting for "Vyhodnoť", or the window closing (results written or the exam cancelled).
enum class ExamPhase { Ready, Answering, Reviewing, Finished, Closed };

// The caption of the start/stop button in each phase.
QString startStopCaption(ExamPhase phase);

// What one prepared exam hands to the exam window.
struct ExamSetup {
    ExamTables tables;
    ExamHandover handover;
    ExamParameters parameters;
    entry::TestWordRules rules;
    QFont czechFont;
    QFont foreignFont;
    QFont descriptionFont;
    ExamEvaluation evaluation; // for the results step; the window fills in the rest
};

// The exam window (TExam, "Zkoušení"). It asks the prepared questions at random, takes the
// typed answer within the time limit, shows the accepted answers, takes a grade per answer and
// asks again until every question has had its asks and reached the average; then the results
// step closes it. It cannot be closed otherwise, except by cancelling before the start.
class ExamWindow : public QDialog {
    Q_OBJECT
public:
    using StatusLine = std::function<void(const QString&)>;
    // The keyboard layout of the answer's language while the window is open, the
    // application's after it closes.
    using LayoutSwitch = std::function<void(entry::LayoutRole)>;

    // The player is the main window's; the status line is the main window's status bar.
    ExamWindow(widgets::Services& services, const app::RunState& state, sound::MediaPlayer& player,
               StatusLine status, QWidget* parent = nullptr);
    ~ExamWindow() override;

    // The look exam.ini gives; the layout size first, as the file is read.
    void applyLook(const ExamWindowLook& look, const QImage& backgroundPicture);
    // Lays the window out small (0), middle (1) or big (2) and takes its size as the
    // reference size.
    void setExam(int size);

    // Runs one exam modally, from "Start" to the closed window. Returns the path of the
    // report when the results step wrote one.
    std::optional<QString> run(const ExamSetup& setup);

    // One step of the 100 ms timer.
    void tick();

    void setLayoutSwitch(LayoutSwitch layoutSwitch) { m_layoutSwitch = std::move(layoutSwitch); }
    // The box the answer is typed into, for the special-character menu of its language.
    QLineEdit& answerBox() { return *m_answer; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls.
    void buildControls();
    void connectControls();
    QLabel* addLabel(const char* name, const QString& caption);
    QToolButton* addSpeedButton(QWidget* parent, const char* name, const QString& caption);
    QList<QWidget*> questionArea() const;

    // Layout.
    void placeControls(int size);
    void fitToWidth(int width);
    void firstActivation();

    // The exam.
    void setPhase(ExamPhase phase);
    void showReady();
    void startOrStop();
    void start();
    void askQuestion();
    void confirm();
    void evaluate();
    bool answerIsRight();
    void gradeButton(int grade);
    void giveGrade(int grade);
    void recordGrade(int grade);
    void finish();
    void cancelExam();
    void closeWithResults(bool interrupted);
    void closeWindow();
    void cleanUpOnClose();
    void switchLayout(entry::LayoutRole role);
    void showAnswerDescription();
    void showGradeButtons(bool inTime);
    bool gradingByKeys() const;
    // The result line; a verdict on the answer in green (right) or red (wrong).
    void showResult(const QString& text, std::optional<bool> right = std::nullopt);
    bool czechAsked() const;
    bool foreignAskedBySoundOnly() const;
    bool selfEvaluation() const;
    bool recording() const;

    // Sounds.
    void setUpSoundButtons();
    void prepareQuestionSounds();
    void evaluationSounds();
    void playAfterEvaluation(bool right);
    QString foreignTestWord();
    bool loadWordSound();
    void playWordSound();
    void playRecording();
    void playTheRecording();
    void playWordAndRecording();
    void startRecordingOnButton();
    void stopRecordingOnButton();
    void openNewRecording();

    widgets::Services& m_services;
    const app::RunState& m_state;
    sound::MediaPlayer& m_player;
    StatusLine m_status;
    LayoutSwitch m_layoutSwitch;
    std::unique_ptr<sound::MediaPlayer> m_recorder;
    std::optional<ExamSetup> m_setup;
    std::optional<ExamRun> m_run;
    std::optional<QString> m_report; // written by the results step of this exam

    // The window's state.
    ExamPhase m_phase = ExamPhase::Ready;
    std::optional<int> m_gradeAwaitingEnter; // given while reviewing, recorded on Enter
    bool m_inTime = false;                   // the answer came before the time limit ran out
    std::optional<int> m_limitTicks;         // the time limit of a question, when it has one
    int m_elapsedTicks = 0;
    int m_averageLimit = 20;
    bool m_recordHeld = false; // F12 or the record button is held down
    bool m_firstActivation = true;
    bool m_initialised = false;
    QSize m_referenceSize{780, 580};
    bool m_showRight = false;
    QImage m_backgroundPicture;

    // Controls; their object names are the window's control names.
    QLabel* m_countTitle = nullptr;
    QLabel* m_countAll = nullptr;
    QLabel* m_progressTitle = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_questionTitle = nullptr;
    QLabel* m_question = nullptr;
    QLabel* m_answerTitle = nullptr;
    QLineEdit* m_answer = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_answersTitle = nullptr;
    QTableWidget* m_answers = nullptr;
    QLabel* m_descriptionTitle = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QLabel* m_result = nullptr;
    QLabel* m_clockTitle = nullptr;
    ExamClock* m_clock = nullptr;
    QWidget* m_gradePanel = nullptr;
    QList<QToolButton*> m_gradeButtons;
    QToolButton* m_startStop = nullptr;
    QToolButton* m_cancel = nullptr;
    QWidget* m_soundPanel = nullptr;
    QToolButton* m_questionSound = nullptr;
    QToolButton* m_answerSound = nullptr;
    QToolButton* m_bothSounds = nullptr;
    QToolButton* m_recordSound = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace exam
