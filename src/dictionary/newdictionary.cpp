#include "dictionary/newdictionary.h"

#include "core/fileerror.h"
#include "dictionary/dictionaryfolders.h"
#include "dictionary/setiniwriter.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace dictionary {

namespace {

void copyTable(core::Messages& messages, const QString& emptyTableFolder, const QDir& folder) {
    const QString name = QStringLiteral("dictonary.db");
    if (!QFile::copy(QDir(emptyTableFolder).filePath(name), folder.filePath(name)))
        messages.error(QStringLiteral("Není možné zkopírovat \"%1\" - zkontroluj místo na disku a "
                                      "případná přístupová práva.")
                           .arg(name));
}

void copyCodeIni(core::Messages& messages, const QString& userFolder, const QDir& folder) {
    const QString name = QStringLiteral("code.ini");
    if (!QFile::copy(QDir(userFolder).filePath(name), folder.filePath(name)))
        messages.error(QStringLiteral(
            "Není možné zkopírovat soubor \"code.ini\" z adresáře aplikace do adresáře slovníku "
            "a to se nepodařilo. Zkontroluj místo na disku a přístupová práva."));
}

void writeSetIni(core::Messages& messages, const QString& applicationFolder, const QDir& folder,
                 const NewDictionary& request) {
    const QString setIniPath = folder.filePath(QStringLiteral("set.ini"));
    QList<char32_t> lost;
    try {
        if (request.manual)
            lost = writeManualSetIni(messages, setIniPath,
                                     QDir(applicationFolder).filePath(QStringLiteral("key.ini")),
                                     request.language, request.fonts, request.note);
        else
            lost = writeSetIniFromSet(setIniPath, request.settingsSetPath, request.note);
    } catch (const core::FileError& error) {
        messages.error(error.message());
        return;
    }
    if (lost.isEmpty())
        return;
    QString characters;
    for (const char32_t codePoint : lost)
        characters += QString::fromUcs4(&codePoint, 1);
    messages.warning(QStringLiteral("Některé znaky nelze do souboru \"set.ini\" uložit, byly "
                                    "nahrazeny otazníkem: %1")
                         .arg(characters));
}

} // namespace

bool isAcceptableDictionaryName(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'.') || isProgramFolderName(name))
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.category() == QChar::Other_Control;
    });
}

bool createDictionary(core::Messages& messages, const QString& userFolder,
                      const QString& emptyTableFolder, const QString& applicationFolder,
                      const NewDictionary& request) {
    QDir user(userFolder);
    // mkdir refuses a name that exists already, even as a file.
    if (!isAcceptableDictionaryName(request.name) || !user.mkdir(request.name)) {
        messages.error(QStringLiteral("Není možné vytvořit adresář slovníku. Buď již takový "
                                      "existuje nebo je použito nedovolených znaků (*?/\\ atd.)."));
        return false;
    }
    const QDir folder(user.filePath(request.name));
    copyTable(messages, emptyTableFolder, folder);
    copyCodeIni(messages, userFolder, folder);
    writeSetIni(messages, applicationFolder, folder, request);
    return true;
}

} // namespace dictionary
