#include "dictionary/dictionaryfolders.h"

#include "core/fileerror.h"

#include <QDir>

namespace dictionary {

QStringList listDictionaries(const QString& userFolder) {
    const QDir folder(userFolder);
    if (!folder.exists())
        throw core::FileError(
            QStringLiteral("Složka %1 neexistuje.").arg(QDir::toNativeSeparators(userFolder)));
    QStringList names;
    for (const QString& name :
         folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        if (!isProgramFolderName(name))
            names << name;
    }
    return names;
}

bool isProgramFolderName(const QString& name) {
    const QString lowered = name.toLower();
    return lowered == u"results" || lowered == u"practice" || lowered == u"backup";
}

} // namespace dictionary
