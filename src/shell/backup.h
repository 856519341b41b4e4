#pragma once

#include "app/runstate.h"
#include "core/systemshell.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace shell {

// The backup of the logged-in user's folder is the installed script save.sh, started in
// the application folder and not waited for: it receives the user folder and a backup
// name made of the user name and the time of day.
struct BackupCommand {
    QString program;
    QStringList arguments;
    QString workingFolder;
};

// The user name followed by the date "d.M.yyyy", a hyphen and the time "H:mm:ss", with the
// colons and full stops left out: "demo5122026-140309". Two backups within one second
// therefore share a name.
QString backupName(const QString& user, const QDateTime& now);

// save.sh of the application folder with the user folder and the backup name as two
// separate arguments, so that names with spaces need no quoting.
BackupCommand backupCommand(const RunState& state, const QDateTime& now);

// Starts the backup; whether the script exists or succeeds is not checked. The caller
// closes the user's tables first, so that no table file is held open.
void startBackup(core::SystemShell& system, const RunState& state, const QDateTime& now);

} // namespace shell
