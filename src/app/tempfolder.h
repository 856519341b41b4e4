#pragma once

#include <QString>

namespace app {

// Deletes every file directly in the folder. What cannot be deleted (sub-folders among
// them) is skipped without a word, and a missing folder is no error.
void emptyTempFolder(const QString& folder);

} // namespace app
