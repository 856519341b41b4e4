#pragma once

#include "core/clock.h"

#include <QtGlobal>

#include <random>

namespace core {

// Where the program's random choices come from. Every choice is uniform over its range.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence; called once before a run of choices, such as an exam's.
    virtual void reseed() = 0;
    // A whole number from 0 to count - 1, each equally likely. count must be positive.
    virtual int below(int count) = 0;
};

// The common engine: 64-bit Mersenne Twister with an unbiased range reduction.
class MersenneRandomSource : public RandomSource {
public:
    int below(int count) override;

protected:
    void seed(quint64 value) { m_engine.seed(value); }

private:
    std::mt19937_64 m_engine;
};

// Seeded from the time of day at every reseed.
class ClockRandomSource : public MersenneRandomSource {
public:
    explicit ClockRandomSource(const Clock& clock)
        : m_clock(clock) {}
    void reseed() override;

private:
    const Clock& m_clock;
};

// Starts again from the same seed at every reseed, so that a run can be repeated exactly.
class SeededRandomSource : public MersenneRandomSource {
public:
    explicit SeededRandomSource(quint64 seedValue)
        : m_seed(seedValue) {
        seed(seedValue);
    }
    void reseed() override { seed(m_seed); }

private:
    quint64 m_seed;
};

} // namespace core
