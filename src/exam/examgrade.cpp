#include "exam/examgrade.h"

#include "core/rounding.h"

namespace exam {

using namespace Qt::StringLiterals;

int successPercent(bool interrupted, int plannedAsks, int right, int wrong) {
    const int measure = interrupted ? right : plannedAsks;
    // Nothing to measure against (an interrupted exam without a right answer, or a plan of no
    // asks) scores 0 instead of dividing by zero.
    if (measure <= 0)
        return 0;
    return 100 - static_cast<int>(core::divideRoundingHalfToEven(qint64{100} * wrong, measure));
}

QString gradeText(int percent, const std::array<quint8, 5>& thresholds) {
    if (percent == 100)
        return u"1*"_s;
    for (size_t i = 0; i < thresholds.size(); ++i) {
        const QString grade = QString::number(i + 1);
        if (percent > thresholds[i])
            return grade;
        if (percent == thresholds[i])
            return grade + u'-';
    }
    return u"no asi tak 6-"_s;
}

} // namespace exam
