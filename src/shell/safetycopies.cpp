#include "shell/safetycopies.h"

#include "core/fileerror.h"
#include "core/filereplace.h"
#include "store/error.h"
#include "store/tablecheck.h"
#include "store/tablecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

using namespace Qt::StringLiterals;

struct WorkName {
    BulkWork work;
    QStringView key; // in the copy's folder name
    QStringView reason;
};

constexpr WorkName kWorkNames[] = {
    {BulkWork::Import, u"import", u"před importem"},
    {BulkWork::Regeneration, u"regenerace", u"před přegenerováním"},
    {BulkWork::CommaWalk, u"carky", u"před přehodnocením výrazů s čárkou"},
    {BulkWork::LessonChange, u"lekce", u"před hromadnou změnou lekce"},
    {BulkWork::LessonZero, u"lekce0", u"před hledáním lekcí slovíček z lekce 0"},
    {BulkWork::SettingsSet, u"nastaveni", u"před načtením nastavení slovníku"},
    {BulkWork::Restore, u"obnoveni", u"před obnovením z bezpečnostní kopie"},
};

// The copy's folder name: its time to the millisecond, so that names sort by time, and its work.
const QString kTimeFormat = u"yyyyMMdd-HHmmsszzz"_s;
const QString kTable = u"dictonary.db"_s;
const QString kSettingsFiles[] = {u"set.ini"_s, u"code.ini"_s};
// The end of the name of a copy that is still being made.
const QString kUnfinished = u".part"_s;

QStringView keyOf(BulkWork work) {
    for (const WorkName& name : kWorkNames) {
        if (name.work == work)
            return name.key;
    }
    return {};
}

QString dictionaryName(const QString& dictionaryFolder) {
    return QFileInfo(dictionaryFolder).fileName();
}

void copyFile(const QString& source, const QString& target) {
    if (QFile::exists(source) && !QFile::copy(source, target))
        throw core::FileError(u"Soubor %1 nelze zkopírovat do %2."_s.arg(
            QDir::toNativeSeparators(source), QDir::toNativeSeparators(target)));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::FileError::cannotRead(path, file.errorString());
    return file.readAll();
}

} // namespace

QString SafetyCopy::text() const {
    return time.toString(u"d.M.yyyy H:mm:ss"_s) + u" – "_s + reason;
}

SafetyCopies::SafetyCopies(const QString& dictionaryFolder)
    : m_dictionaryFolder(dictionaryFolder)
    , m_copiesFolder(QDir(QFileInfo(dictionaryFolder).absolutePath())
                         .filePath(u"backup/auto/"_s + dictionaryName(dictionaryFolder))) {}

void SafetyCopies::take(BulkWork work, const QDateTime& now) {
    copyBefore(work, now);
    keepNewest();
}

void SafetyCopies::copyBefore(BulkWork work, const QDateTime& now) {
    try {
        copyInto(work, now);
    } catch (const core::UserError& error) {
        throw SafetyCopyError(u"Bezpečnostní kopii slovníku „%1“ nelze pořídit, a proto se nic "
                              "nezměnilo. Hlášení zní: %2"_s.arg(dictionaryName(m_dictionaryFolder),
                                                                 error.message()));
    }
}

void SafetyCopies::copyInto(BulkWork work, const QDateTime& now) {
    const QDir copies(m_copiesFolder);
    if (!copies.mkpath(u"."_s))
        throw core::FileError(
            u"Složku %1 nelze vytvořit."_s.arg(QDir::toNativeSeparators(m_copiesFolder)));
    // A copy is made under a name the list passes over and takes its own name once whole, so
    // that a program killed in the middle of one leaves no copy that lacks a file; what such a
    // program left goes now.
    for (const QString& left : copies.entryList({u"*"_s + kUnfinished}, QDir::Dirs))
        QDir(copies.filePath(left)).removeRecursively();
    // Two copies within one millisecond are told apart by the next free millisecond.
    QDateTime time = now;
    while (copies.exists(time.toString(kTimeFormat) + u'-' + keyOf(work)))
        time = time.addMSecs(1);
    const QString name = time.toString(kTimeFormat) + u'-' + keyOf(work);
    const QString unfinished = name + kUnfinished;
    if (!copies.mkdir(unfinished))
        throw core::FileError(u"Složku %1 nelze vytvořit."_s.arg(
            QDir::toNativeSeparators(copies.filePath(unfinished))));
    const QDir copy(copies.filePath(unfinished));
    try {
        const QDir dictionary(m_dictionaryFolder);
        store::copyTableFile(dictionary.filePath(kTable), copy.filePath(kTable));
        for (const QString& file : kSettingsFiles)
            copyFile(dictionary.filePath(file), copy.filePath(file));
        if (!QDir(m_copiesFolder).rename(unfinished, name))
            throw core::FileError(u"Složku %1 nelze přejmenovat na %2."_s.arg(
                QDir::toNativeSeparators(copy.path()), name));
    } catch (...) {
        QDir(copy.path()).removeRecursively();
        throw;
    }
}

std::vector<SafetyCopy> SafetyCopies::list() const {
    std::vector<SafetyCopy> found;
    const QDir copies(m_copiesFolder);
    // Names sort by time: the newest comes first in reversed order.
    for (const QString& name :
         copies.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
        const QDateTime time = QDateTime::fromString(name.left(kTimeFormat.size()), kTimeFormat);
        const QStringView key = QStringView(name).mid(kTimeFormat.size() + 1);
        for (const WorkName& work : kWorkNames) {
            if (time.isValid() && key == work.key && copies.exists(name + u'/' + kTable))
                found.push_back({copies.filePath(name), time, work.reason.toString()});
        }
    }
    return found;
}

void SafetyCopies::keepNewest() {
    const std::vector<SafetyCopy> copies = list();
    for (size_t i = kKept; i < copies.size(); ++i)
        QDir(copies[i].folder).removeRecursively();
}

void SafetyCopies::restore(const SafetyCopy& copy, const QDateTime& now) {
    const QDir from(copy.folder);
    const store::TableCheck check = store::checkTableFile(from.filePath(kTable), u"dictonary"_s);
    if (!check.ok())
        throw SafetyCopyError(
            u"Bezpečnostní kopie z %1 je poškozená, slovník zůstal beze změny: "
            "%2"_s.arg(copy.time.toString(u"d.M.yyyy H:mm:ss"_s), check.findings.join(u"; "_s)));
    // The copy put back is kept until it is in place, even when it is the oldest.
    copyBefore(BulkWork::Restore, now);
    try {
        const QDir to(m_dictionaryFolder);
        store::restoreTableFile(from.filePath(kTable), to.filePath(kTable));
        for (const QString& file : kSettingsFiles) {
            if (from.exists(file))
                core::replaceFile(to.filePath(file), readAll(from.filePath(file)));
        }
    } catch (const core::UserError& error) {
        throw SafetyCopyError(
            u"Slovník „%1“ se nepodařilo obnovit z bezpečnostní kopie. Stav "
            "před obnovením je uložen jako nejnovější bezpečnostní kopie. "
            "Hlášení zní: %2"_s.arg(dictionaryName(m_dictionaryFolder), error.message()));
    }
    keepNewest();
}

} // namespace shell
