#pragma once

#include "consolemessages.h"

#include "core/usererror.h"
#include "entry/testwordrules.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace store {
class Cursor;
}

namespace cli {

// A failure of a command, with the message for the terminal.
class CommandError : public core::UserError {
public:
    using core::UserError::UserError;
};

// What every command works on: the application folder (the working directory unless
// "--app" names one), the user and the dictionary, and the messages.
class Context {
public:
    static void addOptions(QCommandLineParser& parser);
    explicit Context(const QCommandLineParser& parser);

    QString applicationFolder() const { return m_applicationFolder; }
    QString userFolder() const;
    QString dictionaryFolder() const;
    bool namesDictionary() const { return !m_dictionary.isEmpty(); }

    // The dictionary's test-word rules from its code.ini (an older dictionary first gets a
    // copy of the user's, as in the program).
    entry::TestWordRules rules();
    // Opens the named dictionary on the cursor, posts deriving test words by its rules.
    void openDictionary(store::Cursor& dictionary);

    ConsoleMessages messages;

private:
    QString m_applicationFolder;
    QString m_user;
    QString m_dictionary;
};

} // namespace cli
