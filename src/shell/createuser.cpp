#include "app/runstate.h"
#include "core/messages.h"
#include "shell/useraccounts.h"
#include "shell/usernames.h"
#include "store/cursor.h"
#include "store/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

struct Template {
    QString folder;
    QString fileName;
};

// What a new user's folder starts with, in the order it is copied. Our table files are
// single files, so the exam history is exam.db alone.
std::vector<Template> templates(const app::RunState& state) {
    std::vector<Template> files = {{state.emptyTableFolder(), QStringLiteral("exam.db")}};
    for (const QString& fileName : {QStringLiteral("exam.ini"), QStringLiteral("bg.bmp"),
                                    QStringLiteral("code.ini"), QStringLiteral("setting.ini")})
        files.push_back({state.applicationFolder, fileName});
    return files;
}

// Fills the user folder; returns whether everything is in place.
bool fillUserFolder(core::Messages& messages, const app::RunState& state, const QDir& userFolder,
                    bool restoring) {
    bool complete = true;
    for (const Template& file : templates(state)) {
        const QString target = userFolder.filePath(file.fileName);
        // Restoring keeps what the user had: a file already there stays as it is and
        // counts as copied.
        if (restoring && QFileInfo::exists(target))
            continue;
        if (!QFile::copy(QDir(file.folder).filePath(file.fileName), target)) {
            messages.error(QStringLiteral("Není možné zkopírovat \"%1\" - zkontroluj místo na "
                                          "disku a případná přístupová práva.")
                               .arg(file.fileName));
            complete = false;
        }
    }
    for (const QString& folder : {QStringLiteral("results"), QStringLiteral("practice")}) {
        if (!userFolder.mkpath(folder)) {
            messages.error(QStringLiteral("Není možné vytvořit adresář \"%1\".").arg(folder));
            complete = false;
        }
    }
    return complete;
}

void removeRecord(store::Cursor& users, const QString& name) {
    if (users.findKey({name}))
        users.deleteRecord();
}

} // namespace

bool createUser(core::Messages& messages, store::Cursor& users, const app::RunState& state,
                const QString& name) {
    if (!isAcceptableUserName(name)) {
        messages.error(QStringLiteral("Takové jméno není přípustné."));
        return false;
    }
    try {
        users.appendRecord({name, QString()});
    } catch (const store::Error&) {
        messages.error(QStringLiteral("Uživatele není možné vytvořit - již existuje."));
        return false;
    }

    const QString folderPath = state.path(name);
    const bool restoring = QFileInfo::exists(folderPath);
    bool created = true;
    if (restoring &&
        !messages.confirm(QStringLiteral(
            "Takový uživatel již existoval a má adresář na disku, chcete obnovit tohoto "
            "uživatele aniž by se mu porušily slovníky, které již na disku existují ?"))) {
        created = false;
    } else {
        QDir(state.applicationFolder).mkdir(name);
        created = fillUserFolder(messages, state, QDir(folderPath), restoring);
    }
    if (!created)
        removeRecord(users, name);
    return created;
}

} // namespace shell
