#pragma once

#include <QString>
#include <QStringList>

namespace dictionary {

// The user's dictionaries: every sub-folder of the user folder but the program's own, sorted
// ignoring case. Raises core::FileError with the system's text when the user folder cannot be
// listed.
QStringList listDictionaries(const QString& userFolder);

// The folders the program keeps in a user folder beside the dictionaries, in any case:
// "results", "practice" and "backup" (the safety copies).
bool isProgramFolderName(const QString& name);

} // namespace dictionary
