#include "core/systemshell.h"

#include "core/messages.h"

namespace core {

void openWithSystem(SystemShell& system, Messages& messages, const QString& pathOrAddress) {
    if (!system.open(pathOrAddress))
        messages.warning(QStringLiteral("Systém nedokázal otevřít \"%1\".").arg(pathOrAddress));
}

} // namespace core
