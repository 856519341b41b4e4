#include "exam/settingini.h"

#include "exam/keyhandlers.h"

#include "core/ansilower.h"
#include "core/cp1250linereader.h"
#include "core/settingsint.h"
#include "core/settingsline.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

constexpr int kDefaultLessonCount = 100;
constexpr int kMostLessons = 10000;
constexpr std::array<quint8, 5> kDefaultThresholds{97, 92, 75, 60, 20};
constexpr int kDefaultAverageNumber = 1;

// A grade average line of the "[average]" block as the list shows it ("2.5" gives "2.50"),
// or nothing when the line is not a decimal number with a point.
std::optional<QString> averageItem(const QString& line) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(line, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return QString::number(value, 'f', 2);
}

// Reads the block after "[average]" up to a line that begins with "[endaverage]", in the
// lines' own case; returns the index of that line (or the end).
qsizetype readAverages(const QStringList& lines, qsizetype first, ExamParameters& parameters) {
    parameters.averageItems.clear();
    qsizetype i = first;
    for (; i < lines.size() && !core::lineHasKey(lines[i], u"[endaverage]"); ++i) {
        if (const auto item = averageItem(lines[i]))
            parameters.averageItems << *item;
    }
    if (parameters.averageItems.isEmpty())
        parameters.averageItems << u"2,0"_s;
    parameters.averagePosition = 0;
    return i;
}

// "defaultendaverage=" counts from 1 and is taken only while it stands below the number of
// items, so the last item cannot be chosen this way and 0 clears the selection.
void selectDefaultAverage(const QString& value, ExamParameters& parameters) {
    const int number = core::parseSettingsInt(value).value_or(kDefaultAverageNumber);
    if (number >= 0 && number < parameters.averageItems.size())
        parameters.averagePosition = number - 1;
}

template <typename T> T numberOr(const QString& value, T fallback) {
    return static_cast<T>(core::parseSettingsInt(value).value_or(static_cast<qint32>(fallback)));
}

} // namespace

void applySettingIni(const QStringList& lines, SettingIni& settings, ExamParameters& parameters) {
    settings.lessonCount = kDefaultLessonCount;
    sound::WaveFormat& format = settings.recordingFormat;
    const sound::WaveFormat defaults;
    const auto threshold = [&](size_t grade) {
        return [&settings, grade](const QString& value) {
            settings.gradeThresholds[grade] = numberOr(value, kDefaultThresholds[grade]);
        };
    };
    const std::array<KeyHandler, 15> handlers = {{
        {u"lessoncount=",
         [&](const QString& v) {
             // Every lesson is an item of three lists: a count beyond any real use would
             // stall the start, and no lesson at all would leave the lists empty.
             settings.lessonCount = std::clamp(numberOr(v, kDefaultLessonCount), 1, kMostLessons);
         }},
        {u"one=", threshold(0)},
        {u"two=", threshold(1)},
        {u"three=", threshold(2)},
        {u"four=", threshold(3)},
        {u"five=", threshold(4)},
        {u"fontsize=",
         [&](const QString& v) {
             settings.fontSize = numberOr(v, SettingIni::kUnchangedFontSize);
         }},
        {u"defaultendaverage=",
         [&](const QString& v) {
             selectDefaultAverage(v, parameters);
         }},
        {u"recordwave=yes",
         [&](const QString&) {
             settings.recordWave = true;
         }},
        {u"recordwave=no",
         [&](const QString&) {
             settings.recordWave = false;
         }},
        {u"wformattag=",
         [&](const QString& v) {
             format.formatTag = numberOr(v, defaults.formatTag);
         }},
        {u"nchannels=",
         [&](const QString& v) {
             format.channels = numberOr(v, defaults.channels);
         }},
        {u"nsamplespersec=",
         [&](const QString& v) {
             format.samplesPerSecond = numberOr(v, defaults.samplesPerSecond);
         }},
        {u"navgbytespersec=",
         [&](const QString& v) {
             format.averageBytesPerSecond = numberOr(v, defaults.averageBytesPerSecond);
         }},
        {u"nblockalign=",
         [&](const QString& v) {
             format.blockAlign = numberOr(v, defaults.blockAlign);
         }},
    }};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = core::ansiLower(lines[i]);
        // The average block comes between "fontsize=" and "defaultendaverage=" in the order of
        // the keys; no other key begins with "[", so testing it first changes nothing.
        if (core::lineHasKey(line, u"[average]"))
            i = readAverages(lines, i + 1, parameters);
        else
            applyFirstMatchingKey(line, handlers);
    }
}

void readSettingIni(const QString& path, SettingIni& settings, ExamParameters& parameters) {
    applySettingIni(core::readCp1250FileLines(path, u"Chyba při čtení souboru \"setting.ini\"."_s),
                    settings, parameters);
}

} // namespace exam
