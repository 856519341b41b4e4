#pragma once

#include <QString>

namespace shell {

// Passwords are kept as a salted PBKDF2-HMAC-SHA256 hash of the password in lower case,
// as text "pbkdf2$<iterations>$<salt base64>$<hash base64>", so that neither the table
// nor a backup of it gives the passwords away. An empty text means no password.
// Qt's key derivation takes about 50 ms for these iterations on an ordinary machine in a
// release build (60000 took 160 ms): slow for guessing, unnoticed at login.
inline constexpr int kPasswordIterations = 20000;

// The text to keep for a typed password: "" for an empty one, else a hash with a new salt.
QString hashPassword(const QString& typed);

// Whether a typed password fits the kept one. Case does not matter.
bool passwordMatches(const QString& stored, const QString& typed);

// A kept password from the time passwords were kept as plain text.
bool isPlainTextPassword(const QString& stored);

} // namespace shell
