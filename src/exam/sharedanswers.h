#pragma once

#include "exam/examparameters.h"

namespace store {
class Cursor;
}

namespace exam {

class ProgressCounter;

// Lets every question accept the answers of all entries of the whole dictionary whose
// question test word equals the question's, adding each answer not yet there with Auto = 5.
// One progress step per question.
void addSharedAnswers(store::Cursor& dictionary, store::Cursor& runtime, store::Cursor& deprun,
                      QuestionLanguage language, ProgressCounter& progress);

} // namespace exam
