#pragma once

#include "core/usererror.h"

#include <QLockFile>
#include <QString>

#include <optional>

namespace shell {

// The program that works with a user: its name, the computer it runs on and its process.
struct LockHolder {
    QString program;
    QString host;
    qint64 process = 0;
};

// Another program works with the user; the message says which.
class UserHeldError : public core::UserError {
public:
    UserHeldError(const QString& user, const LockHolder& holder);
};

// One program at a time works with a user of an application folder: the program that logs the
// user in, or lexiton-cli while a command of it changes the user's data, holds the lock file
// lexiton.lock in the user's folder. The lock of a program that ended without letting it go
// (killed, crashed) is taken over; its age alone never makes it so.
class UserLock {
public:
    explicit UserLock(const QString& userFolder);
    ~UserLock();
    UserLock(const UserLock&) = delete;
    UserLock& operator=(const UserLock&) = delete;

    // Takes the lock, or raises UserHeldError naming the program that holds it. Where the lock
    // file cannot be made at all (a read-only folder) nothing is locked: nothing could be
    // written there either.
    void acquire(const QString& user);
    bool held() const { return m_file.isLocked(); }

    // The program that holds the user now, if any.
    static std::optional<LockHolder> holder(const QString& userFolder);

private:
    QLockFile m_file;
};

// What a command that only reads says while another program holds the user: that it sees the
// state from before the other program's unfinished work.
QString readWhileHeldNote(const QString& user, const LockHolder& holder);

} // namespace shell
