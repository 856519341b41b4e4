#include "dictionary/setiniwriter.h"

#include "core/cp1250linereader.h"
#include "core/fileerror.h"
#include "core/filereplace.h"
#include "core/settingsline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dictionary {

namespace {

const QString kMemo = QStringLiteral("{[..memo..]}");
const QString kEndMemo = QStringLiteral("{[..endmemo..]}");

void appendFontLines(QStringList& lines, const QString& prefix, const FontSetting& font) {
    lines << prefix + u'=' + font.face;
    lines << prefix + QStringLiteral("char=") + QString::number(font.charset);
    if (font.bold)
        lines << prefix + QStringLiteral("bold");
    if (font.italic)
        lines << prefix + QStringLiteral("italic");
    lines << prefix + QStringLiteral("size=") +
                 (font.size ? QString::number(*font.size) : QString());
}

QStringList noteBlock(const QStringList& note) {
    return QStringList{kMemo} + note + QStringList{kEndMemo};
}

} // namespace

SplitSettingsSet splitNote(const QStringList& lines) {
    SplitSettingsSet split;
    bool inNote = false;
    for (const QString& line : lines) {
        if (inNote) {
            if (core::lineHasKey(line, kEndMemo))
                inNote = false;
            else
                split.note << line;
        } else if (core::lineHasKey(line, kMemo)) {
            inNote = true;
        } else {
            split.settings << line;
        }
    }
    return split;
}

QList<char32_t> writeManualSetIni(core::Messages& messages, const QString& setIniPath,
                                  const QString& keyIniPath, const QString& language,
                                  const DictionaryFonts& fonts, const QStringList& note) {
    QStringList lines{QStringLiteral("language=") + language, QString(),
                      QStringLiteral("soundincrementpath=Sounds"),
                      QStringLiteral("//soundfullpath="), QString()};
    appendFontLines(lines, QStringLiteral("fontcz"), fonts.cz);
    appendFontLines(lines, QStringLiteral("fontother"), fonts.other);
    appendFontLines(lines, QStringLiteral("fontintr"), fonts.intr);
    lines << QString();
    try {
        lines << core::readCp1250FileLines(keyIniPath);
    } catch (const core::FileError&) {
        messages.error(QStringLiteral("Chyba při čtení souboru \"key.ini\"."));
    }
    lines << noteBlock(note);
    return core::replaceFileWithLines(setIniPath, lines);
}

QList<char32_t> writeSetIniFromSet(const QString& setIniPath, const QString& settingsSetPath,
                                   const QStringList& note) {
    const SplitSettingsSet set = splitNote(core::readCp1250FileLines(settingsSetPath));
    const QStringList lines = set.settings + QStringList{QString()} + noteBlock(note + set.note);
    return core::replaceFileWithLines(setIniPath, lines);
}

void appendVoiceLine(const QString& setIniPath, const QString& voice) {
    core::replaceFileWithLines(setIniPath, readSetIniLines(setIniPath) +
                                               QStringList{QStringLiteral("voice=") + voice});
}

void ensureDictionaryCodeIni(core::Messages& messages, const QString& userFolder,
                             const QString& dictionaryFolder) {
    const QString target = QDir(dictionaryFolder).filePath(QStringLiteral("code.ini"));
    if (QFile::exists(target))
        return;
    if (QFile::copy(QDir(userFolder).filePath(QStringLiteral("code.ini")), target))
        messages.information(QStringLiteral(
            "Dříve byl soubor \"code.ini\" jeden pro všechny slovníky, nyní je tento "
            "konfigurační soubor ke každému slovníku zvlášť. Proto byl soubor ke slovníku "
            "přikopírován a příště už Tě nebudu u tohoto slovníku otravovat :)."));
    else
        messages.error(QStringLiteral(
            "Bylo třeba zkopírovat soubor \"code.ini\" z adresáře aplikace do adresáře "
            "slovníku a to se nepodařilo. Zkontroluj místo na disku a přístupová práva."));
}

void replaceSettingsBySet(const QString& dictionaryFolder, const QString& settingsSetPath) {
    const QString setIniPath = QDir(dictionaryFolder).filePath(QStringLiteral("set.ini"));
    QStringList note;
    if (QFileInfo::exists(setIniPath))
        note = splitNote(readSetIniLines(setIniPath)).note;
    // Everything written here was read from Windows-1250 files, so nothing can be lost.
    writeSetIniFromSet(setIniPath, settingsSetPath, note);
}

} // namespace dictionary
