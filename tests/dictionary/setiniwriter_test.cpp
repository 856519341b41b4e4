#include "core/fileerror.h"
#include "dictionary/setini.h"
#include "dictionary/setiniwriter.h"
#include "scratchfolder.h"
#include "scriptedmessages.h"
#include "utf8text.h"

namespace {

// Settings files and a dictionary folder "dict" in a temporary folder.
class SetIniWriter : public ScratchTest {
protected:
    void SetUp() override { QDir().mkpath(path(u"dict"_s)); }
    QString path(const QString& relative) const { return folder.path(relative); }

    ScriptedMessages m_messages;
};

TEST(SplitNote, TakesEveryNoteBlockOutOfTheSettings) {
    const auto split = dictionary::splitNote(
        lines({"language=Polština", "{[..endmemo..]} stays", "{[..memo..]} first", "a",
               "{[..memo..]}", "{[..endmemo..]}", "fontczbold", "{[..memo..]}", "b"}));
    EXPECT_EQ(split.settings, lines({"language=Polština", "{[..endmemo..]} stays", "fontczbold"}));
    EXPECT_EQ(split.note, lines({"a", "{[..memo..]}", "b"})) << "the last block runs to the end";
}

TEST_F(SetIniWriter, FromASetPutsTheNoteLastWithTheDialogsLinesFirst) {
    folder.write(u"set.ini.src"_s, "language=N\xec"
                                   "m\xe8"
                                   "ina\r\n{[..memo..]}\r\nZ mno\x9e"
                                   "iny.\r\n{[..endmemo..]}\r\nfontczbold\r\n");
    dictionary::writeSetIniFromSet(path(u"set.ini"_s), path(u"set.ini.src"_s),
                                   lines({"  Můj slovník", ""}));
    EXPECT_EQ(folder.read(u"set.ini"_s),
              QByteArray("language=N\xec"
                         "m\xe8"
                         "ina\r\nfontczbold\r\n\r\n{[..memo..]}\r\n  M\xf9j slovn\xedk\r\n\r\n"
                         "Z mno\x9e"
                         "iny.\r\n{[..endmemo..]}\r\n"));
}

// Without key.ini it says so and writes the rest.
TEST_F(SetIniWriter, ManualFileHasTheFixedLinesFontsHotKeysAndNote) {
    folder.write(u"key.ini"_s, "key=F6\r\ncz= (hovor.)\r\nendkey\r\n");
    dictionary::DictionaryFonts fonts;
    fonts.cz = {text("Arial"), 238, true, false, 12};
    fonts.other = {text("Arial"), 0, false, true, 10};
    fonts.intr = {text("Rezur OV ezuvizer"), 238, false, false, std::nullopt};
    const auto lost =
        dictionary::writeManualSetIni(m_messages, path(u"set.ini"_s), path(u"key.ini"_s),
                                      text("Angličtina"), fonts, lines({"Slovíčka z učebnice"}));
    EXPECT_TRUE(lost.isEmpty());
    EXPECT_EQ(
        folder.read(u"set.ini"_s),
        QByteArray("language=Angli\xe8tina\r\n\r\nsoundincrementpath=Sounds\r\n"
                   "//soundfullpath=\r\n\r\nfontcz=Arial\r\nfontczchar=238\r\nfontczbold\r\n"
                   "fontczsize=12\r\nfontother=Arial\r\nfontotherchar=0\r\nfontotheritalic\r\n"
                   "fontothersize=10\r\nfontintr=Rezur OV ezuvizer\r\nfontintrchar=238\r\n"
                   "fontintrsize=\r\n\r\nkey=F6\r\ncz= (hovor.)\r\nendkey\r\n{[..memo..]}\r\n"
                   "Slov\xed\xe8ka z u\xe8"
                   "ebnice\r\n{[..endmemo..]}\r\n"));

    QFile::remove(path(u"key.ini"_s));
    dictionary::writeManualSetIni(m_messages, path(u"set.ini"_s), path(u"key.ini"_s),
                                  text("Polština"), {}, {});
    EXPECT_EQ(m_messages.shown, QStringList{text("error: Chyba při čtení souboru \"key.ini\".")});
    const auto settings = dictionary::readSetIni(path(u"set.ini"_s));
    EXPECT_EQ(std::tuple(settings.otherLanguage, settings.functionKeys.size(), settings.note),
              std::tuple(text("Polština"), 0u, QStringList()));
}

TEST_F(SetIniWriter, ReplacingBySetKeepsAndExtendsTheNote) {
    folder.write(u"dict/set.ini"_s,
                 "language=Star\xe1\r\nfontczbold\r\n{[..memo..]}\r\nm\xe1 pozn\xe1mka\r\n"
                 "  druh\xe1\r\n{[..endmemo..]}\r\n");
    folder.write(u"Polstina.ini"_s,
                 "language=Pol\x9atina\r\nfontczitalic\r\n{[..memo..]}\r\nPozn\xe1mka sady\r\n"
                 "{[..endmemo..]}\r\n");
    dictionary::replaceSettingsBySet(path(u"dict"_s), path(u"Polstina.ini"_s));
    const auto settings = dictionary::readSetIni(path(u"dict/set.ini"_s));
    EXPECT_EQ(settings.otherLanguage, text("Polština"));
    EXPECT_FALSE(settings.fonts.cz.bold) << "the old settings are gone";
    EXPECT_TRUE(settings.fonts.cz.italic);
    EXPECT_EQ(settings.note, lines({"má poznámka", "  druhá", "Poznámka sady"}));
}

TEST_F(SetIniWriter, ReplacingBySetWithoutSetIniWritesTheSet) {
    folder.write(u"set.src"_s, "language=A\r\n{[..memo..]}\r\nn\r\n{[..endmemo..]}\r\n");
    dictionary::replaceSettingsBySet(path(u"dict"_s), path(u"set.src"_s));
    EXPECT_EQ(folder.read(u"dict/set.ini"_s),
              QByteArray("language=A\r\n\r\n{[..memo..]}\r\nn\r\n{[..endmemo..]}\r\n"));
}

// A set or a set.ini that cannot be read leaves set.ini as it was, with no temporary file.
TEST_F(SetIniWriter, UnreadableFilesLeaveSetIniAsItWas) {
    const QByteArray old = "language=A\r\n{[..memo..]}\r\nn\r\n{[..endmemo..]}\r\n";
    folder.write(u"dict/set.ini"_s, old);
    EXPECT_THROW(dictionary::replaceSettingsBySet(path(u"dict"_s), path(u"missing.ini"_s)),
                 core::FileError);
    EXPECT_EQ(folder.read(u"dict/set.ini"_s), old);
    EXPECT_EQ(QDir(path(u"dict"_s)).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"set.ini"_s});

    QFile::remove(path(u"dict/set.ini"_s));
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"dict/set.ini"_s));
    folder.write(u"set.src"_s, "language=A\r\n");
    try {
        dictionary::replaceSettingsBySet(path(u"dict"_s), path(u"set.src"_s));
        FAIL() << "a set.ini that cannot be read must not be replaced";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(),
                  text("Chyba při čtení souboru \"set.ini\" v adresáři slovníku."));
    }
    EXPECT_TRUE(QFileInfo(path(u"dict/set.ini"_s)).isDir());
}

// Copied once from the application folder, never over the dictionary's own.
TEST_F(SetIniWriter, CodeIniIsCopiedOnceAndAFailedCopyIsAnError) {
    dictionary::ensureDictionaryCodeIni(m_messages, folder.path(), path(u"dict"_s));
    EXPECT_EQ(m_messages.shown,
              QStringList{text("error: Bylo třeba zkopírovat soubor \"code.ini\" z adresáře "
                               "aplikace do adresáře slovníku a to se nepodařilo. Zkontroluj "
                               "místo na disku a přístupová práva.")});
    folder.write(u"code.ini"_s, "user rules\r\n");
    dictionary::ensureDictionaryCodeIni(m_messages, folder.path(), path(u"dict"_s));
    ASSERT_EQ(m_messages.shown.size(), 2);
    EXPECT_TRUE(m_messages.shown[1].startsWith(
        text("information: Dříve byl soubor \"code.ini\" jeden pro všechny slovníky")));
    EXPECT_TRUE(m_messages.shown[1].endsWith(text("otravovat :).")));
    EXPECT_EQ(folder.read(u"dict/code.ini"_s), QByteArray("user rules\r\n"));

    folder.write(u"dict/code.ini"_s, "own rules\r\n");
    dictionary::ensureDictionaryCodeIni(m_messages, folder.path(), path(u"dict"_s));
    EXPECT_EQ(m_messages.shown.size(), 2) << "nothing to say when the dictionary has its own";
    EXPECT_EQ(folder.read(u"dict/code.ini"_s), QByteArray("own rules\r\n"));
}

} // namespace
