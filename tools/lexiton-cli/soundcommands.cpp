// The commands that cut a recorded take into sound files, as the sound window does, and the
// one that speaks the words without a sound.
#include "clicontext.h"
#include "commands.h"

#include "core/cp1250linereader.h"
#include "dictionary/setini.h"
#include "dictionary/spokensounds.h"
#include "sound/article.h"
#include "sound/selectionstore.h"
#include "sound/soundfiledecoder.h"
#include "sound/speechsynthesizer.h"
#include "sound/typedtime.h"
#include "store/cursor.h"

#include <QDir>

namespace cli {
namespace {

using namespace Qt::StringLiterals;

QStringList arguments(const QCommandLineParser& parser, qsizetype count, const QString& what) {
    if (parser.positionalArguments().size() != count)
        throw CommandError(u"Očekávám argumenty: %1."_s.arg(what));
    return parser.positionalArguments();
}

qint64 milliseconds(const QString& seconds) {
    const std::optional<qint64> ms = sound::parseTypedSeconds(seconds);
    if (!ms)
        throw CommandError(u"Čas v sekundách není číslo: %1."_s.arg(seconds));
    return *ms;
}

int cut(Context&, const QCommandLineParser& parser) {
    const QStringList args = arguments(parser, 4, u"záznam, začátek, konec, cílový soubor"_s);
    const sound::Selection selection{milliseconds(args[1]), milliseconds(args[2])};
    const sound::PcmSound take = sound::decodeSoundFile(args[0]);
    sound::storeSelection(take, selection, args[3],
                          parser.isSet(u"force"_s) ? sound::Replace::Existing
                                                   : sound::Replace::Never);
    printOut(QDir::toNativeSeparators(args[3]));
    return 0;
}

// The refusals of the article panel, whose name box takes at most 64 characters and whose
// "Ulož" stays disabled for a shorter name or an empty list.
void requireStorableArticle(const QString& name, const QStringList& lines) {
    if (name.size() > sound::kArticleNameMaxLength)
        throw CommandError(
            u"Název článku smí mít nejvýš %1 znaků."_s.arg(sound::kArticleNameMaxLength));
    if (!sound::canStoreArticle(name, lines.size()))
        throw CommandError(lines.isEmpty() ? u"Seznam intervalů je prázdný."_s
                                           : u"Název článku musí mít aspoň 3 znaky."_s);
}

int article(Context& context, const QCommandLineParser& parser) {
    const QStringList args = arguments(parser, 3, u"název článku, záznam, seznam intervalů"_s);
    const QString practice = QDir(context.userFolder()).filePath(u"practice"_s);
    const QStringList lines = core::readCp1250FileLines(args[2]);
    requireStorableArticle(args[0], lines);
    sound::storeArticle(practice, args[0], sound::decodeSoundFile(args[1]), lines);
    printOut(QDir::toNativeSeparators(QDir(practice).filePath(args[0])));
    return 0;
}

int speak(Context& context, const QCommandLineParser& parser) {
    arguments(parser, 0, u"žádné"_s);
    const dictionary::DictionarySettings settings =
        dictionary::readSetIni(QDir(context.dictionaryFolder()).filePath(u"set.ini"_s));
    const std::optional<QString> voice =
        parser.isSet(u"voice"_s) ? parser.value(u"voice"_s) : dictionary::dictionaryVoice(settings);
    if (!voice)
        throw CommandError(dictionary::unknownVoiceMessage(settings) + u" Volba --voice."_s);
    const sound::SpeechSynthesizer synthesizer(*voice);
    store::Cursor dictionary;
    context.openDictionary(dictionary);
    sound::MissingSounds sounds = dictionary::missingSounds(
        dictionary, settings, context.applicationFolder(), context.settings().recordingFormat);
    sounds.speakAll(synthesizer);
    printOut(sounds.countMessage());
    return 0;
}

} // namespace

std::vector<Command> soundCommands() {
    return {
        {u"cut"_s,
         u"Úsek záznamu do souboru. Argumenty: záznam.wav začátek konec cíl.wav (sekundy)."_s,
         [](QCommandLineParser& p) {
             p.addOption({u"force"_s, u"Přepíše existující cílový soubor."_s});
         },
         cut},
        {u"article"_s,
         u"Nový článek uživatele z úseků záznamu. Argumenty: název záznam.wav intervaly.txt."_s,
         {},
         article,
         true},
        {u"speak"_s, u"Namluví syntézou řeči slovíčka slovníku, která nemají zvuk."_s,
         [](QCommandLineParser& p) {
             p.addOption({u"voice"_s, u"Hlas espeak-ng místo hlasu slovníku."_s, u"HLAS"_s});
         },
         speak, true},
    };
}

} // namespace cli
