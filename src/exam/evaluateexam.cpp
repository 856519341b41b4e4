#include "exam/evaluateexam.h"

#include "exam/examanswers.h"
#include "exam/examgrade.h"
#include "exam/examreport.h"
#include "exam/prepareexam.h"

#include "core/cp1250linereader.h"
#include "core/cp1250linewriter.h"
#include "core/fileerror.h"
#include "core/filereplace.h"
#include "core/messages.h"
#include "core/systemshell.h"
#include "core/usererror.h"
#include "store/cursor.h"
#include "store/error.h"

#include <QDir>

#include <optional>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

ExamRecordText recordText(store::Cursor& history) {
    const auto number = [&history](const QString& name) {
        return history.field(name).asInteger();
    };
    ExamRecordText record;
    record.number = number(u"Auto"_s);
    record.type = number(u"TypZkouseni"_s);
    record.date = history.field(u"Datum"_s).asString();
    record.time = history.field(u"Time"_s).asString();
    record.questionLanguage = history.field(u"TazaciJazyk"_s).asString();
    record.fromLesson = number(u"Lekceod"_s);
    record.toLesson = number(u"Lekcedo"_s);
    record.selected = number(u"Pocet"_s);
    record.worstSelected = number(u"PoceSpatneZ"_s);
    record.times = number(u"Dotazovano"_s);
    record.worstTimes = number(u"DotazovanoSpatneZ"_s);
    record.limitSeconds = number(u"Limit"_s);
    return record;
}

void completeHistory(store::Cursor& history, const ExamTotals& totals) {
    history.edit();
    history.field(u"Dobre"_s).setAsInteger(totals.right);
    history.field(u"Spatne"_s).setAsInteger(totals.wrong);
    history.field(u"Celkem"_s).setAsInteger(totals.questions);
    history.post();
}

void writeLines(core::Cp1250LineWriter& writer, const QStringList& lines) {
    for (const QString& line : lines)
        writer.writeLine(line);
}

// Writes the report into the user's results folder and completes the history record on the
// way; returns the report's path, or nothing after showing why it could not be written.
std::optional<QString> writeReport(const ExamTables& tables, const ExamEvaluation& evaluation,
                                   core::Messages& messages) {
    ReportTemplate reportTemplate;
    try {
        reportTemplate = splitReportTemplate(core::readCp1250FileLines(
            QDir(evaluation.applicationFolder).filePath(u"_other_/template.html"_s)));
    } catch (const core::FileError&) {
        messages.error(QString::fromUtf16(kTemplateMissingMessage));
        return std::nullopt;
    }
    try {
        const ExamRecordText record = recordText(tables.history);
        const QString path =
            QDir(evaluation.userFolder)
                .filePath(u"results/"_s +
                          reportFileName(record.number, tables.history.field(u"Datum"_s).asDate()));
        core::replaceFile(path, [&](QIODevice& file) {
            core::Cp1250LineWriter writer(file);
            writeLines(writer, reportTemplate.head);
            writeLines(writer, reportSettingsLines(record, evaluation.questionCount));
            const ExamTotals totals = countExamTotals(tables);
            completeHistory(tables.history, totals);
            writeLines(writer, reportTotalsLines(totals, evaluation.interrupted));
            const int percent = successPercent(evaluation.interrupted, evaluation.plannedAsks,
                                               totals.right, totals.wrong);
            writer.writeLine(reportGradeLine(gradeText(percent, evaluation.gradeThresholds)));
            writeLines(writer, reportTemplate.tail);
        });
        return path;
    } catch (const core::UserError&) {
    }
    messages.error(QString::fromUtf16(kReportNotWrittenMessage));
    return std::nullopt;
}

enum class ReportOpening { Never, AfterAsking, Directly };

ReportOpening reportOpening(const ResultDisplay& display, bool interrupted) {
    const bool show = display.showAfterFinish && (!interrupted || display.showAfterBreak);
    if (!show)
        return ReportOpening::Never;
    const bool ask = interrupted ? display.askAfterBreak : display.askAfterFinish;
    return ask ? ReportOpening::AfterAsking : ReportOpening::Directly;
}

} // namespace

std::optional<QString> evaluateExam(const ExamTables& tables, const ExamEvaluation& evaluation,
                                    core::Messages& messages, core::SystemShell& system) {
    try {
        if (evaluation.interrupted)
            dropUnansweredQuestions(tables);
        transferAnswerCounts(tables, evaluation.questionLanguage, messages);
    } catch (const store::Error& error) {
        messages.error(error.message());
        return std::nullopt;
    }
    const std::optional<QString> report = writeReport(tables, evaluation, messages);
    if (!report)
        return std::nullopt;
    switch (reportOpening(evaluation.display, evaluation.interrupted)) {
    case ReportOpening::Never:
        return report;
    case ReportOpening::AfterAsking:
        if (!messages.confirm(QString::fromUtf16(kShowResultsQuestion)))
            return report;
        break;
    case ReportOpening::Directly:
        break;
    }
    core::openWithSystem(system, messages, *report);
    return report;
}

} // namespace exam
