#pragma once

#include <chrono>
#include <vector>

namespace bench {

// Measures the time since it was made (or restarted) on the monotonic clock.
class Stopwatch {
public:
    void restart() { m_start = std::chrono::steady_clock::now(); }
    double elapsedMicroseconds() const;

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// The middle of the samples (the mean of the two middle ones for an even count); 0 if none.
double median(std::vector<double> samples);
double mean(const std::vector<double>& samples);

// Runs the measurement the given number of times; each run returns its own time.
template <typename Measurement> std::vector<double> repeated(int times, Measurement&& measure) {
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(times));
    for (int i = 0; i < times; ++i)
        samples.push_back(measure(i));
    return samples;
}

} // namespace bench
