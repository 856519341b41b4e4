#pragma once

#include <QDialog>

namespace sound {

// The stop window (TForm2): a small blue window with one button "STOP", shown modally while
// the sound window records or plays. It closes on "STOP", on any key that types a character,
// on letting go of F12 and, when asked for push-to-talk, on letting go of F11; whoever
// showed it stops the recording or the play when it is closed.
class StopWindow : public QDialog {
    Q_OBJECT
public:
    explicit StopWindow(QWidget* parent = nullptr);

    void setStopsOnF11Release(bool stops) { m_stopsOnF11Release = stops; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_stopsOnF11Release = false;
};

} // namespace sound
