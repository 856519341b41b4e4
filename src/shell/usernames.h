#pragma once

#include <QString>

namespace shell {

inline constexpr int kUserNameMaxLength = 20; // the size of the User field

// The names the program compares users by: lower case as Windows lowers the
// Windows-1250 code page.
QString lowered(const QString& text);

// Whether a name may become a new user. Each user's folder in the application folder
// carries the name as it is, so a name must be one plain folder name that lies beside the
// program's own files without being one of them: no path separators, no dots or spaces
// at the ends, no characters a file system refuses, nothing longer than the User field.
bool isAcceptableUserName(const QString& name);

bool isAdministrator(const QString& name);

} // namespace shell
