#pragma once

#include "core/systemshell.h"

namespace widgets {

// Opens documents and pages with the desktop's programs and starts processes detached.
class DesktopShell : public core::SystemShell {
public:
    bool open(const QString& pathOrAddress) override;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override;
    void beep() override;
};

} // namespace widgets
