#include "dictionary/newdictionary.h"
#include "dictionary/setini.h"
#include "scriptedmessages.h"
#include "store/tablefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const char* const kRefused =
    "error: Není možné vytvořit adresář slovníku. Buď již takový existuje nebo je použito "
    "nedovolených znaků (*?/\\ atd.).";

// An application folder with the empty table, key.ini, a settings set and one user.
class CreateDictionary : public testing::Test {
protected:
    CreateDictionary() {
        QDir app(m_dir.path());
        app.mkpath(QStringLiteral("_EmptyTable_"));
        app.mkpath(QStringLiteral("_other_/setinis"));
        app.mkpath(QStringLiteral("jana"));
        store::createTableFile(path(QStringLiteral("_EmptyTable_/dictonary.db")),
                               QStringLiteral("dictonary"));
        write(QStringLiteral("key.ini"), "key=F5\r\nhint=Rod\r\nendkey\r\n");
        write(QStringLiteral("jana/code.ini"), "rules of jana\r\n");
        write(QStringLiteral("_other_/setinis/Polstina.ini"),
              "language=Pol\x9atina\r\nfontother=Tahoma\r\n{[..memo..]}\r\nZe sady.\r\n"
              "{[..endmemo..]}\r\n");
    }

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

    bool create(const dictionary::NewDictionary& request) {
        return dictionary::createDictionary(m_messages, path(QStringLiteral("jana")),
                                            path(QStringLiteral("_EmptyTable_")), m_dir.path(),
                                            request);
    }

    // Every path below the application folder, to see that nothing was made.
    QStringList everything() const {
        QStringList paths;
        QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
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

    QTemporaryDir m_dir;
    ScriptedMessages m_messages;
};

TEST_F(CreateDictionary, ManualDictionaryReadsBackItsOwnSettings) {
    const auto request = manual(text("Angličtina"));
    ASSERT_TRUE(create(request));
    EXPECT_TRUE(m_messages.shown.isEmpty()) << m_messages.shown.join(u'\n').toStdString();

    const QString folder = QStringLiteral("jana/") + text("Angličtina");
    EXPECT_EQ(read(folder + QStringLiteral("/code.ini")), QByteArray("rules of jana\r\n"));
    EXPECT_EQ(read(folder + QStringLiteral("/dictonary.db")),
              read(QStringLiteral("_EmptyTable_/dictonary.db")));

    const auto settings = dictionary::readSetIni(path(folder + QStringLiteral("/set.ini")));
    EXPECT_EQ(settings.fonts, request.fonts);
    EXPECT_EQ(settings.otherLanguage, text("Angličtina"));
    EXPECT_FALSE(settings.czechLanguage) << "the default Czech name stays";
    EXPECT_EQ(settings.soundKind, dictionary::SoundFolderKind::Increment);
    EXPECT_EQ(dictionary::soundFolder(settings, m_dir.path()), path(QStringLiteral("Sounds/")));
    EXPECT_EQ(settings.note, request.note);
    ASSERT_EQ(settings.functionKeys.count(5), 1u) << "the hot keys of key.ini";
    EXPECT_EQ(settings.functionKeys.at(5).hint, text("Rod"));

    EXPECT_TRUE(read(folder + QStringLiteral("/set.ini"))
                    .startsWith("language=Angli\xe8tina\r\n\r\nsoundincrementpath=Sounds\r\n"
                                "//soundfullpath=\r\n\r\nfontcz=Arial\r\n"))
        << "Windows-1250 with CR LF";
}

TEST_F(CreateDictionary, DictionaryFromASetJoinsTheNotes) {
    dictionary::NewDictionary request;
    request.name = text("Polština");
    request.note = {text("Moje poznámka")};
    request.settingsSetPath = path(QStringLiteral("_other_/setinis/Polstina.ini"));
    ASSERT_TRUE(create(request));
    EXPECT_TRUE(m_messages.shown.isEmpty());
    const auto settings =
        dictionary::readSetIni(path(QStringLiteral("jana/") + text("Polština/set.ini")));
    EXPECT_EQ(settings.otherLanguage, text("Polština"));
    EXPECT_EQ(settings.fonts.other.face, text("Tahoma"));
    EXPECT_EQ(settings.note, (QStringList{text("Moje poznámka"), text("Ze sady.")}));
}

TEST_F(CreateDictionary, UnacceptableNamesCreateNothing) {
    const QStringList before = everything();
    for (const char* name :
         {"../x", "a/b", "a\\b", ".x", "", ".", "..", "/tmp/x", "tab\there", "řádek\n"}) {
        m_messages.shown.clear();
        EXPECT_FALSE(create(manual(text(name)))) << name;
        EXPECT_EQ(m_messages.shown, QStringList{text(kRefused)}) << name;
    }
    EXPECT_EQ(everything(), before);
}

TEST_F(CreateDictionary, ExistingFolderIsRefusedUntouched) {
    QDir(m_dir.path()).mkpath(QStringLiteral("jana/Němčina"));
    write(QStringLiteral("jana/Němčina/set.ini"), "language=Star\xfd\r\n");
    write(QStringLiteral("jana/soubor"), "file\r\n");
    const QStringList before = everything();
    EXPECT_FALSE(create(manual(text("Němčina"))));
    EXPECT_FALSE(create(manual(text("soubor")))) << "a file of that name is in the way too";
    EXPECT_EQ(m_messages.shown, (QStringList{text(kRefused), text(kRefused)}));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(read(QStringLiteral("jana/Němčina/set.ini")), QByteArray("language=Star\xfd\r\n"));
}

TEST_F(CreateDictionary, FailedCopiesAreReportedAndCreationGoesOn) {
    QFile::remove(path(QStringLiteral("_EmptyTable_/dictonary.db")));
    QFile::remove(path(QStringLiteral("jana/code.ini")));
    ASSERT_TRUE(create(manual(QStringLiteral("Nový"))));
    EXPECT_EQ(m_messages.shown,
              (QStringList{text("error: Není možné zkopírovat \"dictonary.db\" - zkontroluj "
                                "místo na disku a případná přístupová práva."),
                           text("error: Není možné zkopírovat soubor \"code.ini\" z adresáře "
                                "aplikace do adresáře slovníku a to se nepodařilo. Zkontroluj "
                                "místo na disku a přístupová práva.")}));
    EXPECT_TRUE(QFile::exists(path(text("jana/Nový/set.ini"))));
}

TEST_F(CreateDictionary, UnreadableSetIsReportedAndTheFolderStays) {
    dictionary::NewDictionary request;
    request.name = QStringLiteral("Sada");
    request.settingsSetPath = path(QStringLiteral("_other_/setinis/chybi.ini"));
    EXPECT_TRUE(create(request));
    ASSERT_EQ(m_messages.shown.size(), 1);
    EXPECT_TRUE(m_messages.shown[0].startsWith(text("error: Soubor nelze číst: ")));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("jana/Sada/dictonary.db"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("jana/Sada/set.ini"))));
}

TEST_F(CreateDictionary, CharactersTheCodePageCannotHoldAreReported) {
    auto request = manual(QStringLiteral("Esperanto"));
    request.note = {text("ĉu ŝi?")};
    ASSERT_TRUE(create(request));
    EXPECT_EQ(m_messages.shown,
              QStringList{text("warning: Některé znaky nelze do souboru \"set.ini\" uložit, "
                               "byly nahrazeny otazníkem: ĉŝ")});
    const auto settings = dictionary::readSetIni(path(QStringLiteral("jana/Esperanto/set.ini")));
    EXPECT_EQ(settings.note, QStringList{QStringLiteral("?u ?i?")});
}

} // namespace
