#include "shell/users.h"

#include "core/messages.h"
#include "shell/passwordhash.h"
#include "shell/usernames.h"
#include "store/cursor.h"
#include "store/error.h"

namespace shell {
namespace {

const QString kUser = QStringLiteral("User");
const QString kPassword = QStringLiteral("Password");

void setPasswordField(store::Cursor& users, const QString& value) {
    users.edit();
    try {
        users.field(kPassword).setAsString(value);
        users.post();
    } catch (...) {
        users.cancel();
        throw;
    }
}

} // namespace

void showUsersTableError(core::Messages& messages) {
    messages.error(QStringLiteral("Chyba databáze uživatelů - ukonči aplikaci."));
}

LoginCheck checkLogin(core::Messages& messages, store::Cursor& users, const QString& name,
                      const QString& typedPassword) {
    if (!users.findKey({name})) {
        showUsersTableError(messages);
        return LoginCheck::UnknownUser;
    }
    const QString stored = users.field(kPassword).asString();
    if (!passwordMatches(stored, typedPassword)) {
        messages.error(QStringLiteral("Chybné heslo - smůla, zkus to znovu."));
        return LoginCheck::WrongPassword;
    }
    if (isPlainTextPassword(stored)) {
        // A password kept as plain text by an earlier version is replaced by its hash
        // at the first right login. Should the table refuse the write, the login still
        // holds and the next one tries again.
        try {
            storePassword(users, typedPassword);
        } catch (const store::Error&) {
        }
    }
    return LoginCheck::LoggedIn;
}

void storePassword(store::Cursor& users, const QString& typedPassword) {
    setPasswordField(users, hashPassword(typedPassword));
}

bool storePasswordOf(store::Cursor& users, const QString& name, const QString& typedPassword) {
    if (!users.findKey({name}))
        return false;
    storePassword(users, typedPassword);
    return true;
}

bool clearPassword(core::Messages& messages, store::Cursor& users) {
    if (isAdministrator(users.field(kUser).asString())) {
        messages.error(
            QStringLiteral("Administrátorovi nemůže být smazáno heslo použij změnu hesla."));
        return false;
    }
    setPasswordField(users, QString());
    return true;
}

} // namespace shell
