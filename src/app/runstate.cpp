#include "app/runstate.h"

#include <QDir>

namespace shell {

QString RunState::path(const QString& relative) const {
    return QDir(applicationFolder).filePath(relative);
}

QString RunState::helpPage(const QString& page) const {
    return path(QStringLiteral("help/") + page);
}

} // namespace shell
