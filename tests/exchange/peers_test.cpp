#include "dictionaryfixture.h"
#include "exchange/peercommands.h"
#include "scriptedmessages.h"

namespace {

using exchange::PeerFormat;

const QString kAsk = u"ask: Soubor neříká, který jazyk je čeština.\nJsou výrazy prvního jazyka "_s;
const QString kFailure = u"error: Chyba importu. Slovník zůstal beze změny. Hlášení zní: "_s;

QString count(int added, int refused) {
    return u"information: Úspěšně přidáno %1 slovíček. Nemohlo být přidáno %2 slovíček"_s.arg(added)
        .arg(refused);
}

QByteArray dataFile(const char* name) {
    QFile file(QStringLiteral(LEXITON_TEST_DATA_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray kvtml(const QByteArray& locales, const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>" +
           locales + "</identifiers>\n" + body + "</kvtml>\n";
}

class Peers : public DictionaryFixture {
protected:
    // Imports the bytes, confirmed, answering the question of the languages, if asked, with
    // foreignFirst; returns the messages after the confirmation.
    QStringList import(PeerFormat format, const QByteArray& bytes, bool foreignFirst = true) {
        ScriptedMessages messages;
        messages.answer({true, foreignFirst});
        exchange::runPeerImport(format, dictionary, folder.write(u"in.file"_s, bytes), messages);
        return messages.shown.sliced(1);
    }

    // "Czech|Other|Lekce|Popis|Dobre|Spatne" of every entry.
    QStringList fullEntries(store::Cursor& cursor) {
        return tableRows(cursor,
                         {u"Czech"_s, u"Other"_s, u"Lekce"_s, u"Popis"_s, u"Dobre"_s, u"Spatne"_s});
    }
};

struct ImportCase {
    const char* name;
    PeerFormat format;
    QByteArray bytes;
    QStringList shown;
    QStringList entries;
};

class PeerImport : public Peers, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(PeerImport, AddsTheEntriesWithLessonsDescriptionsAndCounts) {
    EXPECT_EQ(import(GetParam().format, GetParam().bytes), GetParam().shown);
    EXPECT_EQ(fullEntries(dictionary), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PeerImport,
    ::testing::Values(
        ImportCase{"KWordQuizWithEmptyRows",
                   PeerFormat::Kvtml,
                   dataFile("kwordquiz.kvtml"),
                   {kAsk + u"„Column 1“ cizojazyčné a výrazy druhého „Column 2“ české?"_s,
                    count(4, 0),
                    u"warning: Přeskočeno 16 záznamů bez českého nebo cizího výrazu."_s},
                   {u"dům|house|0||0|0"_s, u"kočka|cat|0||0|0"_s, u"kůň|horse|0||0|0"_s,
                    u"pes|dog|0||0|0"_s}},
        ImportCase{"ParleyLessonsInOrder",
                   PeerFormat::Kvtml,
                   dataFile("parley.kvtml"),
                   {kAsk + u"„English (United Kingdom)“ cizojazyčné a výrazy druhého "
                           u"„Afrikaans (Namibië)“ české?"_s,
                    count(4, 0),
                    u"warning: Přeskočeno 13 záznamů bez českého nebo cizího výrazu."_s},
                   {u"dům|house|2||0|0"_s, u"kočka|cat|1||0|0"_s, u"kůň|horse|1||0|0"_s,
                    u"pes|dog|1||0|0"_s}},
        ImportCase{
            "CzechLocaleNestedLessonCommentAndGrades",
            PeerFormat::Kvtml,
            kvtml("<identifier id=\"0\"><locale>cs</locale></identifier>"
                  "<identifier id=\"1\"><locale>de</locale></identifier>",
                  "<entries><entry id=\"a\"><translation id=\"0\"><text>žluť</text>"
                  "<comment>barva</comment></translation><translation id=\"1\"><text>Gelb</text>"
                  "<grade><count>5</count><errorcount>2</errorcount></grade></translation></entry>"
                  "<entry id=\"b\"><translation id=\"0\"><text>pes</text></translation>"
                  "<translation id=\"1\"><text>Hund</text></translation></entry></entries>"
                  "<lessons><container><name>A</name><entry id=\"b\"/><container><name>B</name>"
                  "<entry id=\"a\"/><entry id=\"b\"/></container></container></lessons>"),
            {count(2, 0)},
            {u"pes|Hund|1||0|0"_s, u"žluť|Gelb|2|barva\r\nLekce: A / B|3|2"_s}},
        ImportCase{"AnkiHtmlScriptsQuotesAndTags",
                   PeerFormat::AnkiText,
                   "#separator:tab\n#html:true\n#columns:Deutsch\tČesky\tPopis\tTags\n"
                   "#tags column:4\n"
                   "<b>Gelb</b>\tžluť<script>alert(1)</script>\tbarva<br>&amp; tón\tslova "
                   "Lekce_7\n"
                   "\"der\tHund\"\tpes [sound:pes.mp3]\t\t\n"
                   "Katze\t<SCRIPT>x\n",
                   {count(2, 0), u"warning: Přeskočen 1 záznam bez českého nebo cizího výrazu."_s},
                   {u"pes|der Hund|0||0|0"_s, u"žluť|Gelb|7|barva\r\n& tón|0|0"_s}}),
    [](const auto& test) { return std::string(test.param.name); });

struct BadFileCase {
    const char* name;
    PeerFormat format;
    QByteArray bytes;
    QString reason;
};

class BadPeerFile : public Peers, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadPeerFile, ChangesNothingAndNamesTheLine) {
    addWords(dictionary, {{"kočka", "cat", 2}});
    EXPECT_EQ(import(GetParam().format, GetParam().bytes),
              QStringList{kFailure + GetParam().reason});
    EXPECT_EQ(entries(), QStringList{u"kočka|cat|2"_s});
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPeerFile,
    ::testing::Values(
        BadFileCase{"CutShort", PeerFormat::Kvtml, dataFile("parley.kvtml").first(900),
                    u"Soubor kvtml je neúplný: končí na řádku 35 uprostřed zápisu."_s},
        BadFileCase{"MismatchedTag", PeerFormat::Kvtml,
                    kvtml("<identifier id=\"0\"/>\n<identifier id=\"1\"/>", "<entries>\n</entry>"),
                    u"Soubor kvtml je poškozený: chybný zápis XML na řádku 6, sloupci 8 "
                    u"(Opening and ending tag mismatch.)."_s},
        BadFileCase{"WrongEncoding", PeerFormat::Kvtml,
                    kvtml("<identifier id=\"0\"><name>\xE8\x65sky</name></identifier>", ""),
                    u"Soubor kvtml není v kódování UTF-8: chybný znak na řádku 3."_s},
        BadFileCase{"FirstVersion", PeerFormat::Kvtml, "<kvtml encoding=\"UTF-8\"><e/></kvtml>",
                    u"Soubor je ve formátu kvtml verze 1 (řádek 1), Lexiton čte jen verzi 2."_s},
        BadFileCase{"NotKvtml", PeerFormat::Kvtml, "<html></html>",
                    u"Soubor není ve formátu kvtml (řádek 1)."_s},
        BadFileCase{"AnkiNotUtf8", PeerFormat::AnkiText, "#html:false\ndog\tpes\ncat\tko\xE8ka\n",
                    u"Soubor není v kódování UTF-8, jak ho Anki a Mnemosyne píší: chybný znak na "
                    u"řádku 3."_s},
        BadFileCase{"AnkiQuoteNeverEnds", PeerFormat::AnkiText, "dog\tpes\n\"cat\tkočka\n\n",
                    u"Soubor Anki je neúplný: pole v uvozovkách z řádku 2 nekončí."_s}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Peers, AMillionEmptyKvtmlEntriesAreCountedAsSkipped) {
    const QStringList shown =
        import(PeerFormat::Kvtml,
               kvtml("<identifier id=\"0\"/><identifier id=\"1\"><locale>cs</locale>"
                     "</identifier>",
                     "<entries>" + QByteArray("<entry/>").repeated(1000000) + "</entries>"));
    EXPECT_EQ(shown, (QStringList{count(0, 0), u"warning: Přeskočeno 1000000 záznamů bez českého "
                                               u"nebo cizího výrazu."_s}));
}

// Both formats give back what they were given; Anki's text has no answer counts.
TEST_F(Peers, ExportsReadBackIntoAnotherDictionary) {
    addWords(dictionary, {{"žluťoučký kůň", "yellow horse", 2}, {"pes", "dog", 0}});
    dictionary.first();
    postFields(dictionary,
               {{u"Popis"_s, u"\"barva\"\r\n<b>tučně</b>"_s}, {u"Dobre"_s, 4}, {u"Spatne"_s, 1}});
    const QStringList stored = fullEntries(dictionary);
    for (const PeerFormat format : {PeerFormat::Kvtml, PeerFormat::AnkiText}) {
        ScriptedMessages messages;
        messages.answer({true, true});
        const QString path = folder.path(u"out.file"_s);
        ASSERT_TRUE(exchange::runPeerExport(format, dictionary, path, {u"Slovník"_s, u"English"_s},
                                            messages));
        store::Cursor copy;
        folder.createTable(u"copy/dictonary.db"_s, u"dictonary"_s);
        exchange::openDictionaryTable(copy, folder.path(u"copy"_s));
        exchange::runPeerImport(format, copy, path, messages);
        EXPECT_EQ(messages.shown.last(), count(2, 0));
        QStringList expected = stored;
        if (format == PeerFormat::AnkiText) {
            expected.replaceInStrings(u"|4|1"_s, u"|0|0"_s);
            EXPECT_TRUE(folder.read(u"out.file"_s)
                            .startsWith("#separator:tab\n#html:true\n#columns:English\tČesky\t"
                                        "Popis\tTags\n#tags column:4\n"));
        }
        EXPECT_EQ(fullEntries(copy), expected);
        copy.close();
        QFile::remove(folder.path(u"copy/dictonary.db"_s));
    }
}

} // namespace
