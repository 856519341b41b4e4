#include "exam/examquestions.h"

#include "sound/soundfilelookup.h"
#include "store/cursor.h"

namespace exam {

using namespace Qt::StringLiterals;

QuestionSides questionSides(store::Cursor& dictionary, QuestionLanguage language) {
    const QString czech = dictionary.field(u"Czech"_s).asString();
    const QString other = dictionary.field(u"Other"_s).asString();
    const QString czechTest = dictionary.field(u"Czechzk"_s).asString();
    const QString otherTest = dictionary.field(u"Otherzk"_s).asString();
    if (language == QuestionLanguage::Czech)
        return {czech, other, czechTest, otherTest};
    return {other, czech, otherTest, czechTest};
}

QuestionWriter::QuestionWriter(store::Cursor& runtime, store::Cursor& deprun,
                               const ExamParameters& parameters, const QString& soundFolder,
                               const core::CodePage& soundNames, ProgressCounter& progress)
    : m_runtime(runtime)
    , m_deprun(deprun)
    , m_language(parameters.questionLanguage)
    , m_onlyWithSound(parameters.onlyWithSound)
    , m_soundFolder(soundFolder)
    , m_soundNames(soundNames)
    , m_progress(progress) {}

bool QuestionWriter::hasSound(const QuestionSides& sides) const {
    if (m_soundFolder.isEmpty())
        return false;
    const QString& foreignTestWord =
        m_language == QuestionLanguage::Foreign ? sides.questionTestWord : sides.answerTestWord;
    return sound::findSoundFile(m_soundFolder, foreignTestWord, m_soundNames).has_value();
}

bool QuestionWriter::add(store::Cursor& dictionary, bool reAdd, int times) {
    const QuestionSides sides = questionSides(dictionary, m_language);
    if (m_runtime.findKey({sides.question})) {
        if (!reAdd)
            return false;
        m_runtime.edit();
        store::Field total = m_runtime.field(u"Celkem"_s);
        total.setAsInteger(qint64(total.asInteger()) + times);
        m_runtime.post();
        m_progress.advance();
        return true;
    }
    if (m_onlyWithSound && !hasSound(sides))
        return false;

    m_runtime.append();
    m_runtime.field(u"Otazka"_s).setAsString(sides.question);
    m_runtime.field(u"FilterOtazka"_s).setAsString(sides.questionTestWord);
    m_runtime.field(u"Celkem"_s).setAsInteger(times);
    m_runtime.field(u"Dobre"_s).setAsInteger(0);
    m_runtime.field(u"Spatne"_s).setAsInteger(0);
    m_runtime.post();

    m_deprun.append();
    m_deprun.field(u"Auto"_s).setAsInteger(1);
    m_deprun.field(u"Otazka"_s).setAsString(sides.question);
    m_deprun.field(u"Odpoved"_s).setAsString(sides.answer);
    m_deprun.field(u"Filterodpoved"_s).setAsString(sides.answerTestWord);
    m_deprun.field(u"Popis"_s).setAsMemo(dictionary.field(u"Popis"_s).asMemo());
    m_deprun.post();
    m_progress.advance();
    return true;
}

} // namespace exam
