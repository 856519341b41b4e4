#include "stopwatch.h"

#include <algorithm>
#include <numeric>

namespace bench {

double Stopwatch::elapsedMicroseconds() const {
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return std::chrono::duration<double, std::micro>(elapsed).count();
}

double median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    const size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(middle),
                     samples.end());
    const double upper = samples[middle];
    if (samples.size() % 2 == 1)
        return upper;
    const double lower =
        *std::max_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

double mean(const std::vector<double>& samples) {
    if (samples.empty())
        return 0;
    return std::accumulate(samples.begin(), samples.end(), 0.0) /
           static_cast<double>(samples.size());
}

} // namespace bench
