#pragma once

#include <QString>
#include <QStringList>

namespace core {

class Messages;

// What the program hands to the operating system without waiting for it: documents and
// web pages opened with their usual program, and commands started as processes.
class SystemShell {
public:
    virtual ~SystemShell() = default;
    // A local file path or a web address; whether the system took it (it found a program
    // for it) — what that program then does is not known.
    virtual bool open(const QString& pathOrAddress) = 0;
    // Starts the program with its arguments as they are (no shell in between); whether the
    // process started.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder) = 0;
    // The system's warning sound.
    virtual void beep() = 0;
};

// Opens the document or page through the system and, when the system cannot, says so in a
// warning that names it, so that the user can open it himself.
void openWithSystem(SystemShell& system, Messages& messages, const QString& pathOrAddress);

} // namespace core
