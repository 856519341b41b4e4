#pragma once

#include "entry/regeneration.h"

#include <QString>

#include <optional>

namespace store {
class Cursor;
}

namespace entry {

// Two records proposed in place of one whose test word lists alternatives.
struct SplitProposal {
    QString firstCzech;
    QString firstOther;
    QString secondCzech;
    QString secondOther;

    bool operator==(const SplitProposal&) const = default;
};

// The split of an entry whose test word holds a comma: the Czech side when its test word
// has one, else the foreign side, cut at the first comma of the expression itself; the
// first part loses one space at its end, the second one at its start, and the other side
// stays whole on both records. Nothing when neither test word has a comma.
std::optional<SplitProposal> proposeSplit(const QString& czech, const QString& other,
                                          const QString& czechTestWord,
                                          const QString& otherTestWord);

enum class SplitAnswer { Split, Keep, Stop };

// Shows the entry and the proposal (which the user may edit) and gives the answer.
using SplitQuestion =
    std::function<SplitAnswer(const QString& czech, const QString& other, SplitProposal& proposal)>;

// Re-posts every record like a regeneration and asks about each one whose test word still
// holds a comma. On Split the record takes the first half (keeping its statistics and
// description) and a new record of the same lesson the second half; a half that cannot be
// posted is dropped without a word and the walk goes on. Stop ends the walk at once. The
// filter is switched off for good; the cursor ends on the first record.
void reevaluateCommas(store::Cursor& dictionary, const SplitQuestion& ask,
                      const WalkProgress& progress = {});

} // namespace entry
