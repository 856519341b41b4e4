#include "sound/ui/trackbar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace sound {

TrackBar::TrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
}

void TrackBar::setSelection(int start, int end) {
    if (start == m_selectionStart && end == m_selectionEnd)
        return;
    m_selectionStart = start;
    m_selectionEnd = end;
    update();
}

void TrackBar::paintEvent(QPaintEvent* event) {
    if (m_selectionEnd > m_selectionStart && maximum() > minimum()) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const int span = groove.width() - handle.width();
        const auto x = [&](int value) {
            return groove.left() + handle.width() / 2 +
                   QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
        };
        QPainter painter(this);
        const QRect band(QPoint(x(m_selectionStart), groove.top() - 2),
                         QPoint(x(m_selectionEnd), groove.bottom() + 2));
        painter.fillRect(band, palette().color(QPalette::Highlight));
    }
    QSlider::paintEvent(event);
}

} // namespace sound
