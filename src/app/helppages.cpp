#include "app/helppages.h"

namespace app {

QStringList helppage::allPages() {
    return {kContents,           kMainWindow,   kFirstRun,      kLogin,
            kUserAdministration, kPassword,     kNewDictionary, kWordEntry,
            kEvaluationSettings, kExamSettings, kSoundWindow};
}

void openHelpPage(core::SystemShell& system, core::Messages& messages, const RunState& state,
                  const QString& page) {
    core::openWithSystem(system, messages, state.helpPage(page));
}

} // namespace app
