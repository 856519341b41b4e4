#pragma once

#include "core/randomsource.h"

#include <deque>

// Random choices for tests: each choice takes the next value the test queued (modulo the
// range), and 0 once the queue is empty.
class ScriptedRandom : public core::RandomSource {
public:
    void reseed() override { ++reseeds; }
    int below(int count) override {
        if (values.empty())
            return 0;
        const int value = values.front();
        values.pop_front();
        return value % count;
    }

    std::deque<int> values;
    int reseeds = 0;
};
