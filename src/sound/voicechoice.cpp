#include "sound/voicechoice.h"

#include <utility>

namespace sound {

std::optional<QString> voiceForLanguage(const QString& languageName) {
    static const std::pair<QStringView, QStringView> kVoices[] = {
        {u"angličtina", u"en"},    {u"bulharština", u"bg"},  {u"čeština", u"cs"},
        {u"dánština", u"da"},      {u"estonština", u"et"},   {u"finština", u"fi"},
        {u"francouzština", u"fr"}, {u"chorvatština", u"hr"}, {u"italština", u"it"},
        {u"latina", u"la"},        {u"litevština", u"lt"},   {u"lotyština", u"lv"},
        {u"maďarština", u"hu"},    {u"němčina", u"de"},      {u"nizozemština", u"nl"},
        {u"norština", u"nb"},      {u"polština", u"pl"},     {u"portugalština", u"pt"},
        {u"rumunština", u"ro"},    {u"ruština", u"ru"},      {u"řečtina", u"el"},
        {u"slovenština", u"sk"},   {u"slovinština", u"sl"},  {u"srbština", u"sr"},
        {u"španělština", u"es"},   {u"švédština", u"sv"},    {u"turečtina", u"tr"},
        {u"ukrajinština", u"uk"},  {u"esperanto", u"eo"},    {u"japonština", u"ja"},
        {u"čínština", u"cmn"},
    };
    const QString name = languageName.trimmed().toLower();
    for (const auto& [language, voice] : kVoices) {
        if (name == language)
            return voice.toString();
    }
    return std::nullopt;
}

std::optional<QString> dictionaryVoice(const QString& settingsVoice, const QString& languageName) {
    if (!settingsVoice.trimmed().isEmpty())
        return settingsVoice.trimmed();
    return voiceForLanguage(languageName);
}

} // namespace sound
