#include "exam/examanswers.h"

#include "exam/prepareexam.h"

#include "core/messages.h"
#include "store/cursor.h"
#include "store/postbatch.h"

#include <functional>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

const QString kQuestionField = u"Otazka"_s;

// The rows of a question are read and removed through a cursor of our own on the detail
// table, ordered by question, so that the walks neither depend on how the exam window has bound
// and ordered its cursors nor change them.
class QuestionRows {
public:
    QuestionRows(const store::Cursor& table, const QString& indexName) {
        m_cursor.setDatabaseName(table.databaseName());
        m_cursor.setTableName(table.tableName());
        m_cursor.open();
        m_cursor.setIndexName(indexName);
    }

    // Visits the question's rows until visit answers false.
    void forEach(const QString& question, const std::function<bool(store::Cursor&)>& visit);
    void remove(const QString& question);

private:
    store::Cursor m_cursor;
};

// deprun.db's primary index leads with the question; runzn.db has an index by question.
QuestionRows answerRows(const ExamTables& tables) {
    return {tables.deprun, QString()};
}

QuestionRows gradeRows(const ExamTables& tables) {
    return {tables.runzn, kQuestionField};
}

QString questionOf(store::Cursor& cursor) {
    return cursor.field(kQuestionField).asString();
}

void QuestionRows::forEach(const QString& question,
                           const std::function<bool(store::Cursor&)>& visit) {
    if (!m_cursor.findKey({question}))
        return;
    for (; !m_cursor.eof() && questionOf(m_cursor) == question; m_cursor.next()) {
        if (!visit(m_cursor))
            return;
    }
}

void QuestionRows::remove(const QString& question) {
    while (m_cursor.findKey({question}))
        m_cursor.deleteRecord();
}

void showAllQuestions(store::Cursor& runtime) {
    runtime.setFiltered(false);
    runtime.setFilter({});
}

// The answer of the entry the question was chosen from, if its row is still there.
std::optional<QString> chosenAnswer(QuestionRows& answers, const QString& question) {
    std::optional<QString> answer;
    answers.forEach(question, [&answer](store::Cursor& row) {
        if (row.field(u"Auto"_s).asInteger() != 1)
            return true;
        answer = row.field(u"Odpoved"_s).asString();
        return false;
    });
    return answer;
}

void addCount(store::Cursor& entry, const QString& fieldName, int count) {
    store::Field field = entry.field(fieldName);
    field.setAsInteger(qint64{field.asInteger()} + count);
}

} // namespace

void dropUnansweredQuestions(const ExamTables& tables) {
    store::Cursor& runtime = tables.runtime;
    showAllQuestions(runtime);
    QuestionRows answers = answerRows(tables);
    QuestionRows grades = gradeRows(tables);
    runtime.first();
    while (!runtime.eof()) {
        if (runtime.field(u"Dobre"_s).asInteger() != 0 ||
            runtime.field(u"Spatne"_s).asInteger() != 0) {
            runtime.next();
            continue;
        }
        const QString question = questionOf(runtime);
        answers.remove(question);
        grades.remove(question);
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
    QuestionRows answers = answerRows(tables);
    store::PostBatch batch(dictionary);
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        const QString question = questionOf(runtime);
        const std::optional<QString> answer = chosenAnswer(answers, question);
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
    QuestionRows grades = gradeRows(tables);
    ExamTotals totals;
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        ++totals.questions;
        totals.right += runtime.field(u"Dobre"_s).asInteger();
        totals.wrong += runtime.field(u"Spatne"_s).asInteger();
        grades.forEach(questionOf(runtime), [&totals](store::Cursor& grade) {
            ++totals.gradeCount;
            totals.gradeSum += grade.field(u"Znamka"_s).asInteger();
            return true;
        });
    }
    return totals;
}

} // namespace exam
