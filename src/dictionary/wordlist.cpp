#include "dictionary/wordlist.h"

#include "store/cursor.h"

namespace dictionary {

QStringList sortItemTexts(const QString& czechName, const QString& otherName) {
    return {czechName + QStringLiteral(" -> ") + otherName,
            otherName + QStringLiteral(" -> ") + czechName,
            // The space inside the second arrow has always been there.
            QStringLiteral("Lekce -> ") + czechName + QStringLiteral(" - > ") + otherName,
            QStringLiteral("Lekce -> ") + otherName + QStringLiteral(" -> ") + czechName};
}

QString sortIndexName(int item, bool newFormat) {
    switch (item) {
    case 0:
        return newFormat ? QStringLiteral("czechtoothernew") : QString();
    case 1:
        return newFormat ? QStringLiteral("othertoczechnew") : QStringLiteral("othertoczech");
    case 2:
        return QStringLiteral("lessonczechother");
    default:
        return QStringLiteral("lessonotherczech");
    }
}

bool sortItemSearchable(int item) {
    return item == 0 || item == 1;
}

QString lessonFilterText(const QString& lessonItem) {
    return lessonItem == u"vše" ? QString() : QStringLiteral("Lekce = ") + lessonItem;
}

void keepEntryInvariants(store::Cursor& dictionary) {
    for (const char* counter : {"Dobre", "Spatne"}) {
        store::Field field = dictionary.field(QString::fromLatin1(counter));
        if (field.isNull())
            field.setAsInteger(0);
    }
    store::Field lesson = dictionary.field(QStringLiteral("Lekce"));
    if (lesson.isNull() || lesson.asInteger() < 0)
        lesson.setAsInteger(0);
}

namespace {

void setCounters(store::Cursor& dictionary, int right, int wrong) {
    dictionary.edit();
    dictionary.field(QStringLiteral("Dobre")).setAsInteger(right);
    dictionary.field(QStringLiteral("Spatne")).setAsInteger(wrong);
    dictionary.post();
}

} // namespace

void resetStatistics(store::Cursor& dictionary) {
    setCounters(dictionary, 0, 0);
}

void markKnown(store::Cursor& dictionary) {
    setCounters(dictionary, kKnownWordRightAnswers, 0);
}

} // namespace dictionary
