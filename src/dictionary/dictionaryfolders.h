#pragma once

#include <QString>
#include <QStringList>

namespace dictionary {

// The user's dictionaries: every sub-folder of the user folder but "results" and
// "practice" (in any case), sorted ignoring case. Raises core::FileError with the system's
// text when the user folder cannot be listed.
QStringList listDictionaries(const QString& userFolder);

} // namespace dictionary
