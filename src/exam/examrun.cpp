#include "exam/examrun.h"

#include "exam/examanswers.h"

#include "core/randomsource.h"
#include "core/rounding.h"
#include "entry/normalizetestword.h"
#include "store/cursor.h"
#include "store/error.h"

#include <cmath>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

QString averageMessage(const char* value) {
    return u"Chybná hodnota udaná pro známkový průměr. Hodnoty jsou definovány v souboru "
           u"\"setting.ini\". Průměr byl nastaven na hodnotu "_s +
           QLatin1StringView(value);
}

} // namespace

AverageLimit averageLimit(const std::optional<QString>& text) {
    bool isNumber = false;
    const double number = text ? text->trimmed().toDouble(&isNumber) : 0.0;
    if (!isNumber || !std::isfinite(number))
        return {20, averageMessage("2.0")};
    const double tenfold = std::abs(number * 10.0);
    if (tenfold < 10.0)
        return {10, averageMessage("1.0")};
    if (tenfold > 40.0)
        return {40, averageMessage("4.0")};
    const auto limit = static_cast<int>(core::roundHalfToEven(tenfold));
    return {limit, {}};
}

ExamRun::ExamRun(const ExamTables& tables, entry::TestWordRules rules, int averageLimit)
    : m_tables(tables)
    , m_rules(std::move(rules))
    , m_averageLimit(averageLimit) {}

ExamRun::~ExamRun() {
    try {
        m_tables.deprun.setMaster(nullptr, {});
        m_tables.runzn.setMaster(nullptr, {});
        m_tables.runtime.setFiltered(false);
        m_tables.runtime.setFilter({});
    } catch (const store::Error&) {
        // A table the exam could not keep open has nothing to undo.
    }
}

void ExamRun::begin() {
    m_tables.runtime.setFilter(u"(celkem > 0)"_s);
    m_tables.runtime.setFiltered(true);
    bindToQuestions(m_tables);
}

bool ExamRun::questionsLeft() {
    return !m_tables.runtime.isEmpty();
}

void ExamRun::pickQuestion(core::RandomSource& random) {
    store::Cursor& runtime = m_tables.runtime;
    random.reseed();
    runtime.first();
    runtime.moveBy(random.below(runtime.recordCount()));
    loadAnswers();
}

QString ExamRun::question() {
    return m_tables.runtime.field(u"Otazka"_s).asString();
}

QString ExamRun::questionTestWord() {
    return m_tables.runtime.field(u"FilterOtazka"_s).asString();
}

void ExamRun::loadAnswers() {
    store::Cursor& deprun = m_tables.deprun;
    m_answers.clear();
    for (deprun.first(); !deprun.eof(); deprun.next()) {
        m_answers.push_back(
            {deprun.field(u"Odpoved"_s).asString(), deprun.field(u"Filterodpoved"_s).asString(),
             deprun.field(u"Popis"_s).asMemo(), deprun.field(u"Auto"_s).asInteger() == 1});
    }
}

int ExamRun::ownAnswerRow() const {
    for (size_t row = 0; row < m_answers.size(); ++row) {
        if (m_answers[row].own)
            return static_cast<int>(row);
    }
    return 0;
}

std::optional<int> ExamRun::matchingAnswer(const QString& typed) const {
    const QString testWord = entry::normalizeTestWord(typed, m_rules);
    for (size_t row = 0; row < m_answers.size(); ++row) {
        if (m_answers[row].testWord == testWord)
            return static_cast<int>(row);
    }
    return std::nullopt;
}

bool ExamRun::recordGrade(int grade) {
    store::Cursor& runtime = m_tables.runtime;
    store::Cursor& runzn = m_tables.runzn;
    const QString question = this->question();
    const int asksLeft = runtime.field(u"Celkem"_s).asInteger();
    const int average = runtime.field(u"Prumer"_s).asInteger();
    // Every new grade weighs one half of the running average.
    const int newAverage = average == 0 ? 10 * grade : (average + 10 * grade) / 2;
    const bool askTaken = asksLeft >= 2 || newAverage <= m_averageLimit;
    const char* counter = 10 * grade > m_averageLimit ? "Spatne" : "Dobre";
    const int gradeNumber = runzn.recordCount() + 1;

    runtime.edit();
    if (askTaken)
        runtime.field(u"Celkem"_s).setAsInteger(asksLeft - 1);
    runtime.field(u"Prumer"_s).setAsInteger(newAverage);
    store::Field count = runtime.field(QLatin1StringView(counter));
    count.setAsInteger(count.asInteger() + 1);

    runzn.append();
    runzn.field(u"Otazka"_s).setAsString(question);
    runzn.field(u"ZkouseniCislo"_s).setAsInteger(gradeNumber);
    runzn.field(u"Znamka"_s).setAsInteger(grade);
    runzn.post();
    runtime.post();
    return askTaken;
}

} // namespace exam
