#include "exam/ui/examclock.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace exam {

ExamClock::ExamClock(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox1"));
}

void ExamClock::setColors(const QColor& foreground, const QColor& background) {
    m_foreground = foreground;
    m_background = background;
    update();
}

void ExamClock::setTicks(int elapsed, int limit) {
    m_elapsed = elapsed;
    m_limit = std::max(limit, 1);
    repaint();
}

QColor ExamClock::centreColor(int elapsed, int limit) {
    const double share = static_cast<double>(elapsed) / std::max(limit, 1);
    const auto channel = [share](double fade) {
        return static_cast<int>(std::lround(255.0 - fade * share));
    };
    return {channel(75.0), channel(150.0), channel(75.0)};
}

void ExamClock::paintEvent(QPaintEvent*) {
    if (m_elapsed < 1)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRect box = rect();
    painter.setBrush(m_foreground);
    painter.drawEllipse(box);
    // Qt counts angles in sixteenths of a degree, counter-clockwise from three o'clock.
    const int elapsedAngle = static_cast<int>(std::lround(5760.0 * m_elapsed / m_limit));
    painter.setBrush(m_background);
    painter.drawPie(box, 90 * 16, elapsedAngle);
    const int radius = fontMetrics().height();
    painter.setBrush(centreColor(m_elapsed, m_limit));
    painter.drawEllipse(box.center() + QPointF(0.5, 0.5), radius, radius);
}

void ExamClock::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QWidget::mousePressEvent(event);
}

void ExamClock::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit released();
    QWidget::mouseReleaseEvent(event);
}

} // namespace exam
