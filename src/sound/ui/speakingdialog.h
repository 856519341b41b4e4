#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace widgets {
struct Services;
}

namespace sound {

class MissingSounds;
class SpeechSynthesizer;

// The progress of speaking the missing sounds ("Namluvit chybějící zvuky"): one word at a
// time between two turns of the event loop, so that the windows stay responsive however many
// words there are, with a bar and "Zrušit", which stops after the word being spoken.
class SpeakingDialog : public QDialog {
    Q_OBJECT
public:
    explicit SpeakingDialog(QWidget* parent = nullptr);

    // Speaks until the words are done or the user stops, then tells the count, or where the
    // work stopped when a sound could not be written (the sounds written before stay).
    void run(widgets::Services& services, MissingSounds& sounds,
             const SpeechSynthesizer& synthesizer);

private:
    void speakNext();

    QLabel* m_word;
    QProgressBar* m_bar;
    QTimer m_timer;
    MissingSounds* m_sounds = nullptr;
    const SpeechSynthesizer* m_synthesizer = nullptr;
    QString m_failure;
};

} // namespace sound
