#include "exam/progressdata.h"

#include "exam/examgrade.h"
#include "store/cursor.h"
#include "store/database.h"
#include "store/query.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

// A week axis longer than ten years says nothing more; the weeks then start later.
constexpr qint64 kMostWeeks = 520;

// The charts only read, whole tables at a time: one query each is quicker than a walk of
// the records.
std::shared_ptr<store::Database> tableFile(const QString& folder, const QString& table) {
    return store::Database::open(QDir(folder).filePath(table));
}

std::vector<ExamPoint> finishedExams(const QString& userFolder,
                                     const std::array<quint8, 5>& thresholds) {
    std::vector<ExamPoint> exams;
    const std::shared_ptr<store::Database> history = tableFile(userFolder, u"exam.db"_s);
    store::Query rows(*history,
                      u"SELECT Datum, Time, TazaciJazyk, Dobre, Spatne, Pocet * Dotazovano + "
                      u"IFNULL(PoceSpatneZ * DotazovanoSpatneZ, 0) FROM records "
                      u"WHERE TypZkouseni IN (1, 2) AND Dobre IS NOT NULL AND Spatne IS NOT NULL "
                      u"AND Datum IS NOT NULL ORDER BY Datum, Time, Auto"_s);
    while (rows.next()) {
        const auto clamped = [&](int column) {
            return int(std::clamp<qint64>(rows.int64(column), INT32_MIN, INT32_MAX));
        };
        ExamPoint point;
        point.when = QDateTime(QDate::fromString(rows.text(0), Qt::ISODate),
                               QTime::fromString(rows.text(1), Qt::ISODate));
        point.language = rows.text(2);
        point.percent =
            successPercent(false, std::max(clamped(5), 0), clamped(3), std::max(clamped(4), 0));
        point.grade = gradeText(point.percent, thresholds);
        exams.push_back(std::move(point));
    }
    return exams;
}

std::vector<WeekCount> weekCounts(const std::vector<ExamPoint>& exams) {
    std::map<QDate, int> byWeek;
    for (const ExamPoint& exam : exams) {
        const QDate day = exam.when.date();
        ++byWeek[day.addDays(1 - day.dayOfWeek())];
    }
    std::vector<WeekCount> weeks;
    if (byWeek.empty())
        return weeks;
    const QDate last = byWeek.rbegin()->first;
    QDate monday = std::max(byWeek.begin()->first, last.addDays(-7 * (kMostWeeks - 1)));
    for (; monday <= last; monday = monday.addDays(7)) {
        const auto found = byWeek.find(monday);
        weeks.push_back({monday, found == byWeek.end() ? 0 : found->second});
    }
    return weeks;
}

std::vector<LessonShare> lessonShares(const store::Cursor& dictionary) {
    std::vector<LessonShare> lessons;
    const std::shared_ptr<store::Database> words =
        tableFile(dictionary.databaseName(), dictionary.tableName());
    store::Query rows(*words, u"SELECT IFNULL(Lekce, 0), COUNT(*), "
                              u"SUM(IFNULL(Dobre, 0) > IFNULL(Spatne, 0)) FROM records "
                              u"GROUP BY 1 ORDER BY 1"_s);
    while (rows.next())
        lessons.push_back({rows.int64(0), int(rows.int64(1)), int(rows.int64(2))});
    return lessons;
}

} // namespace

ProgressData computeProgress(const QString& userFolder, const store::Cursor& dictionary,
                             const std::array<quint8, 5>& gradeThresholds) {
    ProgressData data;
    if (QFileInfo::exists(QDir(userFolder).filePath(u"exam.db"_s)))
        data.exams = finishedExams(userFolder, gradeThresholds);
    data.weeks = weekCounts(data.exams);
    if (dictionary.active())
        data.lessons = lessonShares(dictionary);
    return data;
}

} // namespace exam
