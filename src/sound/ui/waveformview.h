#pragma once

#include "sound/pcmsound.h"
#include "sound/selection.h"
#include "sound/wavepeaks.h"

#include <QWidget>

#include <vector>

namespace sound {

// The waveform of the sound window's take, drawn under its track bar: the selection shaded,
// the position marked. Its peaks are computed on a worker thread, so a long take never holds
// up the window; until they are ready the view shows no wave.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    explicit WaveformView(QWidget* parent = nullptr);

    // The take to draw, or an empty sound for none.
    void showSound(const PcmSound& sound);
    void setSelection(Selection selection);
    void setPosition(qint64 positionMs);

    // Columns of peaks computed for the take shown; empty until they are ready.
    const std::vector<PeakColumn>& peaks() const { return m_peaks; }

signals:
    // The user clicked at this time of the take.
    void clicked(qint64 positionMs);
    // The peaks of the sound last shown are ready.
    void peaksReady();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Where the drawing goes: inside the margins that line it up with the track bar's groove.
    QRect waveArea() const;
    int xOf(qint64 ms) const;

    int m_generation = 0; // of the sound last shown; the peaks of older ones are dropped
    std::vector<PeakColumn> m_peaks;
    qint64 m_lengthMs = 0;
    Selection m_selection;
    qint64 m_positionMs = 0;
};

} // namespace sound
