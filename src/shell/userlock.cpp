#include "shell/userlock.h"

#include <QDir>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

namespace shell {
namespace {

using namespace Qt::StringLiterals;

QString lockPath(const QString& userFolder) {
    return QDir(userFolder).filePath(u"lexiton.lock"_s);
}

QString holderText(const LockHolder& holder) {
    if (holder.program.isEmpty())
        return u"neznámý program"_s;
    return u"%1 na počítači „%2“, proces %3"_s.arg(holder.program, holder.host).arg(holder.process);
}

std::optional<LockHolder> lockInfo(const QLockFile& file) {
    LockHolder holder;
    if (!file.getLockInfo(&holder.process, &holder.host, &holder.program))
        return std::nullopt;
    return holder;
}

} // namespace

UserHeldError::UserHeldError(const QString& user, const LockHolder& holder)
    : UserError(u"Uživatele „%1“ právě používá jiný program (%2). Dokud tento program neskončí, "
                "není možné s uživatelem pracovat."_s.arg(user, holderText(holder))) {}

UserLock::UserLock(const QString& userFolder)
    : m_file(lockPath(userFolder)) {
    m_file.setStaleLockTime(0);
}

UserLock::~UserLock() = default;

void UserLock::acquire(const QString& user) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_file.tryLock(0) || m_file.error() != QLockFile::LockFailedError)
            return;
        if (const std::optional<LockHolder> holder = lockInfo(m_file))
            throw UserHeldError(user, *holder);
        // The holder let go between the attempt and the reading: one more attempt.
    }
    throw UserHeldError(user, {});
}

std::optional<LockHolder> UserLock::holder(const QString& userFolder) {
    // Only read: taking the lock for a moment could turn away a program that starts to work.
    const QLockFile lock(lockPath(userFolder));
    std::optional<LockHolder> holder = lockInfo(lock);
    const bool ended = holder && holder->host == QSysInfo::machineHostName() &&
                       ::kill(static_cast<pid_t>(holder->process), 0) != 0 && errno == ESRCH;
    return ended ? std::nullopt : holder;
}

QString readWhileHeldNote(const QString& user, const LockHolder& holder) {
    return u"Uživatele „%1“ právě používá jiný program (%2); zde je stav jeho dat uložený před "
           "tím, co tento program právě rozpracoval."_s.arg(user, holderText(holder));
}

} // namespace shell
