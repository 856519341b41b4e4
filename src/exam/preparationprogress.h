#pragma once

#include <functional>

namespace exam {

// Told the position and the maximum of the preparation's progress bar at every change.
using PreparationProgress = std::function<void(int position, int maximum)>;

// The progress bar of a preparation: a maximum set per stage, one step per question row
// added or increased and per question of the answers pass, so it may stop short.
class ProgressCounter {
public:
    explicit ProgressCounter(PreparationProgress report)
        : m_report(std::move(report)) {}

    void setMaximum(int maximum) {
        m_maximum = maximum;
        notify();
    }
    void advance() {
        ++m_position;
        notify();
    }

private:
    void notify() const {
        if (m_report)
            m_report(m_position, m_maximum);
    }

    PreparationProgress m_report;
    int m_position = 0;
    int m_maximum = 0;
};

} // namespace exam
