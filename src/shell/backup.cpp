#include "shell/backup.h"

namespace shell {

QString backupName(const QString& user, const QDateTime& now) {
    QString stamp =
        now.toString(QStringLiteral("d.M.yyyy")) + u'-' + now.toString(QStringLiteral("H:mm:ss"));
    stamp.remove(u':').remove(u'.');
    return user + stamp;
}

BackupCommand backupCommand(const RunState& state, const QDateTime& now) {
    return {state.path(QStringLiteral("save.sh")),
            {state.userFolder(), backupName(state.userName, now)},
            state.applicationFolder};
}

void startBackup(core::SystemShell& system, const RunState& state, const QDateTime& now) {
    const BackupCommand command = backupCommand(state, now);
    system.startDetached(command.program, command.arguments, command.workingFolder);
}

} // namespace shell
