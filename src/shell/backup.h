#pragma once

#include "app/runstate.h"
#include "core/systemshell.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace shell {

// The backup of the logged-in user's folder is the installed script save.sh, started in
// the application folder and not waited for: it receives the user folder and a backup
// name made of the user name and the time of day, and writes the archive named so into the
// folder backup of the application folder.
struct BackupCommand {
    QString program;
    QStringList arguments;
    QString workingFolder;
    QString archive; // the file save.sh writes
};

// The user name followed by the date "d.M.yyyy", a hyphen and the time "H:mm:ss", with the
// colons and full stops left out: "demo5122026-140309". Two backups within one second
// therefore share a name.
QString backupName(const QString& user, const QDateTime& now);

// save.sh of the application folder with the user folder and the backup name as two
// separate arguments, so that names with spaces need no quoting.
BackupCommand backupCommand(const app::RunState& state, const QDateTime& now);

// Starts the backup; returns whether the script started (whether it then succeeds is not
// known). The caller closes the user's tables first, so that no table file is held open.
bool startBackup(core::SystemShell& system, const BackupCommand& command);

} // namespace shell
