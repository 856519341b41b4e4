#pragma once

#include <QString>
#include <QStringList>

namespace core {

// What the program hands to the operating system without waiting for it: documents and
// web pages opened with their usual program, and commands started as processes.
class SystemShell {
public:
    virtual ~SystemShell() = default;
    // A local file path or a web address; a failure is not reported.
    virtual void open(const QString& pathOrAddress) = 0;
    // Starts the program with its arguments as they are (no shell in between).
    virtual void startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder) = 0;
    // The system's warning sound.
    virtual void beep() = 0;
};

} // namespace core
