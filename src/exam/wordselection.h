#pragma once

#include "exam/examparameters.h"

namespace core {
class RandomSource;
}
namespace store {
class Cursor;
}

namespace exam {

class ProgressCounter;
class QuestionWriter;

// The numbers a preparation works with, taken from the exam settings.
struct SelectionPlan {
    QuestionLanguage language = QuestionLanguage::Czech;
    int fromLesson = 0;
    int toLesson = 1;
    int wordCount = kAllWords; // n
    int sharePercent = 30;     // p, of least-asked words
    int times = 1;             // s
    int worstCount = 10;       // b
    int worstTimes = 2;        // t
    bool reAddWorst = false;
};

// Gives every word of lesson 0 up to the "do" lesson its wrong-to-right ratio in Pom (100 x
// Spatne / Dobre rounded half to even, 0 for a word never answered right), then offers the
// words of the lesson range: all of them, in the dictionary's own order, when there are no
// more than n; else a share of the least asked (by Dobre + Spatne) and uniformly random ones
// up to n. Sets the progress bar's maximum.
void selectRangeWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                      core::RandomSource& random, ProgressCounter& progress);

// Adds up to b words of lesson 0 up to the "do" lesson from the highest ratio in Pom down,
// as selectRangeWords left them. Returns how many were added or grew.
int addWorstWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan);

} // namespace exam
