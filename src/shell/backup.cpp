#include "shell/backup.h"

namespace shell {

QString backupName(const QString& user, const QDateTime& now) {
    QString stamp =
        now.toString(QStringLiteral("d.M.yyyy")) + u'-' + now.toString(QStringLiteral("H:mm:ss"));
    stamp.remove(u':').remove(u'.');
    return user + stamp;
}

BackupCommand backupCommand(const app::RunState& state, const QDateTime& now) {
    const QString name = backupName(state.userName, now);
    return {state.path(QStringLiteral("save.sh")),
            {state.userFolder(), name},
            state.applicationFolder,
            state.path(QStringLiteral("backup/") + name + QStringLiteral(".tar.gz"))};
}

bool startBackup(core::SystemShell& system, const BackupCommand& command) {
    return system.startDetached(command.program, command.arguments, command.workingFolder);
}

} // namespace shell
