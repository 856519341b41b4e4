#pragma once

#include <QColor>
#include <QWidget>

namespace exam {

// The time-limit clock (PaintBox1): a disc in the foreground colour from which the elapsed
// share of the limit is cut counter-clockwise from twelve o'clock in the background colour,
// with a centre dot fading from white. Nothing is drawn before the first tick, and the parts
// of the window around the disc show through.
class ExamClock : public QWidget {
    Q_OBJECT
public:
    explicit ExamClock(QWidget* parent = nullptr);

    void setColors(const QColor& foreground, const QColor& background);
    // Shows elapsed of limit ticks; elapsed 0 clears the clock.
    void setTicks(int elapsed, int limit);
    int elapsed() const { return m_elapsed; }

    // The centre dot's colour after elapsed of limit ticks.
    static QColor centreColor(int elapsed, int limit);

signals:
    void pressed();
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_foreground{Qt::red};
    QColor m_background{Qt::blue};
    int m_elapsed = 0;
    int m_limit = 1;
};

} // namespace exam
