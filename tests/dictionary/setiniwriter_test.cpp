#include "core/cp1250linereader.h"
#include "core/fileerror.h"
#include "dictionary/setini.h"
#include "dictionary/setiniwriter.h"
#include "scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList lines(std::initializer_list<const char*> utf8) {
    QStringList result;
    for (const char* line : utf8)
        result << text(line);
    return result;
}

QByteArray cp1250(const char* utf8) {
    QByteArray bytes;
    for (const QChar c : text(utf8)) {
        switch (c.unicode()) {
        case u'č':
            bytes += '\xe8';
            break;
        case u'ě':
            bytes += '\xec';
            break;
        case u'á':
            bytes += '\xe1';
            break;
        case u'í':
            bytes += '\xed';
            break;
        default:
            bytes += char(c.unicode());
        }
    }
    return bytes;
}

class SetIniWriter : public testing::Test {
protected:
    QString path(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
        return file.readAll();
    }

    QTemporaryDir m_dir;
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
    write(QStringLiteral("set.ini.src"), "language=N\xec"
                                         "m\xe8"
                                         "ina\r\n{[..memo..]}\r\nZ mno\x9e"
                                         "iny.\r\n{[..endmemo..]}\r\nfontczbold\r\n");
    dictionary::writeSetIniFromSet(path(QStringLiteral("set.ini")),
                                   path(QStringLiteral("set.ini.src")),
                                   lines({"  Můj slovník", ""}));
    EXPECT_EQ(read(QStringLiteral("set.ini")),
              QByteArray("language=N\xec"
                         "m\xe8"
                         "ina\r\nfontczbold\r\n\r\n{[..memo..]}\r\n  M\xf9j slovn\xedk\r\n\r\n"
                         "Z mno\x9e"
                         "iny.\r\n{[..endmemo..]}\r\n"));
}

TEST_F(SetIniWriter, ManualFileHasTheFixedLinesFontsHotKeysAndNote) {
    write(QStringLiteral("key.ini"), "key=F6\r\ncz= (hovor.)\r\nendkey\r\n");
    dictionary::DictionaryFonts fonts;
    fonts.cz = {text("Arial"), 238, true, false, 12};
    fonts.other = {text("Arial"), 0, false, true, 10};
    fonts.intr = {text("Rezur OV ezuvizer"), 238, false, false, std::nullopt};
    const auto lost = dictionary::writeManualSetIni(
        m_messages, path(QStringLiteral("set.ini")), path(QStringLiteral("key.ini")),
        text("Angličtina"), fonts, lines({"Slovíčka z učebnice"}));
    EXPECT_TRUE(lost.isEmpty());
    EXPECT_TRUE(m_messages.shown.isEmpty());
    EXPECT_EQ(core::readCp1250FileLines(path(QStringLiteral("set.ini"))),
              lines({"language=Angličtina",
                     "",
                     "soundincrementpath=Sounds",
                     "//soundfullpath=",
                     "",
                     "fontcz=Arial",
                     "fontczchar=238",
                     "fontczbold",
                     "fontczsize=12",
                     "fontother=Arial",
                     "fontotherchar=0",
                     "fontotheritalic",
                     "fontothersize=10",
                     "fontintr=Rezur OV ezuvizer",
                     "fontintrchar=238",
                     "fontintrsize=",
                     "",
                     "key=F6",
                     "cz= (hovor.)",
                     "endkey",
                     "{[..memo..]}",
                     "Slovíčka z učebnice",
                     "{[..endmemo..]}"}));
    EXPECT_TRUE(read(QStringLiteral("set.ini")).startsWith(cp1250("language=Angličtina\r\n\r\n")));
}

TEST_F(SetIniWriter, ManualFileWithoutKeyIniTellsAndGoesOn) {
    dictionary::writeManualSetIni(m_messages, path(QStringLiteral("set.ini")),
                                  path(QStringLiteral("key.ini")), text("Polština"), {}, {});
    EXPECT_EQ(m_messages.shown, QStringList{text("error: Chyba při čtení souboru \"key.ini\".")});
    const auto settings = dictionary::readSetIni(path(QStringLiteral("set.ini")));
    EXPECT_EQ(settings.otherLanguage, text("Polština"));
    EXPECT_TRUE(settings.functionKeys.empty());
    EXPECT_TRUE(settings.note.isEmpty());
}

TEST_F(SetIniWriter, ManualFileReportsWhatTheCodePageCannotHold) {
    const auto lost =
        dictionary::writeManualSetIni(m_messages, path(QStringLiteral("set.ini")),
                                      path(QStringLiteral("key.ini")), text("Esperanto ŝ"), {}, {});
    EXPECT_EQ(lost, QList<char32_t>{U'ŝ'});
}

TEST_F(SetIniWriter, ReplacingBySetKeepsAndExtendsTheNote) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dict")));
    write(QStringLiteral("dict/set.ini"),
          "language=Star\xe1\r\nfontczbold\r\n{[..memo..]}\r\nm\xe1 pozn\xe1mka\r\n"
          "  druh\xe1\r\n{[..endmemo..]}\r\n");
    write(QStringLiteral("Polstina.ini"),
          "language=Pol\x9atina\r\nfontczitalic\r\n{[..memo..]}\r\nPozn\xe1mka sady\r\n"
          "{[..endmemo..]}\r\n");
    dictionary::replaceSettingsBySet(path(QStringLiteral("dict")),
                                     path(QStringLiteral("Polstina.ini")));
    const auto settings = dictionary::readSetIni(path(QStringLiteral("dict/set.ini")));
    EXPECT_EQ(settings.otherLanguage, text("Polština"));
    EXPECT_FALSE(settings.fonts.cz.bold) << "the old settings are gone";
    EXPECT_TRUE(settings.fonts.cz.italic);
    EXPECT_EQ(settings.note, lines({"má poznámka", "  druhá", "Poznámka sady"}));
}

TEST_F(SetIniWriter, ReplacingBySetWithoutSetIniWritesTheSet) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dict")));
    write(QStringLiteral("set.src"), "language=A\r\n{[..memo..]}\r\nn\r\n{[..endmemo..]}\r\n");
    dictionary::replaceSettingsBySet(path(QStringLiteral("dict")), path(QStringLiteral("set.src")));
    EXPECT_EQ(read(QStringLiteral("dict/set.ini")),
              QByteArray("language=A\r\n\r\n{[..memo..]}\r\nn\r\n{[..endmemo..]}\r\n"));
}

TEST_F(SetIniWriter, UnreadableSetLeavesSetIniAsItWas) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dict")));
    const QByteArray old = "language=A\r\n{[..memo..]}\r\nn\r\n{[..endmemo..]}\r\n";
    write(QStringLiteral("dict/set.ini"), old);
    EXPECT_THROW(dictionary::replaceSettingsBySet(path(QStringLiteral("dict")),
                                                  path(QStringLiteral("missing.ini"))),
                 core::FileError);
    EXPECT_EQ(read(QStringLiteral("dict/set.ini")), old);
    EXPECT_EQ(QDir(path(QStringLiteral("dict"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("set.ini")})
        << "no temporary file is left";
}

TEST_F(SetIniWriter, UnreadableSetIniIsNotReplaced) {
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("dict/set.ini")));
    write(QStringLiteral("set.src"), "language=A\r\n");
    try {
        dictionary::replaceSettingsBySet(path(QStringLiteral("dict")),
                                         path(QStringLiteral("set.src")));
        FAIL() << "a set.ini that cannot be read must not be replaced";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(),
                  text("Chyba při čtení souboru \"set.ini\" v adresáři slovníku."));
    }
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("dict/set.ini"))).isDir());
}

TEST_F(SetIniWriter, CodeIniIsCopiedOnceAndNeverOverwritten) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dict")));
    write(QStringLiteral("code.ini"), "user rules\r\n");
    dictionary::ensureDictionaryCodeIni(m_messages, m_dir.path(), path(QStringLiteral("dict")));
    ASSERT_EQ(m_messages.shown.size(), 1);
    EXPECT_TRUE(m_messages.shown[0].startsWith(
        text("information: Dříve byl soubor \"code.ini\" jeden pro všechny slovníky")));
    EXPECT_TRUE(m_messages.shown[0].endsWith(text("otravovat :).")));
    EXPECT_EQ(read(QStringLiteral("dict/code.ini")), QByteArray("user rules\r\n"));

    write(QStringLiteral("dict/code.ini"), "own rules\r\n");
    dictionary::ensureDictionaryCodeIni(m_messages, m_dir.path(), path(QStringLiteral("dict")));
    EXPECT_EQ(m_messages.shown.size(), 1) << "nothing to say when the dictionary has its own";
    EXPECT_EQ(read(QStringLiteral("dict/code.ini")), QByteArray("own rules\r\n"));
}

TEST_F(SetIniWriter, CodeIniThatCannotBeCopiedIsAnError) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dict")));
    dictionary::ensureDictionaryCodeIni(m_messages, m_dir.path(), path(QStringLiteral("dict")));
    EXPECT_EQ(m_messages.shown,
              QStringList{text("error: Bylo třeba zkopírovat soubor \"code.ini\" z adresáře "
                               "aplikace do adresáře slovníku a to se nepodařilo. Zkontroluj "
                               "místo na disku a přístupová práva.")});
}

} // namespace
