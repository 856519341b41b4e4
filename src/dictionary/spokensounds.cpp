#include "dictionary/spokensounds.h"

#include "core/usererror.h"
#include "sound/voicechoice.h"
#include "store/cursor.h"

#include <QDir>

namespace dictionary {

using namespace Qt::StringLiterals;

QStringList viewTestWords(store::Cursor& cursor) {
    constexpr int kChunk = 2048;
    const auto field = static_cast<size_t>(cursor.schema().fieldIndex(u"Otherzk"));
    const int total = cursor.recordCount();
    QStringList words;
    words.reserve(total);
    for (int first = 1; first <= total; first += kChunk) {
        for (const store::StoredRow& row : cursor.readStoredRows(first, kChunk))
            words.append(row.text(field));
    }
    return words;
}

std::optional<QString> dictionaryVoice(const DictionarySettings& settings) {
    return sound::dictionaryVoice(settings.voice, settings.otherLanguage.value_or(QString()));
}

sound::MissingSounds missingSounds(store::Cursor& view, const DictionarySettings& settings,
                                   const QString& applicationFolder,
                                   const sound::WaveFormat& format) {
    const QString folder = soundFolder(settings, applicationFolder);
    if (folder.isEmpty())
        throw core::UserError(u"Slovník nemá složku zvuků (řádek soundincrementpath= nebo "
                              "soundfullpath= v jeho set.ini)."_s);
    if (!QDir().mkpath(folder))
        throw core::UserError(u"Složku zvuků %1 nelze vytvořit."_s.arg(folder));
    return sound::MissingSounds(viewTestWords(view), folder, format, foreignCodePage(settings));
}

QString unknownVoiceMessage(const DictionarySettings& settings) {
    return u"Pro jazyk \"%1\" nemám hlas syntézy řeči. Zadej hlas espeak-ng (například en, de, "
           "ru, el) a příště ho slovník najde v set.ini na řádku voice=."_s.arg(
               settings.otherLanguage.value_or(u"Jiný jazyk"_s));
}

} // namespace dictionary
