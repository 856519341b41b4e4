#include "sound/articlefolder.h"

#include "core/cp1250linereader.h"
#include "core/filereplace.h"

#include <QDir>
#include <QFileInfo>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

QString textPath(const QString& articleFolder) {
    return QDir(articleFolder).filePath(u"strings.ini"_s);
}

} // namespace

QStringList articleNames(const QString& practiceFolder) {
    return QDir(practiceFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList phraseFiles(const QString& articleFolder) {
    QDir folder(articleFolder);
    QStringList paths;
    for (const QString& name : folder.entryList({u"*.wav"_s, u"*.mp3"_s}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

QStringList articleText(const QString& articleFolder, const core::CodePage& codePage) {
    const QString path = textPath(articleFolder);
    if (!QFileInfo::exists(path))
        return {u"Texty nejsou k dispozici"_s};
    QStringList lines = core::readCp1250FileLines(path);
    for (QString& line : lines)
        line = codePage.fromCp1250Text(line);
    return lines;
}

QString phraseText(const QStringList& text, int index) {
    return index >= 0 && index < text.size() ? text.at(index) : u"Sorry - Neni definovano"_s;
}

std::optional<QString> articlePicture(const QString& articleFolder) {
    const QDir folder(articleFolder);
    for (const QString& name : {u"picture.jpg"_s, u"picture.bmp"_s}) {
        if (QFileInfo(folder.filePath(name)).isFile())
            return folder.filePath(name);
    }
    return std::nullopt;
}

QList<char32_t> writeArticleText(const QString& articleFolder, const QStringList& lines,
                                 const core::CodePage& codePage) {
    QList<char32_t> lost;
    QStringList carried;
    for (const QString& line : lines)
        carried << codePage.toCp1250Text(line, &lost);
    return lost + core::replaceFileWithLines(textPath(articleFolder), carried);
}

} // namespace sound
