#include "entry/wordentry.h"

#include "store/cursor.h"
#include "store/error.h"

namespace entry {

bool hasBothWords(const QString& czech, const QString& other) {
    return !czech.isEmpty() && !other.isEmpty();
}

QStringList descriptionLines(const QString& text) {
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

void addEntry(store::Cursor& dictionary, const NewEntry& entry) {
    dictionary.insert();
    try {
        dictionary.field(QStringLiteral("Czech")).setAsString(entry.czech);
        dictionary.field(QStringLiteral("Other")).setAsString(entry.other);
        dictionary.field(QStringLiteral("Lekce")).setAsString(entry.lesson);
        dictionary.field(QStringLiteral("Dobre")).setAsInteger(0);
        dictionary.field(QStringLiteral("Spatne")).setAsInteger(0);
        if (!entry.descriptionLines.isEmpty())
            dictionary.field(QStringLiteral("Popis"))
                .setAsMemo(entry.descriptionLines.join(QStringLiteral("\r\n")));
        dictionary.post();
    } catch (const store::Error&) {
        dictionary.cancel();
        throw;
    }
}

} // namespace entry
