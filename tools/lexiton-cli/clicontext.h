#pragma once

#include "consolemessages.h"

#include "core/codepage.h"
#include "core/usererror.h"
#include "entry/testwordrules.h"
#include "exam/settingini.h"
#include "exchange/dictionarycursor.h"
#include "shell/safetycopies.h"
#include "shell/userlock.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <memory>

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
    const QString& user() const { return m_user; }
    QString userFolder() const;
    // The user named, or every user of the users table who has a folder.
    QStringList users() const;
    QString dictionaryFolder() const;
    bool namesDictionary() const { return !m_dictionary.isEmpty(); }
    const QString& dictionaryName() const { return m_dictionary; }

    // The dictionary's test-word rules from its code.ini (an older dictionary first gets a
    // copy of the user's, as in the program).
    entry::TestWordRules rules();
    // The settings of setting.ini as the program reads them: the application's, then the
    // user's over it.
    exam::SettingIni settings() const;
    // The code page of the dictionary's foreign words, by the foreign font of its set.ini.
    const core::CodePage& foreignCodePage() const;
    // Opens the named dictionary on the cursor, posts deriving test words by its rules.
    void openDictionary(store::Cursor& dictionary);

    // A command that changes the named user's data holds the user for its run, and is refused
    // while another program holds the user; one that only reads says that it sees the state
    // from before the other program's work. Nothing happens without a user.
    void claimUser(bool changes);
    // Takes the named dictionary's safety copy before the work.
    exchange::BeforeChange safetyCopyBefore(shell::BulkWork work) const;

    ConsoleMessages messages;

private:
    QString m_applicationFolder;
    QString m_user;
    QString m_dictionary;
    std::unique_ptr<shell::UserLock> m_lock;
};

} // namespace cli
