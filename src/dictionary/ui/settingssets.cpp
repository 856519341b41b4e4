#include "dictionary/ui/settingssets.h"

#include "core/fileerror.h"

#include <QDir>

namespace dictionary {

QString settingsSetFolder(const QString& applicationFolder) {
    return QDir(applicationFolder).filePath(QStringLiteral("_other_/setinis"));
}

QStringList listSettingsSets(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists())
        throw core::FileError(
            QStringLiteral("Složka %1 neexistuje.").arg(QDir::toNativeSeparators(folder)));
    return dir.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace dictionary
