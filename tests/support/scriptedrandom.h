#pragma once

#include "core/randomsource.h"

#include <deque>
#include <vector>

// Random choices for tests: each choice takes the next pick the test queued (modulo the range),
// and 0 once the queue is empty; the size of every range asked for is recorded.
class ScriptedRandom : public core::RandomSource {
public:
    void reseed() override { ++reseeds; }
    int below(int count) override {
        sizes.push_back(count);
        if (picks.empty())
            return 0;
        const int pick = picks.front();
        picks.pop_front();
        return pick % count;
    }

    std::deque<int> picks;
    std::vector<int> sizes;
    int reseeds = 0;
};
