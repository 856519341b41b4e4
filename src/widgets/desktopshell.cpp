#include "widgets/desktopshell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace widgets {

bool DesktopShell::open(const QString& pathOrAddress) {
    const QUrl url = QFileInfo(pathOrAddress).isAbsolute() ? QUrl::fromLocalFile(pathOrAddress)
                                                           : QUrl(pathOrAddress);
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::startDetached(const QString& program, const QStringList& arguments,
                                 const QString& workingFolder) {
    return QProcess::startDetached(program, arguments, workingFolder);
}

void DesktopShell::beep() {
    QApplication::beep();
}

} // namespace widgets
