#include "exchange/lessonchange.h"

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

// Leaves an order by lesson for the same order without it, and tells which sort item that is.
std::optional<int> leaveLessonOrder(store::Cursor& dictionary) {
    const bool newFormat = dictionary.indexNames().contains(u"czechtoothernew"_s);
    for (const int lessonItem : {2, 3}) {
        if (dictionary.indexName() == dictionary::sortIndexName(lessonItem, newFormat)) {
            const int item = lessonItem - 2;
            dictionary.setIndexName(dictionary::sortIndexName(item, newFormat));
            return item;
        }
    }
    return std::nullopt;
}

void setLesson(store::Cursor& dictionary, int lesson) {
    dictionary.edit();
    dictionary.field(u"Lekce"_s).setAsInteger(lesson);
    dictionary.post();
}

} // namespace

QStringList keepChoiceConsistent(BulkLessonChoice& choice, ChangedChoice changed, int lessonCount) {
    if (choice.firstLesson > choice.lastLesson) {
        if (changed == ChangedChoice::LastLesson)
            choice.firstLesson = choice.lastLesson;
        else
            choice.lastLesson = choice.firstLesson;
    }
    QStringList warnings;
    if (choice.mode != BulkLessonChoice::Mode::Spread)
        return warnings;
    if (choice.lastLesson >= lessonCount - 1) {
        choice.lastLesson = std::max(lessonCount - 2, 0);
        choice.firstLesson = std::min(choice.firstLesson, choice.lastLesson);
        warnings << u"\"Do lekce\" musím mít menší hodnotu než maximum lekcí. \"Do lekce\" bylo "
                    "změněno."_s;
    }
    if (choice.startLesson <= choice.lastLesson) {
        choice.startLesson = choice.lastLesson + 1;
        warnings << u"\"Začni na\" MUSÍ BÝT VĚTŠÍ NEŽ \"do lekce\" - \"Začni na\" bylo změněno"_s;
    }
    return warnings;
}

BulkChangeOutcome changeLessons(store::Cursor& dictionary, const BulkLessonChoice& choice,
                                int lessonCount, const Progress& progress) {
    BulkChangeOutcome outcome;
    outcome.switchedSortItem = leaveLessonOrder(dictionary);
    entry::TableWalk walk(dictionary, entry::TableWalk::Filter::LeaveOff);
    store::PostBatch batch(dictionary);
    const int perLesson = std::max(choice.perLesson, 1);
    const int total = dictionary.recordCount();
    int given = 0; // entries given the current lesson so far
    int current = choice.startLesson;
    int done = 0;
    for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
        const qint32 lesson = dictionary.field(u"Lekce"_s).asInteger();
        if (lesson >= choice.firstLesson && lesson <= choice.lastLesson) {
            if (choice.mode == BulkLessonChoice::Mode::MoveTo) {
                setLesson(dictionary, choice.targetLesson);
            } else {
                if (given > perLesson - 1) {
                    given = 0;
                    ++current;
                }
                if (current >= lessonCount) {
                    outcome.reachedLessonCount = true;
                    break;
                }
                setLesson(dictionary, current);
                ++given;
            }
            ++outcome.changed;
        }
        if (progress)
            progress(++done, total);
    }
    batch.finish();
    return outcome;
}

bool runBulkLessonChange(store::Cursor& dictionary, const BulkLessonChoice& choice, int lessonCount,
                         core::Messages& messages, const Progress& progress,
                         const BeforeChange& beforeChange) {
    if (!requireOpenDictionary(dictionary, messages) ||
        !messages.confirmDangerous(
            u"Opravdu provést hromadnou změnu lekce BEZ možnosti návratu ?"_s) ||
        !prepareChange(beforeChange, messages))
        return false;
    try {
        if (changeLessons(dictionary, choice, lessonCount, progress).reachedLessonCount)
            messages.warning(u"Dosaženo maxima lekcí - změna přerušena."_s);
        messages.information(u"Změna proběhla ..."_s);
        return true;
    } catch (const store::Error&) {
        messages.error(u"Změna NEproběhla kompletně"_s);
    }
    return false;
}

} // namespace exchange
