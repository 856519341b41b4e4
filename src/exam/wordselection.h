#pragma once

#include "exam/examparameters.h"

#include <QtGlobal>

#include <vector>

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

// A word of lesson 0 up to the "do" lesson as the preparation rated it.
struct RatedWord {
    qint64 rowId = 0;
    qint64 asked = 0; // Dobre + Spatne
    qint64 ratio = 0; // what Pom holds: 100 x Spatne / Dobre
    bool inRange = false;
    int recNo = 0; // in the dictionary cursor's view of the question order
};

// Every rated word in record order; once their places in the view are known (placed), the
// words of the range in the question order, as positions in words, until the pick uses them.
struct RatedWords {
    std::vector<RatedWord> words;
    std::vector<int> rangeInOrder;
    bool placed = false;
};

// Gives every word of lesson 0 up to the "do" lesson its wrong-to-right ratio in Pom (100 x
// Spatne / Dobre rounded half to even, 0 for a word never answered right), then offers the
// words of the lesson range: all of them, in the dictionary's own order, when there are no
// more than n; else a share of the least asked (by Dobre + Spatne) and uniformly random ones
// up to n. Sets the progress bar's maximum and returns the words it rated.
RatedWords selectRangeWords(store::Cursor& dictionary, QuestionWriter& writer,
                            const SelectionPlan& plan, core::RandomSource& random,
                            ProgressCounter& progress);

// Adds up to b of the rated words from the highest ratio down (ties from the last record).
// Returns how many were added or grew.
int addWorstWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                  RatedWords& rated);

} // namespace exam
