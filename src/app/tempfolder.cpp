#include "app/tempfolder.h"

#include <QDir>
#include <QFile>

namespace app {

void emptyTempFolder(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(name));
}

} // namespace app
