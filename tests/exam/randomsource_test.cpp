#include "core/randomsource.h"
#include "recordingshell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(RandomSource, ReseedRepeatsTheSequence) {
    core::SeededRandomSource random(42);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i)
        first.push_back(random.below(1000));
    random.reseed();
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(random.below(1000), first[static_cast<size_t>(i)]);
}

// Every remaining word must be equally likely: a chi-square test over a count that is not a
// power of two, where a modulo reduction would show.
TEST(RandomSource, PicksAreUniform) {
    constexpr int kWords = 7;
    constexpr int kDraws = 70000;
    // Six degrees of freedom: 22.46 is the 0.1 % tail; a fixed seed keeps the test stable.
    constexpr double kBound = 22.46;
    core::SeededRandomSource random(20240611);
    std::vector<int> counts(kWords, 0);
    for (int i = 0; i < kDraws; ++i) {
        const int pick = random.below(kWords);
        ASSERT_GE(pick, 0);
        ASSERT_LT(pick, kWords);
        ++counts[static_cast<size_t>(pick)];
    }
    const double expected = double(kDraws) / kWords;
    double chiSquare = 0;
    for (const int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, kBound);
}

TEST(RandomSource, ClockSeedsDifferByTime) {
    FixedClock clock(QDateTime::fromMSecsSinceEpoch(1000));
    core::ClockRandomSource random(clock);
    random.reseed();
    const int first = random.below(1 << 30);
    random.reseed();
    EXPECT_EQ(random.below(1 << 30), first);
    clock.time = QDateTime::fromMSecsSinceEpoch(1001);
    random.reseed();
    EXPECT_NE(random.below(1 << 30), first);
}

} // namespace
