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

// Orders runzn.db by question for as long as the walk needs it (deprun.db's primary index
// already leads with the question), so that a question's rows are found by a key search.
class GradesByQuestion {
public:
    explicit GradesByQuestion(store::Cursor& runzn)
        : m_runzn(runzn)
        , m_previous(runzn.indexName()) {
        m_runzn.setIndexName(kQuestionField);
    }
    ~GradesByQuestion() {
        try {
            m_runzn.setIndexName(m_previous);
        } catch (...) {
            // The index stays as the walk left it; nothing is lost.
        }
    }
    GradesByQuestion(const GradesByQuestion&) = delete;
    GradesByQuestion& operator=(const GradesByQuestion&) = delete;

private:
    store::Cursor& m_runzn;
    QString m_previous;
};

QString questionOf(store::Cursor& cursor) {
    return cursor.field(kQuestionField).asString();
}

// Visits the rows of one question in a detail table ordered by question first, until
// visit answers false.
void forEachRowOf(store::Cursor& detail, const QString& question,
                  const std::function<bool(store::Cursor&)>& visit) {
    if (!detail.findKey({question}))
        return;
    for (; !detail.eof() && questionOf(detail) == question; detail.next()) {
        if (!visit(detail))
            return;
    }
}

void removeRowsOf(store::Cursor& detail, const QString& question) {
    while (detail.findKey({question}))
        detail.deleteRecord();
}

void showAllQuestions(store::Cursor& runtime) {
    runtime.setFiltered(false);
    runtime.setFilter({});
}

// The answer of the entry the question was chosen from, if its row is still there.
std::optional<QString> chosenAnswer(store::Cursor& deprun, const QString& question) {
    std::optional<QString> answer;
    forEachRowOf(deprun, question, [&answer](store::Cursor& row) {
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
    GradesByQuestion gradesByQuestion(tables.runzn);
    runtime.first();
    while (!runtime.eof()) {
        if (runtime.field(u"Dobre"_s).asInteger() != 0 ||
            runtime.field(u"Spatne"_s).asInteger() != 0) {
            runtime.next();
            continue;
        }
        const QString question = questionOf(runtime);
        removeRowsOf(tables.deprun, question);
        removeRowsOf(tables.runzn, question);
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
    store::PostBatch batch(dictionary);
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        const QString question = questionOf(runtime);
        const std::optional<QString> answer = chosenAnswer(tables.deprun, question);
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
    GradesByQuestion gradesByQuestion(tables.runzn);
    ExamTotals totals;
    for (runtime.first(); !runtime.eof(); runtime.next()) {
        ++totals.questions;
        totals.right += runtime.field(u"Dobre"_s).asInteger();
        totals.wrong += runtime.field(u"Spatne"_s).asInteger();
        forEachRowOf(tables.runzn, questionOf(runtime), [&totals](store::Cursor& grade) {
            ++totals.gradeCount;
            totals.gradeSum += grade.field(u"Znamka"_s).asInteger();
            return true;
        });
    }
    return totals;
}

} // namespace exam
