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

constexpr int kPerCent = 100;

QString rangeFilter(const SelectionPlan& plan) {
    return u"((Lekce >= %1)and(Lekce <= %2))"_s.arg(plan.fromLesson).arg(plan.toLesson);
}

QString upToLastLessonFilter(const SelectionPlan& plan) {
    return u"(Lekce <= %1)"_s.arg(plan.toLesson);
}

void setFilter(store::Cursor& dictionary, const QString& filter) {
    dictionary.setFilter(filter);
    dictionary.setFiltered(true);
}

// The order in which the random pick counts its steps: the primary index when Czech is asked,
// "othertoczech" when the foreign language is.
QString questionOrder(const SelectionPlan& plan) {
    return plan.language == QuestionLanguage::Czech ? QString() : u"othertoczech"_s;
}

// A word of the lesson range with how often it has been answered (Dobre + Spatne).
struct RangeWord {
    qint64 asked = 0;
    store::Bookmark record;
};

// The positions of the fields the walk reads, looked up once.
struct CounterFields {
    explicit CounterFields(const store::TableSchema& schema)
        : lesson(schema.fieldIndex(u"Lekce"))
        , right(schema.fieldIndex(u"Dobre"))
        , wrong(schema.fieldIndex(u"Spatne"))
        , pom(schema.fieldIndex(u"Pom")) {}

    int lesson, right, wrong, pom;
};

qint64 wrongToRight(qint64 right, qint64 wrong) {
    return right == 0 ? 0 : core::divideRoundingHalfToEven(kPerCent * wrong, right);
}

// One walk over lesson 0 up to the "do" lesson in the question order: gives every word its
// wrong-to-right ratio in Pom (100 x Spatne / Dobre rounded half to even, 0 for a word never
// answered right), writing only the values that change, and returns the words of the range
// in that order.
//
// Pom ends as the worst-word pass needs it. The values that the selection passes through
// on the way (Dobre + Spatne, then -1 for a chosen word and 0 for the rest) are overwritten
// by that ratio before anyone reads them, and the selection keeps its own list of the words
// not yet chosen, so they are never written: a walk writing them would only cost the time
// of two full writes. A -1 left by a preparation that was broken off is overwritten too.
std::vector<RangeWord> rateWords(store::Cursor& dictionary, const SelectionPlan& plan) {
    const CounterFields fields(dictionary.schema());
    dictionary.setIndexName(questionOrder(plan));
    setFilter(dictionary, upToLastLessonFilter(plan));
    std::vector<RangeWord> range;
    for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
        const qint64 right = dictionary.field(fields.right).asInteger();
        const qint64 wrong = dictionary.field(fields.wrong).asInteger();
        if (dictionary.field(fields.lesson).asInteger() >= plan.fromLesson)
            range.push_back({right + wrong, dictionary.bookmark()});
        const qint64 ratio = wrongToRight(right, wrong);
        store::Field pom = dictionary.field(fields.pom);
        if (pom.isNull() || pom.asInteger() != ratio) {
            dictionary.edit();
            pom.setAsInteger(ratio);
            dictionary.post();
        }
    }
    return range;
}

// A share of the least asked words, then uniformly random ones up to n. The words of the
// range come in the question order; ties in the asked count are taken in record order, as
// the "pomnone" index orders equal Pom values.
void chooseFromRange(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                     std::vector<RangeWord> notChosen, core::RandomSource& random) {
    const auto offer = [&](const RangeWord& word) {
        dictionary.gotoBookmark(word.record);
        return writer.add(dictionary, false, plan.times) ? 1 : 0;
    };

    std::vector<RangeWord> leastAskedFirst = notChosen;
    std::ranges::sort(leastAskedFirst, [](const RangeWord& a, const RangeWord& b) {
        return a.asked != b.asked ? a.asked < b.asked : a.record.rowId < b.record.rowId;
    });
    const qint64 leastAsked =
        core::divideRoundingHalfToEven(qint64(plan.wordCount) * plan.sharePercent, kPerCent);
    int counted = 0;
    std::vector<qint64> taken;
    for (const RangeWord& word : leastAskedFirst) {
        if (counted >= leastAsked)
            break;
        counted += offer(word);
        taken.push_back(word.record.rowId); // offered words leave the choice, added or not
    }
    std::ranges::sort(taken);
    std::erase_if(notChosen, [&](const RangeWord& word) {
        return std::ranges::binary_search(taken, word.record.rowId);
    });

    // Each step goes to the first word not yet chosen and moves forward a random distance.
    random.reseed();
    while (counted < plan.wordCount && !notChosen.empty()) {
        const auto picked = notChosen.begin() + random.below(static_cast<int>(notChosen.size()));
        counted += offer(*picked);
        notChosen.erase(picked);
    }
}

} // namespace

void selectRangeWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                      core::RandomSource& random, ProgressCounter& progress) {
    const QString ownOrder = dictionary.indexName();
    std::vector<RangeWord> range = rateWords(dictionary, plan);
    const int inRange = static_cast<int>(range.size());
    progress.setMaximum(2 *
                        (plan.wordCount == kAllWords ? inRange : plan.wordCount + plan.worstCount));
    if (plan.wordCount < inRange) {
        chooseFromRange(dictionary, writer, plan, std::move(range), random);
        return;
    }
    // Every word, in the dictionary's own order.
    dictionary.setIndexName(ownOrder);
    setFilter(dictionary, rangeFilter(plan));
    for (dictionary.first(); !dictionary.eof(); dictionary.next())
        writer.add(dictionary, false, plan.times);
}

int addWorstWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan) {
    setFilter(dictionary, upToLastLessonFilter(plan));
    dictionary.setIndexName(u"pomnone"_s);
    int counted = 0;
    for (dictionary.last(); !dictionary.bof() && counted < plan.worstCount; dictionary.prior())
        counted += writer.add(dictionary, plan.reAddWorst, plan.worstTimes) ? 1 : 0;
    return counted;
}

} // namespace exam
