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
