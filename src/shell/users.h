#pragma once

#include <QString>

namespace core {
class Messages;
}
namespace store {
class Cursor;
}

// The records of the users table (_other_/user.db): fields User (the key) and Password.
namespace shell {

enum class LoginCheck { LoggedIn, UnknownUser, WrongPassword };

// Looks up the user and compares the typed password, showing the program's message when
// the login fails. On success the user's record stays current in the cursor, where the
// whole program reads the logged-in user from.
LoginCheck checkLogin(core::Messages& messages, store::Cursor& users, const QString& name,
                      const QString& typedPassword);

// Keeps the typed password (hashed) in the current record.
void storePassword(store::Cursor& users, const QString& typedPassword);

// Keeps the typed password for the named user; false when there is no such user.
bool storePasswordOf(store::Cursor& users, const QString& name, const QString& typedPassword);

// Empties the password of the current record; the administrator's is refused with a
// message. Returns whether the password was cleared.
bool clearPassword(core::Messages& messages, store::Cursor& users);

// The message that the users table is broken, shown where a user should have been.
void showUsersTableError(core::Messages& messages);

} // namespace shell
