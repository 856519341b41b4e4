#pragma once

#include "exam/trainingsession.h"

#include <QDateTime>
#include <QDialog>

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;

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

// The pronunciation training window (TTraining, "Zkoušení výslovnosti"). START plays the
// prepared words at random, once to three times, and in the recording mode records the
// learner after each model; afterwards "Přehrej" plays model and attempt alternately from the
// track bar's position. The pauses run on the window's timer, so that "Přeruš", "Zavři" and
// Esc work during every one of them. Closing stops a running training and empties Temp.
class TrainingWindow : public QDialog, private TrainingActions {
    Q_OBJECT
public:
    // The player is the main window's: it plays the models and the replay.
    TrainingWindow(widgets::Services& services, const app::RunState& state,
                   sound::MediaPlayer& player, QWidget* parent = nullptr);
    ~TrainingWindow() override;

    // Trains the prepared questions modally, until the window is closed.
    void run(const ExamTables& tables, int repetitions, const QFont& foreignFont);

    // The pause timer has run out: the training goes on once the clock has reached the
    // pause's end.
    void tick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void showReady();
    void startOrInterrupt();
    void start();
    void interrupt();
    void goOn();
    void pause(int ms);
    void finish();
    void showEnd();
    void replayOrStop();
    void replay();
    void closeWindow();
    QString tempFolder() const;
    TrainingMode mode() const;

    // TrainingActions.
    std::optional<qint64> openModel(const QString& word) override;
    void showWord(const QString& word, const QString& czech) override;
    void playModel() override;
    void startRecording(const QString& modelPath) override;
    void saveRecording(const QString& path) override;
    void showProgress(int wordsDone) override;

    widgets::Services& m_services;
    const app::RunState& m_state;
    sound::MediaPlayer& m_player;
    std::unique_ptr<sound::MediaPlayer> m_recorder; // MediaPlayer1
    std::optional<ExamTables> m_tables;
    std::unique_ptr<TrainingSession> m_session;
    QDateTime m_pauseEnd;
    bool m_waiting = false;
    bool m_inSession = false; // a step of the session runs; the session must outlive it
    bool m_closed = false;
    bool m_replayStop = false;
    bool m_replaying = false;

    QComboBox* m_mode = nullptr;      // ComboBoxType
    QComboBox* m_addedTime = nullptr; // ComboBox1
    QLabel* m_addedCaption = nullptr;
    QCheckBox* m_showCzech = nullptr; // CheckBox1
    QCheckBox* m_minimize = nullptr;
    QLabel* m_afterStart = nullptr;
    QLabel* m_word = nullptr; // Slovicko
    QLabel* m_czechTitle = nullptr;
    QLabel* m_czech = nullptr; // LabelC
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QSlider* m_trackBar = nullptr;
    QPushButton* m_start = nullptr;  // Button1
    QPushButton* m_replay = nullptr; // Button2
    QPushButton* m_close = nullptr;  // Button4
    QTimer* m_timer = nullptr;
};

} // namespace exam
