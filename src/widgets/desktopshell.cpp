#include "widgets/desktopshell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace shell {

void DesktopShell::open(const QString& pathOrAddress) {
    const QUrl url = QFileInfo(pathOrAddress).isAbsolute() ? QUrl::fromLocalFile(pathOrAddress)
                                                           : QUrl(pathOrAddress);
    QDesktopServices::openUrl(url);
}

void DesktopShell::startDetached(const QString& program, const QStringList& arguments,
                                 const QString& workingFolder) {
    QProcess::startDetached(program, arguments, workingFolder);
}

void DesktopShell::beep() {
    QApplication::beep();
}

} // namespace shell
