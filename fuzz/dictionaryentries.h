#pragma once

#include "fuzzinput.h"

#include "exchange/dictionarycursor.h"
#include "store/cursor.h"
#include "store/tablefile.h"

// An empty dictionary for each input, opened on the cursor, whose posts derive the test words
// by the default rules as the word list's do.
inline void openEmptyDictionary(store::Cursor& dictionary) {
    static const QString empty = [] {
        const QString path = FuzzInput::folder(QStringLiteral("empty/dictonary.db"));
        QDir().mkpath(QFileInfo(path).path());
        store::createTableFile(path, QStringLiteral("dictonary"));
        return path;
    }();
    const QString folder = FuzzInput::folder(QStringLiteral("target"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    if (!QFile::copy(empty, folder + QStringLiteral("/dictonary.db")))
        std::abort();
    exchange::keepEntriesOnPost(dictionary, entry::TestWordRules{});
    exchange::openDictionaryTable(dictionary, folder);
}
