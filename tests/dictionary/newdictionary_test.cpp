#include "dictionary/newdictionary.h"
#include "dictionary/setini.h"
#include "scratchfolder.h"
#include "scriptedmessages.h"
#include "utf8text.h"

#include <QDirIterator>

namespace {

const char* const kRefused =
    "error: Není možné vytvořit adresář slovníku. Buď již takový existuje nebo je použito "
    "nedovolených znaků (*?/\\ atd.).";

// An application folder with the empty table, key.ini, a settings set and one user.
class CreateDictionary : public testing::Test {
protected:
    CreateDictionary() {
        m_folder.createTable(u"_EmptyTable_/dictonary.db"_s, u"dictonary"_s);
        m_folder.write(u"key.ini"_s, "key=F5\r\nhint=Rod\r\nendkey\r\n");
        m_folder.write(u"jana/code.ini"_s, "rules of jana\r\n");
        m_folder.write(u"_other_/setinis/Polstina.ini"_s,
                       "language=Pol\x9atina\r\nfontother=Tahoma\r\n{[..memo..]}\r\nZe sady.\r\n"
                       "{[..endmemo..]}\r\n");
    }

    QString path(const QString& relative) const { return m_folder.path(relative); }

    bool create(const dictionary::NewDictionary& request) {
        return dictionary::createDictionary(m_messages, path(u"jana"_s), path(u"_EmptyTable_"_s),
                                            m_folder.path(), request);
    }

    // Every path below the application folder, to see that nothing was made.
    QStringList everything() const {
        QStringList paths;
        QDirIterator it(m_folder.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
        paths.sort();
        return paths;
    }

    static dictionary::NewDictionary manual(const QString& name) {
        dictionary::NewDictionary request;
        request.name = name;
        request.manual = true;
        request.language = text("Angličtina");
        request.note = {text("Slovíčka ze školy"), text("  2. ročník")};
        request.fonts.cz = {text("Arial"), 238, true, true, 12};
        request.fonts.other = {text("Arial"), 0, false, false, 14};
        request.fonts.intr = {text("Rezur OV ezuvizer"), 238, false, true, 9};
        return request;
    }

    ScratchFolder m_folder;
    ScriptedMessages m_messages;
};

TEST_F(CreateDictionary, ManualDictionaryReadsBackItsOwnSettings) {
    const auto request = manual(text("Angličtina"));
    ASSERT_TRUE(create(request));
    EXPECT_TRUE(m_messages.shown.isEmpty()) << m_messages.shown.join(u'\n').toStdString();

    const QString folder = u"jana/"_s + text("Angličtina");
    EXPECT_EQ(m_folder.read(folder + u"/code.ini"_s), QByteArray("rules of jana\r\n"));
    EXPECT_EQ(m_folder.read(folder + u"/dictonary.db"_s),
              m_folder.read(u"_EmptyTable_/dictonary.db"_s));

    const auto settings = dictionary::readSetIni(path(folder + u"/set.ini"_s));
    // The default Czech name stays; the hot keys are those of key.ini.
    EXPECT_EQ(std::tuple(settings.fonts, settings.otherLanguage, settings.czechLanguage,
                         settings.note, settings.functionKeys.size()),
              std::tuple(request.fonts, text("Angličtina"), std::nullopt, request.note, 1u));
    EXPECT_EQ(settings.functionKeys.at(5).hint, text("Rod"));
}

TEST_F(CreateDictionary, DictionaryFromASetJoinsTheNotesAndAMissingSetIsReported) {
    dictionary::NewDictionary request;
    request.name = text("Polština");
    request.note = {text("Moje poznámka")};
    request.settingsSetPath = path(u"_other_/setinis/Polstina.ini"_s);
    ASSERT_TRUE(create(request));
    const auto settings = dictionary::readSetIni(path(u"jana/"_s + text("Polština/set.ini")));
    EXPECT_EQ(std::tuple(settings.otherLanguage, settings.fonts.other.face, settings.note),
              std::tuple(text("Polština"), text("Tahoma"),
                         QStringList{text("Moje poznámka"), text("Ze sady.")}));

    // A set that cannot be read is reported; the folder and its table stay.
    request.name = u"Sada"_s;
    request.settingsSetPath = path(u"_other_/setinis/chybi.ini"_s);
    EXPECT_TRUE(create(request));
    ASSERT_EQ(m_messages.shown.size(), 1);
    EXPECT_TRUE(m_messages.shown[0].startsWith(text("error: Soubor nelze číst: ")));
    EXPECT_TRUE(QFile::exists(path(u"jana/Sada/dictonary.db"_s)));
    EXPECT_FALSE(QFile::exists(path(u"jana/Sada/set.ini"_s)));
}

// A file of an existing name is in the way too.
TEST_F(CreateDictionary, UnacceptableOrExistingNamesCreateNothing) {
    m_folder.write(u"jana/Němčina/set.ini"_s, "language=Star\xfd\r\n");
    m_folder.write(u"jana/soubor"_s, "file\r\n");
    const QStringList before = everything();
    for (const char* name : {"../x", "a/b", "a\\b", ".x", "", ".", "..", "/tmp/x", "tab\there",
                             "řádek\n", "Němčina", "soubor"}) {
        m_messages.shown.clear();
        EXPECT_FALSE(create(manual(text(name)))) << name;
        EXPECT_EQ(m_messages.shown, QStringList{text(kRefused)}) << name;
    }
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(m_folder.read(u"jana/Němčina/set.ini"_s), QByteArray("language=Star\xfd\r\n"));
}

// Failed copies are reported and creation goes on; so are characters the code page cannot hold.
TEST_F(CreateDictionary, WhatCannotBeCopiedOrWrittenIsReportedAndCreationGoesOn) {
    QFile::remove(path(u"_EmptyTable_/dictonary.db"_s));
    QFile::remove(path(u"jana/code.ini"_s));
    auto request = manual(u"Esperanto"_s);
    request.note = {text("ĉu ŝi?")};
    ASSERT_TRUE(create(request));
    EXPECT_EQ(m_messages.shown,
              (QStringList{text("error: Není možné zkopírovat \"dictonary.db\" - zkontroluj "
                                "místo na disku a případná přístupová práva."),
                           text("error: Není možné zkopírovat soubor \"code.ini\" z adresáře "
                                "aplikace do adresáře slovníku a to se nepodařilo. Zkontroluj "
                                "místo na disku a přístupová práva."),
                           text("warning: Některé znaky nelze do souboru \"set.ini\" uložit, "
                                "byly nahrazeny otazníkem: ĉŝ")}));
    const auto settings = dictionary::readSetIni(path(u"jana/Esperanto/set.ini"_s));
    EXPECT_EQ(settings.note, QStringList{u"?u ?i?"_s});
}

} // namespace
