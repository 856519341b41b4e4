#include "core/fileerror.h"
#include "dictionary/setini.h"
#include "scratchfolder.h"
#include "utf8text.h"

#include <functional>

namespace {

using dictionary::CharHotKey;
using dictionary::DictionarySettings;
using dictionary::HotKeyRecord;
using dictionary::InsertMode;
using dictionary::SoundFolderKind;

struct Quirk {
    const char* name;
    QStringList lines;
    std::function<void(const DictionarySettings&)> check;
};

class SetIniQuirks : public testing::TestWithParam<Quirk> {};

TEST_P(SetIniQuirks, ReadAsTheProgramReadsThem) {
    GetParam().check(dictionary::parseSetIni(GetParam().lines));
}

const Quirk kQuirks[] = {
    {"KeysMatchAsPrefixesKeepTheRestOfTheLineAndTheLastWins",
     lines(
         {"language=A", "language=Angličtina ", "language_cz=Čeština", "fontcz=Times New Roman  "}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(s.otherLanguage, text("Angličtina "));
         EXPECT_EQ(s.czechLanguage, text("Čeština"));
         EXPECT_EQ(s.fonts.cz.face, text("Times New Roman  "));
         EXPECT_TRUE(s.otherLanguageFirst());
         EXPECT_FALSE(s.czechLanguageAtOtherLanguage);
     }},
    // Keys are case-sensitive; a leading space or slashes disable a line.
    {"OtherLinesAreIgnored",
     lines({"Language=Angličtina", "FONTCZ=Arial", " language=Angličtina",
            "//soundfullpath=/sounds", " fontczbold"}),
     [](const DictionarySettings& s) {
         EXPECT_FALSE(s.otherLanguage);
         EXPECT_TRUE(s.fonts.cz.face.isEmpty());
         EXPECT_EQ(s.soundKind, SoundFolderKind::None);
         EXPECT_FALSE(s.fonts.cz.bold);
     }},
    {"BoldAndItalicAreLinePrefixes", lines({"fontczbold=no", "fontotheritalic no", "fontintr="}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(std::tuple(s.fonts.cz.bold, s.fonts.cz.italic, s.fonts.other.bold,
                              s.fonts.other.italic),
                   std::tuple(true, false, false, true));
         EXPECT_EQ(s.fonts.intr, dictionary::FontSetting{});
     }},
    // The last line counts: the charset falls back to the default, the size to the main window's.
    {"NumbersThatAreNotNumbers",
     lines(
         {"fontczchar=238", "fontczchar=x", "fontczsize=12", "fontczsize=big", "fontothersize=11"}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(std::tuple(s.fonts.cz.charset, s.fonts.cz.size, s.fonts.other.size),
                   std::tuple(1, std::optional<int>(), std::optional(11)));
     }},
    {"SoundFolderKinds", lines({"soundfullpath=/data/zvuky", "soundincrementpath=Sounds"}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(s.soundKind, SoundFolderKind::Increment);
         EXPECT_EQ(dictionary::soundFolder(s, text("/opt/lexiton")), text("/opt/lexiton/Sounds/"));
         const auto full = dictionary::parseSetIni(lines({"soundfullpath=/data/zvuky"}));
         EXPECT_EQ(full.soundKind, SoundFolderKind::Full);
         EXPECT_EQ(dictionary::soundFolder(full, text("/opt/lexiton")), text("/data/zvuky/"));
     }},
    {"FunctionKeyBlock",
     lines({"key=F6", "hint=Ženský rod", "deleteother=der ", "deleteother2=das ",
            "deleteother3=die ", "other=die ", "othertype=overwrite", "cztype=after",
            "introducetype=before", "deletecz3= (pl.)", "cz=x", "introduce=[y]",
            "deleteintroduce2=z", "endkey"}),
     [](const DictionarySettings& s) {
         ASSERT_EQ(s.functionKeys.size(), 1u);
         HotKeyRecord expected;
         expected.hint = text("Ženský rod");
         expected.deleteOther = {text("der "), text("das "), text("die ")};
         expected.deleteCz[2] = text(" (pl.)");
         expected.deleteIntroduce[1] = text("z");
         std::tie(expected.other, expected.cz, expected.introduce) =
             std::tuple(text("die "), text("x"), text("[y]"));
         std::tie(expected.otherMode, expected.czMode, expected.introduceMode) =
             std::tuple(InsertMode::Replace, InsertMode::After, InsertMode::Before);
         EXPECT_EQ(s.functionKeys.at(6), expected);
     }},
    // What a block leaves unset has its default.
    {"FunctionKeyAgainStartsAfresh",
     lines({"key=F12", "cz=a", "hint=první", "endkey", "key=F12", "other=b", "endkey"}),
     [](const DictionarySettings& s) {
         const HotKeyRecord& key = s.functionKeys.at(12);
         EXPECT_EQ(
             std::tuple(key.cz, key.other, key.hint, key.introduceMode, key.czMode, key.otherMode),
             std::tuple(QString(), text("b"), text("User hot key"), InsertMode::Replace,
                        InsertMode::Before, InsertMode::Before));
     }},
    {"FunctionKeyOutsideF5ToF12IsReadButKeptAndNotANumberIsF5",
     lines({"key=F13", "fontczbold", "endkey", "key=F4", "endkey", "key=Fx", "cz=a", "endkey",
            "fontczitalic"}),
     [](const DictionarySettings& s) {
         ASSERT_EQ(s.functionKeys.size(), 1u);
         EXPECT_EQ(s.functionKeys.at(5).cz, text("a"));
         EXPECT_EQ(std::tuple(s.fonts.cz.bold, s.fonts.cz.italic), std::tuple(false, true));
     }},
    // Only the block's keys count inside it.
    {"UnclosedFunctionKeySwallowsTheRest",
     lines({"fontcz=Arial", "key=F5", "cz=a", "fontczsize=20", "fontother=Tahoma", "{[..memo..]}",
            "poznámka", "{[..endmemo..]}", "endkey"}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(s.fonts.cz.face, text("Arial"));
         EXPECT_EQ(s.fonts.cz.size, std::nullopt);
         EXPECT_TRUE(s.fonts.other.face.isEmpty());
         EXPECT_TRUE(s.note.isEmpty());
         EXPECT_EQ(s.functionKeys.at(5).cz, text("a"));
     }},
    {"CharHotKeys",
     lines({"{[..keyother..]}", "Alt+A,ä ä (a s přehláskou)", "F2,ß ß", "Ctrl+B,x-ab",
            "{[..endkeyother..]}", "{[..keycz..]}", "Ctrl+Shift+E,ě ě", "á á-acute",
            "{[..endkeycz..]}", "{[..keyintr..]}", "Ctrl+1,ə schwa", "{[..endkeyintr..]}"}),
     [](const DictionarySettings& s) {
         ASSERT_EQ(s.otherKeys.size(), 2u) << "a line of 6 characters is skipped";
         EXPECT_EQ(s.otherKeys[0],
                   (CharHotKey{text("Alt+A"), QChar(u'ä'), text("ä (a s přehláskou)")}));
         EXPECT_EQ(s.otherKeys[1], (CharHotKey{text("Ctrl+B"), QChar(u'x'), text("ab")}));
         ASSERT_EQ(s.czKeys.size(), 2u);
         EXPECT_EQ(s.czKeys[0], (CharHotKey{text("Ctrl+Shift+E"), QChar(u'ě'), text("ě")}));
         EXPECT_EQ(s.czKeys[1], (CharHotKey{QString(), QChar(u'á'), text("á-acute")}))
             << "a line without a comma has no shortcut";
         EXPECT_EQ(s.intrKeys,
                   (std::vector{CharHotKey{text("Ctrl+1"), QChar(u'ə'), text("schwa")}}));
     }},
    {"VoiceAndAForeignMenuInTheForeignCodePage",
     lines({"voice=ru", "fontotherchar=204", "{[..keyother..]}", "Alt+E,¸ ¸ (jo)",
            "{[..endkeyother..]}"}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(s.voice, text("ru"));
         EXPECT_EQ(s.otherKeys,
                   (std::vector{CharHotKey{text("Alt+E"), QChar(u'ё'), text("ё (jo)")}}))
             << "the bytes of Windows-1251";
     }},
    {"CzechNameBeforeLanguage", lines({"language_cz=Čeština", "language=Angličtina"}),
     [](const DictionarySettings& s) {
         EXPECT_FALSE(s.otherLanguageFirst());
         EXPECT_EQ(s.czechLanguageAtOtherLanguage, text("Čeština"));
     }},
    {"NoteLinesKeptExactly",
     lines({"{[..memo..]}", "  odsazená řádka ", "", "language=není jazyk", "fontczbold",
            "{[..endmemo..]}", "fontczitalic"}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(s.note, lines({"  odsazená řádka ", "", "language=není jazyk", "fontczbold"}));
         EXPECT_FALSE(s.otherLanguage);
         EXPECT_EQ(std::tuple(s.fonts.cz.bold, s.fonts.cz.italic), std::tuple(false, true));
     }},
    {"UnclosedNoteTakesTheRest", lines({"{[..memo..]}", "a", "fontczbold"}),
     [](const DictionarySettings& s) {
         EXPECT_EQ(s.note, lines({"a", "fontczbold"}));
         EXPECT_FALSE(s.fonts.cz.bold);
     }},
};

INSTANTIATE_TEST_SUITE_P(SetIni, SetIniQuirks, testing::ValuesIn(kQuirks),
                         [](const testing::TestParamInfo<Quirk>& quirk) {
                             return std::string(quirk.param.name);
                         });

TEST(SetIni, ReadsWindows1250WithCrLfAndReportsAnUnreadableFile) {
    ScratchFolder dir;
    const DictionarySettings settings = dictionary::readSetIni(dir.write(
        u"set.ini"_s, "language=N\xecm\xe8ina\r\n{[..memo..]}\r\n\x8elu\x9dou\xe8k\xfd\r\n"
                      "{[..endmemo..]}\r\n"));
    EXPECT_EQ(settings.otherLanguage, text("Němčina"));
    EXPECT_EQ(settings.note, lines({"Žluťoučký"}));

    QFile::remove(dir.path(u"set.ini"_s));
    try {
        dictionary::readSetIni(dir.path(u"set.ini"_s));
        FAIL() << "a missing set.ini must not read";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(),
                  text("Chyba při čtení souboru \"set.ini\" v adresáři slovníku."));
    }
}

} // namespace
