#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <vector>

namespace store {
class Cursor;
}

namespace exam {

// A finished exam of the history: when it was prepared, its question language (the
// history does not name the dictionary; the language tells its exams apart), its success
// percentage and grade.
struct ExamPoint {
    QDateTime when;
    QString language;
    int percent = 0;
    QString grade;
};

// The exams prepared in the week starting on the Monday given.
struct WeekCount {
    QDate monday;
    int exams = 0;
};

// The words of a lesson and of them those whose right answers outnumber the wrong ones.
struct LessonShare {
    qint64 lesson = 0;
    int words = 0;
    int known = 0;

    int percent() const { return words == 0 ? 0 : known * 100 / words; }
};

// What the progress charts show, computed from the user's exam history and the open
// dictionary.
struct ProgressData {
    std::vector<ExamPoint> exams;     // in time order
    std::vector<WeekCount> weeks;     // every week from the first exam's to the last one's
    std::vector<LessonShare> lessons; // by lesson number

    bool noHistory() const { return exams.empty(); }
};

// Reads the user's history (exam.db in the user folder, when there is one: exams of types 1
// and 2 whose counts were written when they ended) and the dictionary open on the cursor, if
// it is (every entry, whatever the cursor's filter). An exam's
// percentage measures its wrong answers against the asks it planned (the words of the main
// selection and the worst ones, each times they were to be asked), as its report did.
ProgressData computeProgress(const QString& userFolder, const store::Cursor& dictionary,
                             const std::array<quint8, 5>& gradeThresholds);

} // namespace exam
