#include "exam/wordselection.h"

#include "exam/examquestions.h"

#include "core/randomsource.h"
#include "core/rounding.h"
#include "store/cursor.h"

#include <algorithm>
#include <vector>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

constexpr int kLeftView = -1;
constexpr int kPerCent = 100;

QString rangeFilter(const SelectionPlan& plan) {
    return u"((Lekce >= %1)and(Lekce <= %2))"_s.arg(plan.fromLesson).arg(plan.toLesson);
}

QString notChosenFilter(const SelectionPlan& plan) {
    return u"((Lekce >= %1)and(Lekce <= %2)and(Pom <> -1))"_s.arg(plan.fromLesson)
        .arg(plan.toLesson);
}

void setFilter(store::Cursor& dictionary, const QString& filter) {
    dictionary.setFilter(filter);
    dictionary.setFiltered(true);
}

qint64 integer(store::Cursor& dictionary, const QString& field) {
    return dictionary.field(field).asInteger();
}

void setPom(store::Cursor& dictionary, qint64 value) {
    dictionary.edit();
    dictionary.field(u"Pom"_s).setAsInteger(value);
    dictionary.post();
}

// Walks that write Pom go in the primary order, in which a changed Pom moves no record.
template <typename Visit> void forEachWord(store::Cursor& dictionary, Visit&& visit) {
    dictionary.setIndexName(QString());
    for (dictionary.first(); !dictionary.eof(); dictionary.next())
        visit();
}

// Offers the current word and takes it out of the view; returns whether it was added.
bool takeWord(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan) {
    const bool added = writer.add(dictionary, false, plan.times);
    setPom(dictionary, kLeftView);
    return added;
}

// A word of the range with how often it has been answered (Dobre + Spatne).
struct AskedWord {
    qint64 asked = 0;
    store::Bookmark record;
};

// The words of the range, least asked first; ties in record order, as the "pomnone" index
// orders equal Pom values. Pom itself is written only where it holds -1, so that no word
// is missing from the views filtered on Pom <> -1 below: every other Pom of the range is
// overwritten by the worst-word pass, so a walk writing the counts into every word would
// only cost the time of a full write.
std::vector<AskedWord> wordsByAskedCount(store::Cursor& dictionary) {
    std::vector<AskedWord> words;
    forEachWord(dictionary, [&] {
        const qint64 asked = integer(dictionary, u"Dobre"_s) + integer(dictionary, u"Spatne"_s);
        if (integer(dictionary, u"Pom"_s) == kLeftView)
            setPom(dictionary, asked);
        words.push_back({asked, dictionary.bookmark()});
    });
    std::ranges::sort(words, [](const AskedWord& a, const AskedWord& b) {
        return a.asked != b.asked ? a.asked < b.asked : a.record.rowId < b.record.rowId;
    });
    return words;
}

void chooseFromRange(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                     core::RandomSource& random) {
    // The least asked first.
    const qint64 leastAsked =
        core::divideRoundingHalfToEven(qint64(plan.wordCount) * plan.sharePercent, kPerCent);
    int counted = 0;
    for (const AskedWord& word : wordsByAskedCount(dictionary)) {
        if (counted >= leastAsked)
            break;
        dictionary.gotoBookmark(word.record);
        counted += takeWord(dictionary, writer, plan) ? 1 : 0;
    }

    // The words left keep their Pom rather than going to 0: the random pick looks only at -1,
    // and the worst-word pass overwrites Pom of the whole range afterwards.
    dictionary.setIndexName(plan.language == QuestionLanguage::Czech ? QString()
                                                                     : u"othertoczech"_s);
    setFilter(dictionary, notChosenFilter(plan));

    random.reseed();
    while (counted < plan.wordCount) {
        const int left = dictionary.recordCount();
        if (left == 0)
            break;
        dictionary.first();
        dictionary.moveBy(random.below(left));
        counted += takeWord(dictionary, writer, plan) ? 1 : 0;
    }
}

} // namespace

void selectRangeWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                      core::RandomSource& random, ProgressCounter& progress) {
    setFilter(dictionary, rangeFilter(plan));
    const int inRange = dictionary.recordCount();
    const bool everyWord = plan.wordCount >= inRange;
    progress.setMaximum(2 *
                        (plan.wordCount == kAllWords ? inRange : plan.wordCount + plan.worstCount));
    if (!everyWord) {
        chooseFromRange(dictionary, writer, plan, random);
        return;
    }
    // The dictionary's own order, and Pom stays as it is.
    for (dictionary.first(); !dictionary.eof(); dictionary.next())
        writer.add(dictionary, false, plan.times);
}

int addWorstWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan) {
    setFilter(dictionary, u"(Lekce <= %1)"_s.arg(plan.toLesson));
    forEachWord(dictionary, [&] {
        const qint64 right = integer(dictionary, u"Dobre"_s);
        const qint64 wrong = integer(dictionary, u"Spatne"_s);
        setPom(dictionary,
               right == 0 ? 0 : core::divideRoundingHalfToEven(kPerCent * wrong, right));
    });

    dictionary.setIndexName(u"pomnone"_s);
    int counted = 0;
    for (dictionary.last(); !dictionary.bof() && counted < plan.worstCount; dictionary.prior())
        counted += writer.add(dictionary, plan.reAddWorst, plan.worstTimes) ? 1 : 0;
    return counted;
}

} // namespace exam
