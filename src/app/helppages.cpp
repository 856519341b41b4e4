#include "app/helppages.h"

namespace shell {

QStringList helppage::allPages() {
    return {kContents,           kMainWindow,   kFirstRun,      kLogin,
            kUserAdministration, kPassword,     kNewDictionary, kWordEntry,
            kEvaluationSettings, kExamSettings, kSoundWindow};
}

void openHelpPage(core::SystemShell& system, const RunState& state, const QString& page) {
    system.open(state.helpPage(page));
}

} // namespace shell
