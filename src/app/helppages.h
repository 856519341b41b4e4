#pragma once

#include "app/runstate.h"
#include "core/systemshell.h"

#include <QString>
#include <QStringList>

namespace app {

// The help pages in the folder "help" of the application folder, one per window that
// has a "?" button, plus the contents and the first-run page.
namespace helppage {
inline const QString kContents = QStringLiteral("index.html");
inline const QString kMainWindow = QStringLiteral("main.html");
inline const QString kFirstRun = QStringLiteral("install.html");
inline const QString kLogin = QStringLiteral("log.html");
inline const QString kUserAdministration = QStringLiteral("admin.html");
inline const QString kPassword = QStringLiteral("pswd.html");
inline const QString kNewDictionary = QStringLiteral("newdic.html");
inline const QString kWordEntry = QStringLiteral("add.html");
inline const QString kEvaluationSettings = QStringLiteral("set.html"); // also the split dialog
inline const QString kExamSettings = QStringLiteral("exam.html"); // also pronunciation training
inline const QString kSoundWindow = QStringLiteral("addsound.html");

// Every page above, for the checks that the installation holds them all.
QStringList allPages();
} // namespace helppage

// Hands the page (a file name such as "main.html") to the system, which shows it in the
// browser. Whether the page exists is not checked; when the system cannot open it, a
// warning names the page's path.
void openHelpPage(core::SystemShell& system, core::Messages& messages, const RunState& state,
                  const QString& page);

} // namespace app
