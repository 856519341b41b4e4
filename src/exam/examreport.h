#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace exam {

// The history record of an exam as the report shows it; the date and time as the table
// store gives them as text ("5.12.2026", "14:03:07").
struct ExamRecordText {
    int number = 0; // Auto
    int type = 0;   // TypZkouseni
    QString date;
    QString time;
    QString questionLanguage; // TazaciJazyk
    int fromLesson = 0;
    int toLesson = 0;
    int selected = 0;      // Pocet
    int worstSelected = 0; // PoceSpatneZ
    int times = 0;         // Dotazovano
    int worstTimes = 0;    // DotazovanoSpatneZ
    int limitSeconds = 0;
};

// What the exam's answers add up to over the questions left in runtime.db.
struct ExamTotals {
    int questions = 0;
    int right = 0;
    int wrong = 0;
    int gradeCount = 0; // rows of runzn.db
    int gradeSum = 0;
};

// The template around the report: the lines before the marker line and those after it.
struct ReportTemplate {
    QStringList head;
    QStringList tail;
};

// A line that begins with "{[..here..]}" ends the head and is dropped whole, whatever follows
// the marker; a marker further inside a line is ordinary text. Without a marker line the
// whole template is the head.
ReportTemplate splitReportTemplate(const QStringList& lines);

// "<Auto>_<dd.mm.yyyy>.html".
QString reportFileName(int number, QDate date);

// Text for the report: "<", ">", "&" and quotation marks as entities and the characters
// Windows-1250 cannot hold as numeric references, so that nothing is lost in the file.
QString htmlText(QStringView text);

// The lines about the exam's settings, before the totals; questionCount is the number of
// questions the preparation chose.
QStringList reportSettingsLines(const ExamRecordText& record, int questionCount);

// The lines of the answers' totals, with the notice of an interrupted exam.
QStringList reportTotalsLines(const ExamTotals& totals, bool interrupted);

QString reportGradeLine(const QString& grade);

// The average of the grades with three decimals, or "Nelze spočítat" without grades.
QString gradeAverageText(int gradeCount, int gradeSum);

} // namespace exam
