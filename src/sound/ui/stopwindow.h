#pragma once

#include <QDialog>
#include <QTimer>

namespace sound {

// The stop window (TForm2): a small blue window with one button "STOP", shown modally while
// the sound window records or plays. It closes on "STOP", on any key that types a character,
// on letting go of F12 and, when asked for push-to-talk, on letting go of F11; whoever
// showed it stops the recording or the play when it is closed.
//
// Some window systems report a key held down as let go and pressed again at its repeat rate,
// without marking the repeats; so letting go counts only when no press of the key follows
// within a moment. keyLetGo() tells the moment of letting go.
class StopWindow : public QDialog {
    Q_OBJECT
public:
    explicit StopWindow(QWidget* parent = nullptr);

    void setStopsOnF11Release(bool stops) { m_stopsOnF11Release = stops; }
    // Whether letting go of F11 or F12 closed the window the last time it was shown.
    bool closedByKey() const { return m_closedByKey; }

signals:
    void keyLetGo();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_stopsOnF11Release = false;
    int m_letGoKey = 0; // while the repeat gap runs
    bool m_closedByKey = false;
    QTimer m_repeatGap;
};

} // namespace sound
