#include "exam/ui/progresscharts.h"

#include "widgets/namedwidgets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHash>
#include <QLineSeries>
#include <QMap>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

constexpr int kPngWidth = 1000;
constexpr int kPngHeight = 1100;

QChartView* chartView(QChart* chart, const QString& name, QWidget* parent) {
    auto* view = widgets::named(new QChartView(chart, parent), name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(260);
    return view;
}

QValueAxis* percentAxis(int low) {
    auto* axis = new QValueAxis;
    axis->setRange(low, 100);
    axis->setLabelFormat(u"%d %%"_s);
    return axis;
}

// The grades from the best to the worst, coloured from green to red.
QColor gradeColor(const QString& grade) {
    static const QStringList kGrades = {u"1*"_s, u"1"_s, u"1-"_s, u"2"_s, u"2-"_s, u"3"_s,
                                        u"3-"_s, u"4"_s, u"4-"_s, u"5"_s, u"5-"_s};
    const qsizetype rank = kGrades.contains(grade) ? kGrades.indexOf(grade) : kGrades.size();
    return QColor::fromHsv(int(120 - 120 * rank / kGrades.size()), 200, 200);
}

QChart* successChart(const ProgressData& data) {
    auto* chart = new QChart;
    chart->setTitle(u"Úspěšnost zkoušení (barva bodu = známka)"_s);
    auto* time = new QDateTimeAxis;
    time->setFormat(u"d.M.yyyy"_s);
    time->setRange(data.exams.front().when, data.exams.back().when.addSecs(60));
    chart->addAxis(time, Qt::AlignBottom);
    int lowest = 0;
    for (const ExamPoint& exam : data.exams)
        lowest = std::min(lowest, exam.percent);
    QValueAxis* percent = percentAxis(lowest);
    chart->addAxis(percent, Qt::AlignLeft);
    // Thousands of markers as items of their own would take seconds to draw; the points of a
    // line are drawn with it. So each grade's points are a line drawn without its line, over
    // the lines of the question languages.
    QMap<QString, QLineSeries*> lines;
    QMap<QString, QLineSeries*> grades;
    for (const ExamPoint& exam : data.exams) {
        const qreal x = qreal(exam.when.toMSecsSinceEpoch());
        QLineSeries*& line = lines[exam.language];
        if (!line) {
            line = new QLineSeries;
            line->setName(exam.language);
        }
        line->append(x, exam.percent);
        QLineSeries*& grade = grades[exam.grade];
        if (!grade) {
            grade = new QLineSeries;
            grade->setName(exam.grade);
            grade->setPen(Qt::NoPen);
            grade->setColor(gradeColor(exam.grade));
            grade->setPointsVisible(true);
            grade->setMarkerSize(7);
        }
        grade->append(x, exam.percent);
    }
    QList<QLineSeries*> all = lines.values();
    all.append(grades.values());
    for (QLineSeries* series : all) {
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(percent);
    }
    return chart;
}

// A bar chart of one value per category.
QChart* barChart(const QString& title, const QString& setName, const QStringList& categories,
                 const QList<qreal>& values, QAbstractAxis* valueAxis) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* set = new QBarSet(setName);
    set->append(values);
    auto* series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto* axis = new QBarCategoryAxis;
    axis->append(categories);
    chart->addAxis(axis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(axis);
    series->attachAxis(valueAxis);
    chart->legend()->hide();
    return chart;
}

QChart* weekChart(const ProgressData& data) {
    QStringList weeks;
    QList<qreal> counts;
    int most = 1;
    for (const WeekCount& week : data.weeks) {
        weeks << week.monday.toString(u"d.M.yy"_s);
        counts << week.exams;
        most = std::max(most, week.exams);
    }
    auto* axis = new QValueAxis;
    axis->setRange(0, most);
    axis->applyNiceNumbers(); // whole numbers at the ticks
    axis->setLabelFormat(u"%d"_s);
    return barChart(u"Počet zkoušení za týden (od pondělí)"_s, u"Zkoušení"_s, weeks, counts, axis);
}

QChart* lessonChart(const ProgressData& data) {
    QStringList lessons;
    QList<qreal> shares;
    for (const LessonShare& lesson : data.lessons) {
        lessons << QString::number(lesson.lesson);
        shares << lesson.percent();
    }
    return barChart(u"Podíl slovíček lekce s více správnými než špatnými odpověďmi"_s, u"Lekce"_s,
                    lessons, shares, percentAxis(0));
}

} // namespace

QWidget* createProgressCharts(const ProgressData& data, QWidget* parent) {
    auto* charts = widgets::named(new QWidget(parent), "Charts");
    auto* layout = new QVBoxLayout(charts);
    if (data.noHistory()) {
        layout->addWidget(widgets::label(
            u"ZadneZkouseni"_s,
            u"V historii zatím není žádné dokončené zkoušení, není co zobrazit."_s, charts));
    } else {
        layout->addWidget(chartView(successChart(data), u"SuccessChart"_s, charts));
        layout->addWidget(chartView(weekChart(data), u"WeekChart"_s, charts));
    }
    layout->addWidget(chartView(lessonChart(data), u"LessonChart"_s, charts));
    return charts;
}

bool saveProgressPng(const ProgressData& data, const QString& path) {
    std::unique_ptr<QWidget> charts(createProgressCharts(data, nullptr));
    charts->setAttribute(Qt::WA_DontShowOnScreen);
    charts->resize(kPngWidth, kPngHeight);
    charts->show();
    return charts->grab().save(path, "PNG");
}

} // namespace exam
