#include "exam/progressdata.h"

#include "exam/examgrade.h"
#include "store/cursor.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

constexpr int kChunk = 4096;
// A week axis longer than ten years says nothing more; the weeks then start later.
constexpr qint64 kMostWeeks = 520;

// Calls visit(schema, row) for every record of the table.
template <typename Visit>
void forEachRecord(const QString& folder, const QString& table, Visit visit) {
    store::Cursor whole;
    whole.setDatabaseName(folder);
    whole.setTableName(table);
    whole.open();
    const int total = whole.recordCount();
    for (int first = 1; first <= total; first += kChunk) {
        for (const store::StoredRow& row : whole.readStoredRows(first, kChunk))
            visit(whole.schema(), row);
    }
}

size_t position(const store::TableSchema& schema, QStringView name) {
    return size_t(schema.fieldIndex(name));
}

std::optional<ExamPoint> examPoint(const store::TableSchema& schema, const store::StoredRow& row,
                                   const std::array<quint8, 5>& thresholds) {
    const auto number = [&](QStringView name) {
        return row.number(position(schema, name));
    };
    const qint64 type = number(u"TypZkouseni").value_or(0);
    const std::optional<qint64> right = number(u"Dobre");
    const std::optional<qint64> wrong = number(u"Spatne");
    const QDate date =
        row.value(position(schema, u"Datum"), schema.fields[position(schema, u"Datum")]).toDate();
    if ((type != 1 && type != 2) || !right || !wrong || !date.isValid())
        return std::nullopt;
    const qint64 planned =
        number(u"Pocet").value_or(0) * number(u"Dotazovano").value_or(0) +
        number(u"PoceSpatneZ").value_or(0) * number(u"DotazovanoSpatneZ").value_or(0);
    const size_t time = position(schema, u"Time");
    ExamPoint point;
    point.when = QDateTime(date, row.value(time, schema.fields[time]).toTime());
    point.language = row.text(position(schema, u"TazaciJazyk"));
    point.percent = successPercent(false, int(std::clamp<qint64>(planned, 0, INT32_MAX)),
                                   int(*right), int(std::clamp<qint64>(*wrong, 0, INT32_MAX)));
    point.grade = gradeText(point.percent, thresholds);
    return point;
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

} // namespace

ProgressData computeProgress(const QString& userFolder, const store::Cursor& dictionary,
                             const std::array<quint8, 5>& gradeThresholds) {
    ProgressData data;
    const QString history = u"exam.db"_s;
    if (QFileInfo::exists(QDir(userFolder).filePath(history))) {
        forEachRecord(userFolder, history,
                      [&](const store::TableSchema& schema, const store::StoredRow& row) {
                          if (std::optional<ExamPoint> point =
                                  examPoint(schema, row, gradeThresholds))
                              data.exams.push_back(std::move(*point));
                      });
    }
    std::stable_sort(data.exams.begin(), data.exams.end(),
                     [](const ExamPoint& a, const ExamPoint& b) { return a.when < b.when; });
    data.weeks = weekCounts(data.exams);
    if (dictionary.active()) {
        std::map<qint64, LessonShare> lessons;
        const store::TableSchema& schema = dictionary.schema();
        const size_t lesson = position(schema, u"Lekce"), right = position(schema, u"Dobre"),
                     wrong = position(schema, u"Spatne");
        forEachRecord(dictionary.databaseName(), dictionary.tableName(),
                      [&](const store::TableSchema&, const store::StoredRow& row) {
                          const qint64 number = row.number(lesson).value_or(0);
                          LessonShare& share = lessons[number];
                          share.lesson = number;
                          ++share.words;
                          if (row.number(right).value_or(0) > row.number(wrong).value_or(0))
                              ++share.known;
                      });
        for (const auto& [number, share] : lessons)
            data.lessons.push_back(share);
    }
    return data;
}

} // namespace exam
