#pragma once

#include "exchange/dictionarycursor.h"
#include "exchange/entryimporter.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace core {
class Messages;
}

namespace store {
class Cursor;
}

namespace exchange {

// The choices of the bulk change dialog ("Hromadná změna"): every entry whose lesson lies in
// [firstLesson, lastLesson] is either moved into targetLesson, or spread over lessons from
// startLesson on, perLesson entries to a lesson.
struct BulkLessonChoice {
    enum class Mode { MoveTo, Spread };

    int firstLesson = 0;
    int lastLesson = 0;
    Mode mode = Mode::MoveTo;
    int targetLesson = 0;
    int startLesson = 0;
    int perLesson = 35;

    bool operator==(const BulkLessonChoice&) const = default;
};

// Which list of the dialog the user has just changed.
enum class ChangedChoice { FirstLesson, LastLesson, Other };

// Keeps the dialog's choices consistent after a change and returns the warnings to show:
// the range never runs backwards, and when spreading, the range ends below the highest
// lesson and the start lies above the range, so a moved entry never falls into the range
// again.
QStringList keepChoiceConsistent(BulkLessonChoice& choice, ChangedChoice changed, int lessonCount);

struct BulkChangeOutcome {
    int changed = 0;
    bool reachedLessonCount = false; // spreading stopped at the highest lesson
    // The sort item (0 or 1) the cursor was switched to from an order by lesson.
    std::optional<int> switchedSortItem;
};

// Walks the whole dictionary (filter off) and changes the lessons. An order by lesson is
// first switched to its counterpart without the lesson, so that a changed lesson never moves
// an entry within the walk. Entries changed before a failure stay changed.
BulkChangeOutcome changeLessons(store::Cursor& dictionary, const BulkLessonChoice& choice,
                                int lessonCount, const Progress& progress = {});

// The command after the dialog's OK: confirmation, the step before the change, the change and
// its messages. Answers whether it ran to its end.
bool runBulkLessonChange(store::Cursor& dictionary, const BulkLessonChoice& choice, int lessonCount,
                         core::Messages& messages, const Progress& progress = {},
                         const BeforeChange& beforeChange = {});

} // namespace exchange
