#include "exam/trainingsettings.h"

#include <cmath>

namespace exam {

using namespace Qt::StringLiterals;

QStringList trainingModeItems() {
    return {u"Přehrání 1x + nahrávání přes mikrofon"_s,
            u"Přehrání 2x (papouškování - nenahrává se)"_s,
            u"Přehrání 3x (papouškování - nenahrává se)"_s,
            u"Jen přehrání 1x (pro poslech - nenahrává se)"_s};
}

QString addedTimeCaption(TrainingMode mode) {
    return mode == TrainingMode::PlayAndRecord ? u"sekund na vyslovení"_s
                                               : u"pauzu mezi slovíčky"_s;
}

QStringList addedTimeItems() {
    return {u"0.00"_s, u"0.10"_s, u"0.20"_s, u"0.25"_s, u"0.50"_s, u"0.75"_s, u"1.00"_s, u"1.25"_s,
            u"1.50"_s, u"1.75"_s, u"2.00"_s, u"2.50"_s, u"3.00"_s, u"3.50"_s, u"4.00"_s, u"5.00"_s};
}

int addedTimeMs(const QString& item) {
    bool isNumber = false;
    const double seconds = item.trimmed().toDouble(&isNumber);
    // A time beyond a day is no pause anyone chose; it is refused like any other bad text.
    if (!isNumber || !std::isfinite(seconds) || seconds < 0.0 || seconds > 86400.0)
        return 1000;
    return static_cast<int>(std::lround(seconds * 1000.0));
}

} // namespace exam
