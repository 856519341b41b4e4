#include "app/runstate.h"
#include "core/messages.h"
#include "shell/useraccounts.h"
#include "shell/usernames.h"
#include "store/cursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

// Whether path is a folder lying directly in parent, links resolved: nothing reached
// through a link or a crafted name may lead the deletion out of the application folder.
bool isFolderDirectlyIn(const QString& path, const QString& parent) {
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink())
        return false;
    const QString canonicalParent = QFileInfo(parent).canonicalFilePath();
    return !canonicalParent.isEmpty() &&
           QFileInfo(info.canonicalFilePath()).absolutePath() == canonicalParent;
}

// Deletes the files lying directly in the folder; returns whether all of them went.
bool deleteFilesIn(const QDir& folder) {
    bool complete = true;
    const QFileInfoList files =
        folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files)
        complete &= QFile::remove(file.filePath());
    return complete;
}

// Deletes what the program made for the user. Returns whether every file and the results
// folder went; tells through folderRemoved whether the user folder went too.
bool deleteUserFiles(const app::RunState& state, const QString& name, bool& folderRemoved) {
    folderRemoved = true;
    const QString folderPath = state.path(name);
    if (!QFileInfo::exists(folderPath) && !QFileInfo(folderPath).isSymLink())
        return true;
    if (!isAcceptableUserName(name) || !isFolderDirectlyIn(folderPath, state.applicationFolder))
        return false;

    bool complete = true;
    const QDir folder(folderPath);
    const QString resultsPath = folder.filePath(QStringLiteral("results"));
    if (QFileInfo::exists(resultsPath)) {
        complete = isFolderDirectlyIn(resultsPath, folderPath) &&
                   deleteFilesIn(QDir(resultsPath)) && folder.rmdir(QStringLiteral("results"));
    }
    complete &= deleteFilesIn(folder);
    // The program made practice for the user's articles; only an empty one goes with the
    // user, so that the folder stays when it holds anything of the user's.
    folder.rmdir(QStringLiteral("practice"));
    folderRemoved = QDir(state.applicationFolder).rmdir(name);
    return complete;
}

} // namespace

bool deleteUser(core::Messages& messages, store::Cursor& users, const app::RunState& state) {
    const QString name = users.field(QStringLiteral("User")).asString();
    if (isAdministrator(name)) {
        messages.error(QStringLiteral("Administrátor nemůže být smazán."));
        return false;
    }
    if (!messages.confirmDangerous(
            QStringLiteral(
                "Pokud uživatel měl vytvořené nějaké slovníky, tak na disku zůstanou tyto "
                "slovníky. Pokud je chces odstranit musíš ručně smazat adresář s názvem shodným "
                "s jménem uživatelem. Chceš uživatele \"%1\" smazat ?")
                .arg(name)))
        return false;
    users.deleteRecord();

    bool folderRemoved = true;
    const bool complete = deleteUserFiles(state, name, folderRemoved);
    if (!folderRemoved) {
        messages.information(QStringLiteral(
            "Smazání adresáře uživatele nebylo kompletně dokončeno. V adresáři je nějaký "
            "slovník nebo jiné data, ktera tam byla nakopirovana uživatelem navíc. Odstranění "
            "adresáře, pokud si to přeješ, udělěj ručně."));
    }
    if (!complete) {
        messages.error(QStringLiteral(
            "Smazání adresářů a souborů uživatele nemohlo být kompletně dokončeno."));
    }
    return true;
}

} // namespace shell
