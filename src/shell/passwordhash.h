#pragma once

#include <QString>

namespace shell {

// Passwords are kept as a salted PBKDF2-HMAC-SHA256 hash of the password in lower case,
// as text "pbkdf2$<iterations>$<salt base64>$<hash base64>", so that neither the table
// nor a backup of it gives the passwords away. No password is kept as an empty text.
inline constexpr int kPasswordIterations = 60000;

// The text to keep for a typed password: "" for an empty one, else a hash with a new salt.
QString hashPassword(const QString& typed);

// Whether a typed password fits the kept one. Case does not matter.
bool passwordMatches(const QString& stored, const QString& typed);

// A kept password from the time passwords were kept as plain text.
bool isPlainTextPassword(const QString& stored);

} // namespace shell
