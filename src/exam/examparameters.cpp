#include "exam/examparameters.h"

namespace exam {
namespace {

using namespace Qt::StringLiterals;

constexpr int kMostWords = 200;
constexpr int kShareStep = 5;
constexpr int kShareItems = 16;
constexpr int kMostTimes = 9;
constexpr int kMostWorstWords = 100;
// "3" … "30" by one second, then "35" … "90" by five.
constexpr int kFirstLimit = 3;
constexpr int kLastLimitBySecond = 30;
constexpr int kLimitStep = 5;
constexpr int kLastLimit = 90;
constexpr int kSecondSteps = kLastLimitBySecond - kFirstLimit + 1;
constexpr int kLimitItems = 1 + kSecondSteps + (kLastLimit - kLastLimitBySecond) / kLimitStep;

bool inList(int position, int count) {
    return position >= 0 && position < count;
}

QStringList numbers(int from, int to, int step = 1) {
    QStringList items;
    for (int value = from; value <= to; value += step)
        items << QString::number(value);
    return items;
}

} // namespace

QStringList ExamParameters::defaultAverageItems() {
    return {u"1.5"_s, u"2"_s, u"2.5"_s, u"2.75"_s, u"3"_s, u"3.25"_s, u"3.5"_s, u"3.75"_s, u"4"_s};
}

void ExamParameters::checkAllLessons(bool checked) {
    allLessons = checked;
    fromLesson = 0;
    toLesson = checked ? lessonCount - 1 : 1;
}

std::optional<int> ExamParameters::wordCount() const {
    if (!inList(wordCountPosition, kMostWords + 1))
        return std::nullopt;
    return wordCountPosition == 0 ? kAllWords : wordCountPosition;
}

std::optional<int> ExamParameters::sharePercent() const {
    if (!inList(sharePosition, kShareItems))
        return std::nullopt;
    return (sharePosition + 1) * kShareStep;
}

std::optional<int> ExamParameters::times() const {
    return inList(timesPosition, kMostTimes) ? std::optional(timesPosition + 1) : std::nullopt;
}

std::optional<int> ExamParameters::worstCount() const {
    return inList(worstCountPosition, kMostWorstWords + 1) ? std::optional(worstCountPosition)
                                                           : std::nullopt;
}

std::optional<int> ExamParameters::worstTimes() const {
    return inList(worstTimesPosition, kMostTimes) ? std::optional(worstTimesPosition + 1)
                                                  : std::nullopt;
}

std::optional<int> ExamParameters::limitSeconds() const {
    if (!inList(limitPosition, kLimitItems))
        return std::nullopt;
    if (limitPosition == 0)
        return kNoTimeLimit;
    if (limitPosition <= kSecondSteps)
        return kFirstLimit + limitPosition - 1;
    return kLastLimitBySecond + (limitPosition - kSecondSteps) * kLimitStep;
}

std::optional<QString> ExamParameters::averageText() const {
    if (!inList(averagePosition, static_cast<int>(averageItems.size())))
        return std::nullopt;
    return averageItems[averagePosition];
}

QStringList lessonItems(int lessonCount) {
    return numbers(0, lessonCount - 1);
}

QStringList wordCountItems() {
    return QStringList{u"vše"_s} + numbers(1, kMostWords);
}

QStringList shareItems() {
    return numbers(kShareStep, kShareStep * kShareItems, kShareStep);
}

QStringList timesItems() {
    return numbers(1, kMostTimes);
}

QStringList worstCountItems() {
    return numbers(0, kMostWorstWords);
}

QStringList limitItems() {
    return QStringList{u"žádný"_s} + numbers(kFirstLimit, kLastLimitBySecond) +
           numbers(kLastLimitBySecond + kLimitStep, kLastLimit, kLimitStep);
}

QStringList askItems() {
    return {u"Jen napsat"_s, u"Jen zvukem"_s, u"Zvukem i napsat"_s};
}

QString czechLanguageItem() {
    return u"Česky"_s;
}

} // namespace exam
