// The sound window's take: recording and loading it, selecting a part of it, playing the
// part and showing where the play stands.
#include "sound/ui/soundwindow.h"

#include "core/rounding.h"
#include "core/usererror.h"
#include "sound/typedtime.h"
#include "sound/ui/starttimedialog.h"
#include "sound/ui/stopwindow.h"
#include "sound/ui/trackbar.h"
#include "sound/ui/waveformview.h"
#include "store/cursor.h"
#include "widgets/services.h"
#include "widgets/widgetcolors.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

const QColor kPlayingPositionColor(0x80, 0x80, 0x80);

QString seconds(qint64 ms, int decimals) {
    return QString::number(double(ms) / 1000, 'f', decimals);
}

} // namespace

bool SoundWindow::hasTake() const {
    return m_recorder && m_recorder->mode() != MediaPlayer::Mode::NotOpen;
}

void SoundWindow::recordTake() {
    if (m_confirmRecording->isChecked() &&
        !m_services.messages.confirm(u"Spusti nehrávání stiskem \"OK\""_s))
        return;
    try {
        std::unique_ptr<MediaPlayer> recorder = newRecorder();
        recorder->openNew(m_setup.recordingFormat);
        m_recorder = std::move(recorder);
        m_takeFile.clear();
        m_waveform->showSound({});
        m_trackBar->setEnabled(false);
        m_showingPosition = true;
        m_trackBar->setMaximum(1000);
        m_trackBar->setTickInterval(1000);
        m_trackBar->setValue(0);
        m_showingPosition = false;
        m_selectionPanel->hide();
        m_scale = {};
        m_recorder->record();
        if (m_copyWord->isChecked() && m_links.pomTable.active() && !m_links.pomTable.isEmpty())
            QGuiApplication::clipboard()->setText(m_links.pomTable.field(u"Otherzk"_s).asString());
        m_stopWindow->setStopsOnF11Release(m_pushToTalk->isChecked());
        m_services.modals.exec(*m_stopWindow);
        m_recorder->stop();
        takeArrived();
        m_takeFile = m_setup.takeFile;
        m_recorder->setFileName(m_takeFile);
        m_recorder->save();
        m_recorder->rewind();
        m_selectionPanel->show();
        showSelection();
    } catch (const core::UserError& error) {
        m_services.messages.error(u"Chyba nahrávání souboru, hlášení zní: \r\n"_s +
                                  error.message());
    }
}

void SoundWindow::loadTake() {
    const std::optional<QString> file =
        m_services.files.pickFileToOpen(u"Zvukové soubory WAV (*.wav)"_s, QString(), this);
    if (!file)
        return;
    try {
        // The take stays as it was when the file cannot be read.
        std::unique_ptr<MediaPlayer> recorder = newRecorder();
        recorder->setFileName(*file);
        recorder->open();
        m_recorder = std::move(recorder);
        m_takeFile = *file;
        takeArrived();
        m_selectionPanel->show();
        showSelection();
    } catch (const core::UserError& error) {
        m_services.messages.error(u"Chyba otevření souboru, hlášení zní: \r\n"_s + error.message());
    }
}

// A new take is there: all of it selected, the track bar scaled to its length.
void SoundWindow::takeArrived() {
    const qint64 length = m_recorder->length();
    m_selection = {0, length};
    m_scale = trackScaleFor(length);
    m_showingPosition = true;
    m_trackBar->setEnabled(true);
    m_trackBar->setMaximum(int(m_scale.steps));
    m_trackBar->setValue(0);
    m_showingPosition = false;
    m_fresh = true;
    m_waveform->showSound(m_recorder->sound());
}

void SoundWindow::playSelection() {
    if (!hasTake())
        return;
    playAndFollow();
}

// "Další": plays on from where the last piece ended (or from the position, on a fresh take)
// and makes what was heard the selection.
void SoundWindow::playNext() {
    if (!hasTake())
        return;
    const qint64 length = m_recorder->length();
    if (std::exchange(m_fresh, false))
        m_selection = {m_recorder->position(), length};
    else
        m_selection = {m_selection.endMs, length};
    playAndFollow();
    m_selection.endMs = m_recorder->position();
    showSelection();
}

// Plays the selection with the stop window shown until the play reaches its end or the user
// stops it; a play stopped by letting a key go stops where it was at that moment.
void SoundWindow::playAndFollow() {
    try {
        m_recorder->setPosition(m_selection.startMs);
        widgets::setTextColor(m_positionDisplay, kPlayingPositionColor);
        m_recorder->play(m_selection.startMs, m_selection.endMs);
        m_timer.start();
        m_stopWindow->setStopsOnF11Release(false);
        m_services.modals.exec(*m_stopWindow);
        m_recorder->stop();
        if (m_stopWindow->closedByKey())
            m_recorder->setPosition(m_letGoMs);
    } catch (const core::UserError& error) {
        m_services.messages.error(error.message());
    }
    m_timer.stop();
    widgets::setTextColor(m_positionDisplay, Qt::black);
    showSelection();
}

void SoundWindow::tick() {
    if (!hasTake())
        return;
    const qint64 position = m_recorder->position();
    showPosition(position);
    const bool ended = m_recorder->mode() != MediaPlayer::Mode::Playing ||
                       position >= m_selection.endMs || position >= m_recorder->length();
    if (ended && m_stopWindow->isVisible())
        m_stopWindow->accept();
}

void SoundWindow::selectAll() {
    if (!hasTake())
        return;
    m_selection = {0, m_recorder->length()};
    m_recorder->setPosition(0);
    m_fresh = true;
    showSelection();
}

void SoundWindow::stepEdge(SelectionEdge edge, qint64 deltaMs) {
    const std::optional<Selection> moved =
        stepSelection(m_selection, hasTake() ? m_recorder->length() : 0, edge, deltaMs);
    if (!moved) {
        m_services.system.beep();
        return;
    }
    m_selection = *moved;
    showSelection();
}

// The track bar or the waveform moved by hand: the position follows, kept inside the
// selection.
void SoundWindow::moveByHand(int trackPosition) {
    if (!hasTake())
        return;
    const int kept =
        std::clamp(trackPosition, m_trackBar->selectionStart(), m_trackBar->selectionEnd());
    m_recorder->setPosition(kept * m_scale.msPerStep);
    showSelection();
}

void SoundWindow::goToTypedTime() {
    if (!hasTake() || m_recorder->length() < 1)
        return;
    const std::optional<QString> typed = m_startTimeDialog->run(m_recorder->position());
    if (!typed)
        return;
    const std::optional<qint64> ms = parseTypedSeconds(*typed);
    if (ms && *ms >= 0 && *ms < m_recorder->length())
        m_recorder->setPosition(*ms);
    m_selection = {0, m_recorder->position()};
    m_fresh = false;
    showSelection();
}

void SoundWindow::showSelection() {
    m_startLabel->setText(seconds(m_selection.startMs, 2));
    m_endLabel->setText(seconds(m_selection.endMs, 2));
    const qint64 scale = std::max<qint64>(m_scale.msPerStep, 1);
    m_trackBar->setSelection(int(core::divideRoundingHalfToEven(m_selection.startMs, scale)),
                             int(core::divideRoundingHalfToEven(m_selection.endMs, scale)));
    m_waveform->setSelection(m_selection);
    showPosition(hasTake() ? m_recorder->position() : 0);
}

void SoundWindow::showPosition(qint64 positionMs) {
    m_showingPosition = true;
    m_trackBar->setValue(
        int(core::divideRoundingHalfToEven(positionMs, std::max<qint64>(m_scale.msPerStep, 1))));
    m_showingPosition = false;
    m_positionDisplay->setText(seconds(positionMs, 3));
    m_waveform->setPosition(positionMs);
}

} // namespace sound
