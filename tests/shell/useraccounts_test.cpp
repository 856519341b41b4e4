#include "appfolderfixture.h"
#include "shell/useraccounts.h"

namespace {

const QString kRestoreQuestion =
    u"confirm: Takový uživatel již existoval a má adresář na disku, chcete obnovit tohoto "
    u"uživatele aniž by se mu porušily slovníky, které již na disku existují ?"_s;
QString deleteQuestion(const QString& name) {
    return u"dangerous confirm: Pokud uživatel měl vytvořené nějaké slovníky, tak na disku "
           u"zůstanou tyto slovníky. Pokud je chces odstranit musíš ručně smazat adresář s "
           u"názvem shodným s jménem uživatelem. Chceš uživatele \""_s +
           name + u"\" smazat ?"_s;
}
const QString kDeleteQuestion = deleteQuestion(u"eva"_s);
const QString kFolderKept =
    u"information: Smazání adresáře uživatele nebylo kompletně dokončeno. V adresáři je nějaký "
    u"slovník nebo jiné data, ktera tam byla nakopirovana uživatelem navíc. Odstranění "
    u"adresáře, pokud si to přeješ, udělěj ručně."_s;
const QString kIncomplete =
    u"error: Smazání adresářů a souborů uživatele nemohlo být kompletně dokončeno."_s;

const QStringList kNewUserFolder = {u"bg.bmp"_s,   u"code.ini"_s, u"exam.db"_s,    u"exam.ini"_s,
                                    u"practice"_s, u"results"_s,  u"setting.ini"_s};

class UserAccountsTest : public AppFolderFixture {
protected:
    bool create(const QString& name) { return shell::createUser(messages, users, state, name); }
    bool remove(const QString& name) {
        EXPECT_TRUE(users.findKey({name}));
        return shell::deleteUser(messages, users, state);
    }
};

TEST_F(UserAccountsTest, ANewUserGetsARecordAndAFolderFromTheTemplates) {
    ASSERT_TRUE(create(u"Jan Novák"_s));
    EXPECT_EQ(userNames(), (QStringList{u"administrator"_s, u"Jan Novák"_s}));
    EXPECT_TRUE(users.findKey({u"Jan Novák"_s}));
    EXPECT_EQ(users.field(u"Password"_s).asString(), QString());
    EXPECT_EQ(entries(u"Jan Novák"_s), kNewUserFolder);
    EXPECT_EQ(read(u"Jan Novák/setting.ini"_s), QByteArray("template setting.ini"));
    EXPECT_EQ(read(u"Jan Novák/exam.db"_s), read(u"_EmptyTable_/exam.db"_s));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'\n').toStdString();
}

TEST_F(UserAccountsTest, AnUnacceptableNameTouchesNothing) {
    for (const QString& name : {u"Help"_s, u"../x"_s, u"a/b"_s, u"name."_s}) {
        EXPECT_FALSE(create(name));
        EXPECT_EQ(messages.shown.takeLast(), u"error: Takové jméno není přípustné."_s);
    }
    EXPECT_EQ(userNames(), QStringList{u"administrator"_s});
    EXPECT_FALSE(QFileInfo::exists(outside(u"x"_s)));
    EXPECT_FALSE(QFileInfo::exists(state.path(u"a"_s)));
}

TEST_F(UserAccountsTest, AnExistingUserIsRefusedBeforeAnyFileIsTouched) {
    users.appendRecord({u"eva"_s, u"ryba"_s});
    EXPECT_FALSE(create(u"eva"_s));
    EXPECT_EQ(messages.shown,
              QStringList{u"error: Uživatele není možné vytvořit - již existuje."_s});
    EXPECT_FALSE(QFileInfo::exists(state.path(u"eva"_s)));
    ASSERT_TRUE(users.findKey({u"eva"_s}));
    EXPECT_EQ(users.field(u"Password"_s).asString(), u"ryba"_s);
}

TEST_F(UserAccountsTest, RestoringAFolderKeepsWhatItHoldsAndDecliningLeavesNoRecord) {
    write(u"eva/Angličtina/dictonary.db"_s, "slova");
    write(u"eva/setting.ini"_s, "evina nastavení");
    messages.answer({false});
    EXPECT_FALSE(create(u"eva"_s));
    EXPECT_EQ(userNames(), QStringList{u"administrator"_s});
    EXPECT_EQ(entries(u"eva"_s), (QStringList{u"Angličtina"_s, u"setting.ini"_s}));

    messages.answer({true});
    ASSERT_TRUE(create(u"eva"_s));
    EXPECT_EQ(messages.shown, QStringList(2, kRestoreQuestion));
    EXPECT_EQ(userNames(), (QStringList{u"administrator"_s, u"eva"_s}));
    EXPECT_EQ(read(u"eva/setting.ini"_s), QByteArray("evina nastavení"));
    EXPECT_EQ(read(u"eva/Angličtina/dictonary.db"_s), QByteArray("slova"));
    EXPECT_EQ(entries(u"eva"_s), QStringList{u"Angličtina"_s} + kNewUserFolder);
}

TEST_F(UserAccountsTest, AFailedCopyIsReportedAndTheRecordRemoved) {
    QFile::remove(state.path(u"bg.bmp"_s));
    EXPECT_FALSE(create(u"eva"_s));
    EXPECT_EQ(messages.shown,
              QStringList{u"error: Není možné zkopírovat \"bg.bmp\" - zkontroluj místo na disku "
                          u"a případná přístupová práva."_s});
    EXPECT_EQ(userNames(), QStringList{u"administrator"_s});
    // the copies after the failed one were still made
    EXPECT_TRUE(QFileInfo::exists(state.path(u"eva/setting.ini"_s)));
}

TEST_F(UserAccountsTest, AFolderThatCannotBeMadeIsReported) {
    write(u"eva/results"_s, "soubor, ne adresář");
    messages.answer({true});
    EXPECT_FALSE(create(u"eva"_s));
    EXPECT_EQ(messages.shown, (QStringList{kRestoreQuestion,
                                           u"error: Není možné vytvořit adresář \"results\"."_s}));
    EXPECT_EQ(userNames(), QStringList{u"administrator"_s});
    EXPECT_TRUE(QFileInfo(state.path(u"eva/practice"_s)).isDir());
}

TEST_F(UserAccountsTest, DeletingRemovesTheProgramsFilesAndTheFolderWhenConfirmed) {
    ASSERT_TRUE(create(u"eva"_s));
    write(u"eva/results/test1.txt"_s, "výsledek");
    messages.answer({false, true});
    EXPECT_FALSE(remove(u"eva"_s));
    EXPECT_EQ(userNames(), (QStringList{u"administrator"_s, u"eva"_s}));
    EXPECT_TRUE(QFileInfo::exists(state.path(u"eva/results/test1.txt"_s)));
    EXPECT_TRUE(remove(u"eva"_s));
    EXPECT_EQ(messages.shown, QStringList(2, kDeleteQuestion));
    EXPECT_EQ(userNames(), QStringList{u"administrator"_s});
    EXPECT_FALSE(QFileInfo::exists(state.path(u"eva"_s)));
}

// What the user added stays, and so does a folder inside results, each said; a missing
// results folder does not stop the deletion.
TEST_F(UserAccountsTest, DeletingKeepsWhatTheUserAddedAndSaysSo) {
    const QStringList names{u"eva"_s, u"ota"_s, u"jan"_s};
    for (const QString& user : names)
        ASSERT_TRUE(create(user));
    write(u"eva/Angličtina/dictonary.db"_s, "slova");
    write(u"eva/practice/Clanek/strings.ini"_s, "věta");
    write(u"eva/results/test1.txt"_s, "výsledek");
    write(u"eva/.skryty"_s, "x");
    QDir().mkpath(state.path(u"ota/results/starší"_s));
    QDir(state.path(u"jan"_s)).rmdir(u"results"_s);
    messages.answer({true, true, true});
    for (const QString& user : names)
        EXPECT_TRUE(remove(user));
    EXPECT_EQ(messages.shown, (QStringList{kDeleteQuestion, kFolderKept, deleteQuestion(u"ota"_s),
                                           kFolderKept, kIncomplete, deleteQuestion(u"jan"_s)}));
    EXPECT_EQ(entries(u"eva"_s), (QStringList{u"Angličtina"_s, u"practice"_s}));
    EXPECT_EQ(read(u"eva/Angličtina/dictonary.db"_s), QByteArray("slova"));
    EXPECT_EQ(entries(u"ota"_s), QStringList{u"results"_s});
    EXPECT_FALSE(QFileInfo::exists(state.path(u"jan"_s)));
}

TEST_F(UserAccountsTest, TheAdministratorCannotBeDeleted) {
    QDir().mkpath(state.path(u"administrator"_s));
    EXPECT_FALSE(remove(u"administrator"_s));
    EXPECT_EQ(messages.shown, QStringList{u"error: Administrátor nemůže být smazán."_s});
    EXPECT_EQ(userNames(), QStringList{u"administrator"_s});
    EXPECT_TRUE(QFileInfo(state.path(u"administrator"_s)).isDir());
}

TEST_F(UserAccountsTest, DeletingNeverReachesOutsideTheApplicationFolder) {
    // records an earlier version or a hand edit could have left
    dir.write(u"x/cizi.txt"_s, "cizí");
    users.appendRecord({u"../x"_s, QString()});
    messages.answer({true});
    EXPECT_TRUE(remove(u"../x"_s));
    EXPECT_EQ(messages.shown, (QStringList{deleteQuestion(u"../x"_s), kIncomplete}));
    EXPECT_TRUE(QFileInfo::exists(outside(u"x/cizi.txt"_s)));

    messages.shown.clear();
    write(u"setting.ini"_s, "nastavení programu");
    users.appendRecord({QString(), QString()});
    messages.answer({true});
    EXPECT_TRUE(remove(QString()));
    EXPECT_EQ(messages.shown, (QStringList{deleteQuestion(QString()), kIncomplete}));
    EXPECT_EQ(read(u"setting.ini"_s), QByteArray("nastavení programu"));
}

TEST_F(UserAccountsTest, DeletingDoesNotFollowLinksOut) {
    dir.write(u"x/cizi.txt"_s, "cizí");
    dir.write(u"x/results/cizi.txt"_s, "cizí");
    ASSERT_TRUE(QFile::link(outside(u"x"_s), state.path(u"eva"_s)));
    users.appendRecord({u"eva"_s, QString()});
    messages.answer({true});
    EXPECT_TRUE(remove(u"eva"_s));
    EXPECT_EQ(messages.shown, (QStringList{kDeleteQuestion, kIncomplete}));
    EXPECT_TRUE(QFileInfo::exists(outside(u"x/cizi.txt"_s)));
    EXPECT_TRUE(QFileInfo::exists(outside(u"x/results/cizi.txt"_s)));

    messages.shown.clear();
    ASSERT_TRUE(create(u"ota"_s));
    QDir(state.path(u"ota"_s)).rmdir(u"results"_s);
    ASSERT_TRUE(QFile::link(outside(u"x/results"_s), state.path(u"ota/results"_s)));
    messages.answer({true});
    EXPECT_TRUE(remove(u"ota"_s));
    EXPECT_TRUE(QFileInfo::exists(outside(u"x/results/cizi.txt"_s)));
    EXPECT_TRUE(messages.shown.contains(kIncomplete));
}

} // namespace
