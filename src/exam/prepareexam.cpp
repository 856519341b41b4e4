#include "exam/prepareexam.h"

#include "exam/examquestions.h"
#include "exam/sharedanswers.h"
#include "exam/wordselection.h"

#include "core/clock.h"
#include "core/messages.h"
#include "core/usererror.h"
#include "store/cursor.h"
#include "store/error.h"
#include "store/postbatch.h"

namespace exam {
namespace {

using namespace Qt::StringLiterals;

// A list of the exam settings without a selection (exam.ini may leave one so).
[[noreturn]] void noSelection(QStringView list) {
    throw core::UserError(u"V nastavení zkoušení není vybrána položka seznamu %1."_s.arg(list));
}

template <typename T> T selected(const std::optional<T>& value, QStringView list) {
    if (!value)
        noSelection(list);
    return *value;
}

SelectionPlan planOf(const ExamParameters& p) {
    SelectionPlan plan;
    plan.language = p.questionLanguage;
    plan.fromLesson = p.fromLesson;
    plan.toLesson = p.toLesson;
    plan.wordCount = selected(p.wordCount(), u"počtu slovíček");
    plan.sharePercent = selected(p.sharePercent(), u"málo zkoušených");
    plan.times = selected(p.times(), u"opakování slovíček");
    plan.worstCount = selected(p.worstCount(), u"nejhůře zapamatovatelných slov");
    plan.worstTimes = selected(p.worstTimes(), u"opakování přidaných slov");
    plan.reAddWorst = p.reAddWorst;
    return plan;
}

void openTables(const ExamTables& tables) {
    for (store::Cursor* table :
         {&tables.history, &tables.runtime, &tables.deprun, &tables.runzn, &tables.dictionary})
        table->open();
}

void emptyWorkingTables(const ExamTables& tables) {
    for (store::Cursor* table : {&tables.deprun, &tables.runzn, &tables.runtime})
        table->emptyTable();
    tables.runtime.setFiltered(false);
    tables.runtime.setFilter(QString());
    // Questions and answers are looked up by their keys.
    tables.runtime.setIndexName(QString());
    tables.deprun.setIndexName(QString());
}

store::Bookmark appendHistory(store::Cursor& history, const ExamParameters& parameters,
                              const SelectionPlan& plan, const PreparationContext& context) {
    const int limit = selected(parameters.limitSeconds(), u"časového limitu");
    const QDateTime now = context.clock.now();
    history.append();
    history.field(u"Datum"_s).setAsDate(now.date());
    history.field(u"Time"_s).setAsTime(now.time());
    history.field(u"TypZkouseni"_s).setAsInteger(static_cast<int>(parameters.type));
    history.field(u"TazaciJazyk"_s)
        .setAsString(plan.language == QuestionLanguage::Czech ? czechLanguageItem()
                                                              : context.foreignLanguageItem);
    history.field(u"Lekceod"_s).setAsInteger(plan.fromLesson);
    history.field(u"Lekcedo"_s).setAsInteger(plan.toLesson);
    history.field(u"Dotazovano"_s).setAsInteger(plan.times);
    history.field(u"DotazovanoSpatneZ"_s).setAsInteger(plan.worstTimes);
    history.field(u"Limit"_s).setAsInteger(limit);
    history.post();
    return history.bookmark();
}

void setHistoryCount(store::Cursor& history, const store::Bookmark& record, const QString& field,
                     int count) {
    history.gotoBookmark(record);
    history.edit();
    history.field(field).setAsInteger(count);
    history.post();
}

ExamHandover handoverOf(store::Cursor& runtime, QuestionLanguage language) {
    ExamHandover handover;
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        ++handover.questionCount;
        handover.askCount += runtime.field(u"Celkem"_s).asInteger();
    }
    handover.countPrefix =
        QString::number(handover.questionCount) + u"  -  počet dotazů(odpovědí) minimálně   "_s;
    handover.countCaption = handover.countPrefix + QString::number(handover.askCount);
    handover.answerLanguage =
        language == QuestionLanguage::Czech ? QuestionLanguage::Foreign : QuestionLanguage::Czech;
    return handover;
}

ExamHandover chooseQuestions(const ExamTables& tables, const ExamParameters& parameters,
                             const PreparationContext& context) {
    const SelectionPlan plan = planOf(parameters);
    emptyWorkingTables(tables);
    const store::Bookmark record = appendHistory(tables.history, parameters, plan, context);

    ProgressCounter progress(context.progress);
    QuestionWriter writer(tables.runtime, tables.deprun, parameters, context.soundFolder,
                          *context.soundNames, progress);
    store::PostBatch dictionaryBatch(tables.dictionary);
    store::PostBatch questionBatch(tables.runtime);
    store::PostBatch answerBatch(tables.deprun);
    RatedWords rated = selectRangeWords(tables.dictionary, writer, plan, context.random, progress);
    setHistoryCount(tables.history, record, u"Pocet"_s, tables.runtime.recordCount());
    const int worst = addWorstWords(tables.dictionary, writer, plan, rated);
    setHistoryCount(tables.history, record, u"PoceSpatneZ"_s, worst);
    addSharedAnswers(tables.dictionary, tables.runtime, tables.deprun, plan.language, progress);
    dictionaryBatch.finish();
    questionBatch.finish();
    answerBatch.finish();
    return handoverOf(tables.runtime, plan.language);
}

} // namespace

void closeExamTables(const ExamTables& tables) {
    for (store::Cursor* table :
         {&tables.history, &tables.runtime, &tables.deprun, &tables.runzn, &tables.dictionary})
        table->close();
}

std::optional<ExamHandover> prepareExam(const ExamTables& tables, const ExamParameters& parameters,
                                        const PreparationContext& context) {
    try {
        openTables(tables);
    } catch (const store::Error&) {
        context.messages.error(QString::fromUtf16(kCannotOpenExamTablesMessage));
        closeExamTables(tables);
        return std::nullopt;
    }
    try {
        const ExamHandover handover = chooseQuestions(tables, parameters, context);
        if (handover.questionCount > 0)
            return handover;
        context.messages.information(QString::fromUtf16(kNothingToExamMessage));
    } catch (const core::UserError& error) {
        context.messages.error(QString::fromUtf16(kExamFailureMessage) + error.message());
    }
    closeExamTables(tables);
    return std::nullopt;
}

} // namespace exam
