#include "shell/usernames.h"

#include "core/ansilower.h"

#include <QStringList>

#include <algorithm>

namespace shell {
namespace {

// The program's own files and folders in the application folder.
const QStringList& reservedNames() {
    static const QStringList names = {
        QStringLiteral("_other_"),       QStringLiteral("_emptytable_"),
        QStringLiteral("administrator"), QStringLiteral("setting.ini"),
        QStringLiteral("lexiton.exe"),   QStringLiteral("save.bat"),
        QStringLiteral("help"),          QStringLiteral("utility"),
        QStringLiteral("install"),       QStringLiteral("code.ini"),
        QStringLiteral("exam.ini"),      QStringLiteral("icon.ico"),
        QStringLiteral("license.txt"),   QStringLiteral("readme.txt"),
        QStringLiteral("bg.bmp"),        QStringLiteral("bg1vetsi.bmp"),
        QStringLiteral("save.sh"),       QStringLiteral("backup"),
    };
    return names;
}

bool isForbiddenCharacter(QChar c) {
    static const QString forbidden = QStringLiteral("/\\<>:\"|?*");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c);
}

constexpr qsizetype kFileNameMaxBytes = 255;

} // namespace

QString lowered(const QString& text) {
    return core::ansiLower(text);
}

bool isAcceptableUserName(const QString& name) {
    if (name.isEmpty() || name.size() > kUserNameMaxLength ||
        name.toUtf8().size() > kFileNameMaxBytes)
        return false;
    if (name.startsWith(u'.') || name.startsWith(u' ') || name.endsWith(u'.') ||
        name.endsWith(u' '))
        return false;
    if (std::any_of(name.begin(), name.end(), isForbiddenCharacter))
        return false;
    return !reservedNames().contains(lowered(name));
}

bool isAdministrator(const QString& name) {
    return lowered(name) == QStringLiteral("administrator");
}

} // namespace shell
