#pragma once

#include <QDialog>

namespace sound {

// The stop window of whole-article playback (TForm3): borderless, blue, centred over its
// parent, one button "STOP". It is shown without blocking; the playback asks stopped() between
// phrases. Esc minimises the application when the settings say so.
class ArticleStopWindow : public QDialog {
    Q_OBJECT
public:
    // The flag is the setting "escape=yes", which the window reads as it is when Esc comes.
    ArticleStopWindow(const bool& escapeMinimizes, QWidget* parent = nullptr);

    // Shows the window with its stopped flag cleared.
    void showStop();
    bool stopped() const { return m_stopped; }
    void clearStopped() { m_stopped = false; }
    // Sets the flag and closes the window.
    void stop();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    const bool& m_escapeMinimizes;
    bool m_stopped = false;
};

} // namespace sound
