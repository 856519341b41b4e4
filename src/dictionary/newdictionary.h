#pragma once

#include "core/messages.h"
#include "dictionary/setini.h"

#include <QString>
#include <QStringList>

namespace dictionary {

// What the new dictionary dialog asks for. A dictionary set up by hand gets the language and
// the fonts; otherwise its settings come from the settings set.
struct NewDictionary {
    QString name;
    bool manual = false;
    QString language;
    QStringList note;
    DictionaryFonts fonts;
    QString settingsSetPath;
};

// A name that makes exactly one new folder right inside the user folder: not empty, no path
// separator, not "." or ".." nor any other name starting with a dot, no control characters,
// none of the program's own folders.
bool isAcceptableDictionaryName(const QString& name);

// Makes the dictionary folder in the user folder with an empty word table, the user's
// code.ini and a set.ini. An unacceptable or existing name is refused with nothing created;
// the failures after that are each reported and the rest goes on. Returns whether the folder
// was made.
bool createDictionary(core::Messages& messages, const QString& userFolder,
                      const QString& emptyTableFolder, const QString& applicationFolder,
                      const NewDictionary& request);

} // namespace dictionary
