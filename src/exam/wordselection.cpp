#include "exam/wordselection.h"

#include "exam/examquestions.h"

#include "core/randomsource.h"
#include "core/rounding.h"
#include "store/cursor.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <utility>

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

// The positions of the fields the rating reads, looked up once.
struct CounterFields {
    explicit CounterFields(const store::TableSchema& schema)
        : lesson(static_cast<size_t>(schema.fieldIndex(u"Lekce")))
        , right(static_cast<size_t>(schema.fieldIndex(u"Dobre")))
        , wrong(static_cast<size_t>(schema.fieldIndex(u"Spatne")))
        , pom(static_cast<size_t>(schema.fieldIndex(u"Pom"))) {}

    size_t lesson, right, wrong, pom;
};

qint64 wrongToRight(qint64 right, qint64 wrong) {
    return right == 0 ? 0 : core::divideRoundingHalfToEven(kPerCent * wrong, right);
}

// One pass over lesson 0 up to the "do" lesson in record order: gives every word its
// wrong-to-right ratio in Pom, writing only the values that change, and returns the words.
//
// Pom ends as the worst-word pass needs it. The values that the selection passes through
// on the way (Dobre + Spatne, then -1 for a chosen word and 0 for the rest) are overwritten
// by that ratio before anyone reads them, and the selection keeps its own lists of the words
// by these numbers, so they are never written: a walk writing them would only cost the time
// of two full writes. A -1 left by a preparation that was broken off is overwritten too.
RatedWords rateWords(store::Cursor& dictionary, const SelectionPlan& plan) {
    const CounterFields fields(dictionary.schema());
    setFilter(dictionary, upToLastLessonFilter(plan));
    RatedWords rated;
    const auto index = [](size_t field) {
        return static_cast<int>(field);
    };
    dictionary.rewriteField(
        index(fields.pom),
        {index(fields.lesson), index(fields.right), index(fields.wrong), index(fields.pom)},
        [&](const store::StoredRow& row, store::Bookmark record) -> std::optional<QVariant> {
            const qint64 right = row.number(fields.right).value_or(0);
            const qint64 wrong = row.number(fields.wrong).value_or(0);
            const qint64 ratio = wrongToRight(right, wrong);
            rated.words.push_back({record.rowId, right + wrong, ratio,
                                   row.number(fields.lesson).value_or(0) >= plan.fromLesson});
            if (row.number(fields.pom) == ratio)
                return std::nullopt;
            return QVariant(ratio);
        });
    return rated;
}

// Shows the whole dictionary in the question order and reads where each rated word stands,
// so that each word chosen is reached at once; the range's words are listed in that order.
void placeInView(store::Cursor& dictionary, const SelectionPlan& plan, RatedWords& rated) {
    if (rated.placed)
        return;
    dictionary.setFiltered(false);
    dictionary.setIndexName(questionOrder(plan));
    // The view's records by row id, met with the rated words (in record order) in one pass.
    std::vector<std::pair<qint64, int>> places(static_cast<size_t>(dictionary.recordCount()));
    for (size_t i = 0; i < places.size(); ++i) {
        const int recNo = static_cast<int>(i) + 1;
        places[i] = {dictionary.bookmarkAt(recNo).rowId, recNo};
    }
    std::ranges::sort(places);
    std::vector<RatedWord>& words = rated.words;
    auto place = places.begin();
    for (RatedWord& word : words) {
        while (place != places.end() && place->first < word.rowId)
            ++place;
        word.recNo = place != places.end() && place->first == word.rowId ? place->second : 0;
    }
    // The range in the view's order.
    std::vector<int> wordAt(places.size() + 1, -1); // by view place
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].inRange && words[i].recNo > 0)
            wordAt[static_cast<size_t>(words[i].recNo)] = static_cast<int>(i);
    }
    rated.rangeInOrder.clear();
    std::ranges::copy_if(wordAt, std::back_inserter(rated.rangeInOrder),
                         [](int word) { return word >= 0; });
    rated.placed = true;
}

// A share of the least asked words, then uniformly random ones up to n. The words of the
// range count in the question order; ties in the asked count are taken in record order, as
// the "pomnone" index orders equal Pom values.
void chooseFromRange(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                     RatedWords& rated, core::RandomSource& random) {
    placeInView(dictionary, plan, rated);
    const std::vector<RatedWord>& words = rated.words;
    const auto offer = [&](int word) {
        dictionary.setRecNo(words[static_cast<size_t>(word)].recNo);
        return writer.add(dictionary, false, plan.times) ? 1 : 0;
    };

    // A heap gives the least asked first without sorting the whole range.
    std::vector<int> leastAsked = rated.rangeInOrder;
    const auto askedMore = [&](int a, int b) {
        const RatedWord& x = words[static_cast<size_t>(a)];
        const RatedWord& y = words[static_cast<size_t>(b)];
        return x.asked != y.asked ? x.asked > y.asked : x.rowId > y.rowId;
    };
    std::ranges::make_heap(leastAsked, askedMore);
    const qint64 share =
        core::divideRoundingHalfToEven(qint64(plan.wordCount) * plan.sharePercent, kPerCent);
    int counted = 0;
    std::vector<int> taken; // view places of the words offered, added or not
    while (counted < share && !leastAsked.empty()) {
        std::ranges::pop_heap(leastAsked, askedMore);
        counted += offer(leastAsked.back());
        taken.push_back(words[static_cast<size_t>(leastAsked.back())].recNo);
        leastAsked.pop_back();
    }
    std::ranges::sort(taken);
    std::vector<int> notChosen = std::exchange(rated.rangeInOrder, {});
    std::erase_if(notChosen, [&](int word) {
        return std::ranges::binary_search(taken, words[static_cast<size_t>(word)].recNo);
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

RatedWords selectRangeWords(store::Cursor& dictionary, QuestionWriter& writer,
                            const SelectionPlan& plan, core::RandomSource& random,
                            ProgressCounter& progress) {
    const QString ownOrder = dictionary.indexName();
    RatedWords rated = rateWords(dictionary, plan);
    const auto inRange = static_cast<int>(
        std::ranges::count_if(rated.words, [](const RatedWord& word) { return word.inRange; }));
    progress.setMaximum(2 *
                        (plan.wordCount == kAllWords ? inRange : plan.wordCount + plan.worstCount));
    if (plan.wordCount < inRange) {
        chooseFromRange(dictionary, writer, plan, rated, random);
        return rated;
    }
    // Every word, in the dictionary's own order.
    dictionary.setIndexName(ownOrder);
    setFilter(dictionary, rangeFilter(plan));
    for (dictionary.first(); !dictionary.eof(); dictionary.next())
        writer.add(dictionary, false, plan.times);
    return rated;
}

int addWorstWords(store::Cursor& dictionary, QuestionWriter& writer, const SelectionPlan& plan,
                  RatedWords& rated) {
    if (plan.worstCount <= 0 || rated.words.empty())
        return 0;
    placeInView(dictionary, plan, rated);
    const std::vector<RatedWord>& words = rated.words;
    // From the highest ratio down, ties from the last record, as a backward walk of the
    // "pomnone" index meets them.
    std::vector<int> worstFirst(words.size());
    std::iota(worstFirst.begin(), worstFirst.end(), 0);
    const auto better = [&](int a, int b) {
        const RatedWord& x = words[static_cast<size_t>(a)];
        const RatedWord& y = words[static_cast<size_t>(b)];
        return x.ratio != y.ratio ? x.ratio < y.ratio : x.rowId < y.rowId;
    };
    std::ranges::make_heap(worstFirst, better);
    int counted = 0;
    while (counted < plan.worstCount && !worstFirst.empty()) {
        std::ranges::pop_heap(worstFirst, better);
        const int recNo = words[static_cast<size_t>(worstFirst.back())].recNo;
        worstFirst.pop_back();
        if (recNo == 0)
            continue; // gone from the table meanwhile
        dictionary.setRecNo(recNo);
        counted += writer.add(dictionary, plan.reAddWorst, plan.worstTimes) ? 1 : 0;
    }
    return counted;
}

} // namespace exam
