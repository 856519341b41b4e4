#pragma once

#include "core/messages.h"

#include <QString>

namespace cli {

// Writes text to the terminal as UTF-8 with a line end: stdout or stderr.
void printOut(const QString& text);
void printError(const QString& text);

// The program's messages on the terminal: information on stdout, errors and warnings on
// stderr. Confirmations and questions are answered yes, since typing the command was the
// user's answer; they are not printed.
class ConsoleMessages : public core::Messages {
public:
    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    bool ask(const QString& text) override;

    bool errorShown() const { return m_errorShown; }

private:
    bool m_errorShown = false;
};

} // namespace cli
