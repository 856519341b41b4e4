#include "exam/examanswers.h"

#include "exam/prepareexam.h"

#include "core/messages.h"
#include "store/cursor.h"
#include "store/postbatch.h"

namespace exam {
namespace {

using namespace Qt::StringLiterals;

const QString kQuestionField = u"Otazka"_s;

void removeAll(store::Cursor& rows) {
    while (!rows.isEmpty()) {
        rows.first();
        rows.deleteRecord();
    }
}

QString questionOf(store::Cursor& cursor) {
    return cursor.field(kQuestionField).asString();
}

void showAllQuestions(store::Cursor& runtime) {
    runtime.setFiltered(false);
    runtime.setFilter({});
}

// The answer of the entry the current question was chosen from, if its row is still there.
std::optional<QString> chosenAnswer(store::Cursor& answers) {
    for (answers.first(); !answers.eof(); answers.next()) {
        if (answers.field(u"Auto"_s).asInteger() == 1)
            return answers.field(u"Odpoved"_s).asString();
    }
    return std::nullopt;
}

void addCount(store::Cursor& entry, const QString& fieldName, int count) {
    store::Field field = entry.field(fieldName);
    field.setAsInteger(qint64{field.asInteger()} + count);
}

} // namespace

void bindToQuestions(const ExamTables& tables) {
    tables.deprun.setMaster(&tables.runtime, kQuestionField);
    tables.runzn.setMaster(&tables.runtime, kQuestionField);
}

void dropUnansweredQuestions(const ExamTables& tables) {
    store::Cursor& runtime = tables.runtime;
    showAllQuestions(runtime);
    bindToQuestions(tables);
    runtime.first();
    while (!runtime.eof()) {
        if (runtime.field(u"Dobre"_s).asInteger() != 0 ||
            runtime.field(u"Spatne"_s).asInteger() != 0) {
            runtime.next();
            continue;
        }
        removeAll(tables.deprun);
        removeAll(tables.runzn);
        // Deleting the last row leaves the cursor on the row before it, which was visited.
        const bool wasLast = runtime.recNo() == runtime.recordCount();
        runtime.deleteRecord();
        if (wasLast)
            break;
    }
}

void transferAnswerCounts(const ExamTables& tables, QuestionLanguage language,
                          core::Messages& messages) {
    store::Cursor& runtime = tables.runtime;
    store::Cursor& dictionary = tables.dictionary;
    dictionary.setIndexName(language == QuestionLanguage::Czech ? QString() : u"othertoczech"_s);
    showAllQuestions(runtime);
    bindToQuestions(tables);
    store::PostBatch batch(dictionary);
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        const QString question = questionOf(runtime);
        const std::optional<QString> answer = chosenAnswer(tables.deprun);
        if (!answer || !dictionary.findKey({question, *answer})) {
            messages.error(QString::fromUtf16(kEntryNotTransferredMessage));
            continue;
        }
        dictionary.edit();
        addCount(dictionary, u"Dobre"_s, runtime.field(u"Dobre"_s).asInteger());
        addCount(dictionary, u"Spatne"_s, runtime.field(u"Spatne"_s).asInteger());
        dictionary.post();
    }
    batch.finish();
}

ExamTotals countExamTotals(const ExamTables& tables) {
    store::Cursor& runtime = tables.runtime;
    showAllQuestions(runtime);
    bindToQuestions(tables);
    store::Cursor& grades = tables.runzn;
    ExamTotals totals;
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        ++totals.questions;
        totals.right += runtime.field(u"Dobre"_s).asInteger();
        totals.wrong += runtime.field(u"Spatne"_s).asInteger();
        for (grades.first(); !grades.eof(); grades.next()) {
            ++totals.gradeCount;
            totals.gradeSum += grades.field(u"Znamka"_s).asInteger();
        }
    }
    return totals;
}

} // namespace exam
