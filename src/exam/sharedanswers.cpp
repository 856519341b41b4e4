#include "exam/sharedanswers.h"

#include "exam/examquestions.h"
#include "exam/preparationprogress.h"

#include "store/cursor.h"

namespace exam {

using namespace Qt::StringLiterals;

void addSharedAnswers(store::Cursor& dictionary, store::Cursor& runtime, store::Cursor& deprun,
                      QuestionLanguage language, ProgressCounter& progress) {
    const bool czech = language == QuestionLanguage::Czech;
    const QString testWordField = czech ? u"Czechzk"_s : u"Otherzk"_s;
    dictionary.setFiltered(false);
    dictionary.setFilter(QString());
    dictionary.setIndexName(czech ? u"czechzknone"_s : u"otherzknone"_s);

    for (runtime.first(); !runtime.eof(); runtime.next()) {
        const QString question = runtime.field(u"Otazka"_s).asString();
        const QString testWord = runtime.field(u"FilterOtazka"_s).asString();
        if (dictionary.findKey({testWord})) {
            for (; !dictionary.eof() && dictionary.field(testWordField).asString() == testWord;
                 dictionary.next()) {
                const QuestionSides sides = questionSides(dictionary, language);
                if (deprun.findKey({question, sides.answer}))
                    continue;
                deprun.append();
                deprun.field(u"Auto"_s).setAsInteger(5);
                deprun.field(u"Otazka"_s).setAsString(question);
                deprun.field(u"Odpoved"_s).setAsString(sides.answer);
                deprun.field(u"Filterodpoved"_s).setAsString(sides.answerTestWord);
                deprun.field(u"Popis"_s).setAsMemo(dictionary.field(u"Popis"_s).asMemo());
                deprun.post();
            }
        }
        progress.advance();
    }
}

} // namespace exam
