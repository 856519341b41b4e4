#pragma once

class QLineEdit;

namespace shell {

// Makes a box for a password as the program has them: shown as stars, at most as long as
// the User field allows, and turned to lower case as the user types.
void setUpPasswordEdit(QLineEdit& edit);

} // namespace shell
