#include "core/randomsource.h"

namespace core {

int MersenneRandomSource::below(int count) {
    Q_ASSERT(count > 0);
    std::uniform_int_distribution<int> range(0, count - 1);
    return range(m_engine);
}

void ClockRandomSource::reseed() {
    seed(static_cast<quint64>(m_clock.now().toMSecsSinceEpoch()));
}

} // namespace core
