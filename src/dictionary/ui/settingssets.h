#pragma once

#include <QString>
#include <QStringList>

namespace dictionary {

// The folder of the dictionary settings sets: "_other_/setinis" of the application folder.
QString settingsSetFolder(const QString& applicationFolder);

// The file names of the settings sets in the folder: every "*.ini" file (in any case),
// sorted ignoring case. Raises core::FileError with the system's text when the folder is
// missing.
QStringList listSettingsSets(const QString& folder);

} // namespace dictionary
