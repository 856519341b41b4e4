#include "sound/ui/waveformview.h"

#include <QFutureWatcher>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QtConcurrent>

#include <algorithm>

namespace sound {
namespace {

// Enough columns for the widest screen; narrower views join neighbouring columns.
constexpr int kPeakColumns = 4096;

} // namespace

WaveformView::WaveformView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Waveform"));
    setMinimumHeight(64);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
}

void WaveformView::showSound(const PcmSound& sound) {
    const int generation = ++m_generation;
    m_peaks.clear();
    m_lengthMs = sound.durationMs();
    update();
    if (m_lengthMs <= 0)
        return;
    using Watcher = QFutureWatcher<std::vector<PeakColumn>>;
    auto* watcher = new Watcher(this);
    connect(watcher, &Watcher::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        m_peaks = watcher->result();
        update();
        emit peaksReady();
    });
    // The worker gets its own copy of the sound: the samples are shared, not copied.
    watcher->setFuture(QtConcurrent::run([copy = sound] { return wavePeaks(copy, kPeakColumns); }));
}

void WaveformView::setSelection(Selection selection) {
    m_selection = selection;
    update();
}

void WaveformView::setPosition(qint64 positionMs) {
    m_positionMs = positionMs;
    update();
}

QRect WaveformView::waveArea() const {
    const int margin = style()->pixelMetric(QStyle::PM_SliderLength) / 2;
    return rect().adjusted(margin, 0, -margin, 0);
}

int WaveformView::xOf(qint64 ms) const {
    const QRect area = waveArea();
    if (m_lengthMs <= 0)
        return area.left();
    return area.left() + int(double(std::clamp(ms, qint64(0), m_lengthMs)) * (area.width() - 1) /
                             double(m_lengthMs));
}

void WaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = waveArea();
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (m_lengthMs <= 0)
        return;
    if (m_selection.endMs > m_selection.startMs) {
        QColor shade = palette().color(QPalette::Highlight);
        shade.setAlpha(80);
        painter.fillRect(QRect(QPoint(xOf(m_selection.startMs), area.top()),
                               QPoint(xOf(m_selection.endMs), area.bottom())),
                         shade);
    }
    const double middle = area.center().y();
    const double half = area.height() / 2.0;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(QPointF(area.left(), middle), QPointF(area.right(), middle));
    const auto columns = qint64(m_peaks.size());
    for (int x = 0; columns > 0 && x < area.width(); ++x) {
        const qint64 first = qint64(x) * columns / area.width();
        const qint64 last = std::max(first + 1, qint64(x + 1) * columns / area.width());
        float low = 0;
        float high = 0;
        for (qint64 column = first; column < last && column < columns; ++column) {
            low = std::min(low, m_peaks[size_t(column)].low);
            high = std::max(high, m_peaks[size_t(column)].high);
        }
        painter.drawLine(QPointF(area.left() + x, middle - high * half),
                         QPointF(area.left() + x, middle - low * half));
    }
    painter.setPen(QPen(Qt::red, 2));
    const int position = xOf(m_positionMs);
    painter.drawLine(position, area.top(), position, area.bottom());
}

void WaveformView::mousePressEvent(QMouseEvent* event) {
    const QRect area = waveArea();
    if (event->button() != Qt::LeftButton || m_lengthMs <= 0 || area.width() <= 1)
        return;
    const double share =
        std::clamp(double(event->position().x() - area.left()) / (area.width() - 1), 0.0, 1.0);
    emit clicked(qint64(share * double(m_lengthMs) + 0.5));
}

} // namespace sound
