#include "exchange/lessonzero.h"

#include "core/messages.h"
#include "dictionary/wordlist.h"
#include "entry/tablewalk.h"
#include "exchange/dictionarycursor.h"
#include "store/cursor.h"
#include "store/error.h"
#include "store/postbatch.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

struct Neighbour {
    QString other;
    qint32 lesson = 0;
};

Neighbour current(store::Cursor& dictionary) {
    return {dictionary.field(u"Other"_s).asString(), dictionary.field(u"Lekce"_s).asInteger()};
}

// The lesson a neighbour can give: its own, when its foreign expression is the same.
std::optional<qint32> lessonFrom(const Neighbour& neighbour, const QString& other) {
    if (neighbour.other == other && neighbour.lesson > 0)
        return neighbour.lesson;
    return std::nullopt;
}

void useForeignOrder(store::Cursor& dictionary) {
    const bool newFormat = dictionary.indexNames().contains(u"czechtoothernew"_s);
    dictionary.setIndexName(dictionary::sortIndexName(1, newFormat));
}

} // namespace

int findLessonsOfLessonZero(store::Cursor& dictionary, const Progress& progress) {
    useForeignOrder(dictionary);
    entry::TableWalk walk(dictionary, entry::TableWalk::Filter::LeaveOff);
    store::PostBatch batch(dictionary);
    const int total = dictionary.recordCount();
    int changed = 0;
    dictionary.first();
    if (dictionary.eof())
        return 0;
    Neighbour before = current(dictionary);
    for (dictionary.next(); !dictionary.eof(); dictionary.next()) {
        Neighbour here = current(dictionary);
        if (here.lesson == 0) {
            std::optional<qint32> lesson = lessonFrom(before, here.other);
            if (!lesson) {
                dictionary.next();
                if (dictionary.eof())
                    break;
                lesson = lessonFrom(current(dictionary), here.other);
                dictionary.prior();
            }
            if (lesson) {
                dictionary.edit();
                dictionary.field(u"Lekce"_s).setAsInteger(*lesson);
                dictionary.post();
                here.lesson = *lesson;
                ++changed;
            }
        }
        before = std::move(here);
        if (progress)
            progress(dictionary.recNo(), total);
    }
    batch.finish();
    return changed;
}

bool runFindLessonsOfLessonZero(store::Cursor& dictionary, core::Messages& messages,
                                const Progress& progress, const BeforeChange& beforeChange) {
    if (!requireOpenDictionary(dictionary, messages))
        return false;
    useForeignOrder(dictionary);
    if (!messages.confirm(
            u"Experimentální funkce. Předem si pozálohuj slovník.\n"
            "Pokud nalezne slovíčko v lekci 0, tak hledá totožné slovíčko \"cizojazyčně\".\n"
            "Pokud nalezne přiřadí původnímu slovíčku jeho lekci (pokud není také 0).\n"
            "Vhodné spustit opakovaně.\n"
            "Spustit ?"_s) ||
        !prepareChange(beforeChange, messages))
        return false;
    try {
        findLessonsOfLessonZero(dictionary, progress);
        messages.information(u"Změny proběhly (vhodné volat tuto funkci opakovaně)"_s);
        return true;
    } catch (const store::Error&) {
        messages.error(u"Změny NEproběhly kompletně"_s);
    }
    return false;
}

} // namespace exchange
