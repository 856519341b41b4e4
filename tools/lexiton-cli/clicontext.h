#pragma once

#include "consolemessages.h"

#include "entry/testwordrules.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace store {
class Cursor;
}

namespace cli {

// A failure of a command, with the message for the terminal.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
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
