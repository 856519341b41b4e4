#include "clicontext.h"

#include "core/fileerror.h"
#include "dictionary/setiniwriter.h"
#include "entry/codeini.h"
#include "exam/examparameters.h"
#include "exchange/dictionarycursor.h"
#include "store/cursor.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace cli {

using namespace Qt::StringLiterals;

void Context::addOptions(QCommandLineParser& parser) {
    parser.addOption({u"app"_s, u"Složka aplikace (jinak pracovní složka)."_s, u"DIR"_s});
    parser.addOption({u"user"_s, u"Jméno uživatele."_s, u"NAME"_s});
    parser.addOption({u"dictionary"_s, u"Název slovníku uživatele."_s, u"NAME"_s});
}

Context::Context(const QCommandLineParser& parser)
    : m_applicationFolder(parser.isSet(u"app"_s) ? parser.value(u"app"_s) : QDir::currentPath())
    , m_user(parser.value(u"user"_s))
    , m_dictionary(parser.value(u"dictionary"_s)) {
    if (!QFileInfo(m_applicationFolder).isDir())
        throw CommandError(u"Složka aplikace %1 neexistuje."_s.arg(m_applicationFolder));
}

QString Context::userFolder() const {
    if (m_user.isEmpty())
        throw CommandError(u"Chybí jméno uživatele (--user)."_s);
    const QString folder = QDir(m_applicationFolder).filePath(m_user);
    if (!QFileInfo(folder).isDir())
        throw CommandError(u"Uživatel %1 nemá složku v aplikaci."_s.arg(m_user));
    return folder;
}

QStringList Context::users() const {
    if (!m_user.isEmpty()) {
        userFolder(); // refuses a user without a folder
        return {m_user};
    }
    store::Cursor table;
    table.setDatabaseName(QDir(m_applicationFolder).filePath(u"_other_"_s));
    table.setTableName(u"user.db"_s);
    table.open();
    QStringList names;
    for (table.first(); !table.eof(); table.next()) {
        const QString name = table.field(u"User"_s).asString();
        if (QFileInfo(QDir(m_applicationFolder).filePath(name)).isDir())
            names << name;
    }
    return names;
}

QString Context::dictionaryFolder() const {
    if (m_dictionary.isEmpty())
        throw CommandError(u"Chybí název slovníku (--dictionary)."_s);
    const QString folder = QDir(userFolder()).filePath(m_dictionary);
    if (!QFileInfo(folder).isDir())
        throw CommandError(u"Není možné otevřít slovník %1."_s.arg(m_dictionary));
    return folder;
}

entry::TestWordRules Context::rules() {
    const QString folder = dictionaryFolder();
    dictionary::ensureDictionaryCodeIni(messages, userFolder(), folder);
    entry::TestWordRules rules;
    try {
        entry::readCodeIni(QDir(folder).filePath(u"code.ini"_s), rules);
    } catch (const core::FileError& error) {
        messages.warning(error.message());
    }
    rules.unicodeCaseFolding = !foreignCodePage().isWindows1250();
    return rules;
}

exam::SettingIni Context::settings() const {
    exam::SettingIni settings;
    exam::ExamParameters parameters;
    for (const QString& folder : {applicationFolder(), userFolder()}) {
        const QString path = QDir(folder).filePath(u"setting.ini"_s);
        if (QFileInfo::exists(path))
            exam::readSettingIni(path, settings, parameters);
    }
    return settings;
}

const core::CodePage& Context::foreignCodePage() const {
    const QString path = QDir(dictionaryFolder()).filePath(u"set.ini"_s);
    if (!QFileInfo::exists(path))
        return core::CodePage::windows1250();
    return dictionary::foreignCodePage(dictionary::readSetIni(path));
}

void Context::openDictionary(store::Cursor& dictionary) {
    exchange::keepEntriesOnPost(dictionary, rules());
    exchange::openDictionaryTable(dictionary, dictionaryFolder());
}

void Context::claimUser(bool changes) {
    if (m_user.isEmpty())
        return;
    const QString folder = userFolder();
    if (changes) {
        m_lock = std::make_unique<shell::UserLock>(folder);
        m_lock->acquire(m_user);
    } else if (const std::optional<shell::LockHolder> holder = shell::UserLock::holder(folder)) {
        messages.warning(shell::readWhileHeldNote(m_user, *holder));
    }
}

exchange::BeforeChange Context::safetyCopyBefore(shell::BulkWork work) const {
    return [folder = dictionaryFolder(), work] {
        shell::SafetyCopies(folder).take(work, QDateTime::currentDateTime());
    };
}

} // namespace cli
