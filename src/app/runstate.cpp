#include "app/runstate.h"

#include <QDir>

namespace app {

QString RunState::path(const QString& relative) const {
    return QDir(applicationFolder).filePath(relative);
}

QString RunState::shownPath(const QString& path) const {
    return QDir(applicationFolder).relativeFilePath(path);
}

QString RunState::helpPage(const QString& page) const {
    return path(QStringLiteral("help/") + page);
}

} // namespace app
