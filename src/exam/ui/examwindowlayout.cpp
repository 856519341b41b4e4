// The exam window's three layout sizes and how it follows its size.
#include "exam/ui/examwindow.h"

#include "exam/ui/examclock.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>

namespace exam {
namespace {

// The designed layout of the big size, in a window of 780 x 580.
constexpr QSize kDesignedSize{780, 580};

struct Placement {
    const char* name;
    QRect geometry;
};

constexpr Placement kDesigned[] = {
    {"Label1", {16, 8, 170, 22}},        {"CountAll", {200, 8, 560, 22}},
    {"Label8", {16, 34, 170, 22}},       {"ProgressBar", {200, 36, 560, 18}},
    {"Label4", {200, 64, 300, 22}},      {"otazka", {200, 86, 560, 36}},
    {"Label5", {200, 128, 300, 22}},     {"Edit1", {200, 150, 479, 30}},
    {"ok", {684, 150, 76, 30}},          {"Label3", {200, 186, 560, 28}},
    {"Label6", {200, 216, 300, 22}},     {"DBGrid1", {200, 238, 560, 110}},
    {"Label2", {200, 352, 300, 22}},     {"DBMemo1", {200, 374, 560, 64}},
    {"Panel1", {200, 444, 560, 48}},     {"Label7", {16, 288, 161, 22}},
    {"PaintBox1", {16, 312, 161, 161}},  {"SpeedButton1", {200, 500, 185, 41}},
    {"PanelSound", {392, 500, 180, 41}}, {"SpeedButton2", {575, 500, 185, 41}},
};

struct LayoutSize {
    QSize window;
    int fontPoints;
    QRect clock;
    std::optional<QRect> startStop;
};

const LayoutSize kSizes[] = {
    {{478, 371}, 8, {8, 184, 81, 81}, std::nullopt},
    {{635, 435}, 12, {32, 240, 97, 97}, QRect(432, 350, 185, 41)},
    {kDesignedSize, 14, {16, 312, 161, 161}, std::nullopt},
};

QRect scaled(const QRect& designed, QSize window) {
    const double x = static_cast<double>(window.width()) / kDesignedSize.width();
    const double y = static_cast<double>(window.height()) / kDesignedSize.height();
    return {static_cast<int>(designed.x() * x), static_cast<int>(designed.y() * y),
            static_cast<int>(designed.width() * x), static_cast<int>(designed.height() * y)};
}

// Buttons side by side over the panel, with a margin of 8.
void layOutRow(QWidget* panel, const QList<QToolButton*>& buttons) {
    const int width = (panel->width() - 16) / static_cast<int>(buttons.size());
    for (int index = 0; index < buttons.size(); ++index)
        buttons[index]->setGeometry(8 + index * width, 4, width - 4, panel->height() - 8);
}

} // namespace

void ExamWindow::setExam(int layoutSize) {
    const LayoutSize& layout = kSizes[std::clamp(layoutSize, 0, 2)];
    QFont windowFont = font();
    windowFont.setPointSize(layout.fontPoints);
    setFont(windowFont);
    QFont resultFont = windowFont;
    resultFont.setBold(true);
    m_result->setFont(resultFont);
    resize(layout.window);
    for (const Placement& placement : kDesigned) {
        if (auto* widget = findChild<QWidget*>(QLatin1StringView(placement.name)))
            widget->setGeometry(scaled(placement.geometry, layout.window));
    }
    m_clock->setGeometry(layout.clock);
    if (layout.startStop)
        m_startStop->setGeometry(*layout.startStop);
    layOutRow(m_gradePanel, m_gradeButtons);
    layOutRow(m_soundPanel, {m_questionSound, m_answerSound, m_bothSounds, m_recordSound});
    m_referenceSize = size();
}

// The answer controls and the grade panel take the given width; the buttons stay at their
// right edge and inside the window.
void ExamWindow::fitToWidth(int width) {
    m_answers->resize(width, m_answers->height());
    m_answers->setColumnWidth(0, width - 35);
    m_description->resize(width, m_description->height());
    m_progress->resize(width, m_progress->height());
    // The grade buttons stay under the answers, inside the window.
    m_gradePanel->resize(width, m_gradePanel->height());
    layOutRow(m_gradePanel, m_gradeButtons);
    if (!m_gradeButtons.first()->isVisibleTo(m_gradePanel))
        showGradeButtons(false);
    m_answer->resize(width - m_ok->width() - 5, m_answer->height());
    m_ok->move(m_answer->geometry().right() + 1 + 5, m_ok->y());
    const int right = m_answers->geometry().right() + 1;
    m_startStop->move(right - m_startStop->width(), m_startStop->y());
    m_soundPanel->move(m_startStop->x() - 3 - m_soundPanel->width(), m_soundPanel->y());
    for (QWidget* widget : QList<QWidget*>{m_startStop, m_soundPanel}) {
        if (widget->geometry().right() + 1 > this->width())
            widget->move(this->width() - widget->width() - 15, widget->y());
    }
}

void ExamWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_initialised && !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        fitToWidth(std::max(width() - m_answers->x() - 35, 350));
}

// A window much wider than its layout keeps the controls together in its middle.
void ExamWindow::firstActivation() {
    m_firstActivation = false;
    if (static_cast<double>(width()) / m_referenceSize.width() <= 1.4)
        return;
    const int oldReference = m_referenceSize.width();
    m_referenceSize.setWidth(std::min(static_cast<int>(width() / 1.4), 1400));
    const QPoint shift((width() - m_referenceSize.width()) / 2,
                       (height() - m_referenceSize.height()) / 2);
    for (QObject* child : children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            widget->move(widget->pos() + shift);
    }
    const double ratio = static_cast<double>(m_referenceSize.width()) / oldReference;
    if (m_initialised && ratio > 1)
        fitToWidth(std::max(static_cast<int>(m_answers->width() * ratio), 350));
}

void ExamWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_firstActivation)
        firstActivation();
}

} // namespace exam
