#include "dictionary/ui/settingssetchooser.h"
#include "mainwindowfixture.h"

#include <QDir>

namespace {

class SettingsSetChooserTest : public MainWindowFixture {
protected:
    QString setFolder() const { return state.path(u"_other_/setinis"_s); }
    QString setFile(const QString& name) const { return QDir(setFolder()).filePath(name); }
    void addSet(const QString& name) const {
        app.write(u"_other_/setinis/"_s + name, "[Font]\r\n");
    }

    static QStringList listed(QDialog& shown) {
        return items(child<QListWidget>(shown, u"ListBox1"_s));
    }
    // Clicks the set in the list, as a user does.
    static void select(QDialog& shown, const QString& name) {
        auto& sets = child<QListWidget>(shown, u"ListBox1"_s);
        const QList<QListWidgetItem*> found = sets.findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(sets.viewport(), Qt::LeftButton, {},
                          sets.visualItemRect(found.first()).center());
    }

    dictionary::SettingsSetChooser chooser{services, state};
};

// Cancel checks nothing; OK needs a selected set.
TEST_F(SettingsSetChooserTest, ListsTheIniFilesOfTheFolderSortedAndGivesTheSelectedOne) {
    for (const QString& name : {u"Polština.ini"_s, u"angličtina.ini"_s, u"Němčina.INI"_s,
                                u"poznámky.txt"_s, u"Ruština.ini.bak"_s})
        addSet(name);
    ASSERT_TRUE(QDir().mkpath(setFile(u"staré.ini"_s)));
    modals.script(u"DLGAsociate"_s, [](QDialog& shown) { click(shown, u"CancelBtn"_s); });
    EXPECT_EQ(chooser.run(), std::nullopt);
    EXPECT_TRUE(chooser.cancelled());
    EXPECT_TRUE(messages.shown.isEmpty());
    modals.script(u"DLGAsociate"_s, [this](QDialog& shown) {
        EXPECT_EQ(listed(shown).join(u' '), u"angličtina.ini Němčina.INI Polština.ini"_s);
        click(shown, u"OKBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        EXPECT_EQ(messages.shown, QStringList{u"error: Musíš vybrat některé nastavení."_s});
        select(shown, u"Polština.ini"_s);
        click(shown, u"OKBtn"_s);
    });
    EXPECT_EQ(chooser.run(), setFile(u"Polština.ini"_s));
    EXPECT_FALSE(chooser.cancelled());
}

TEST_F(SettingsSetChooserTest, RereadingFindsNewSetsAndAMissingFolderKeepsTheList) {
    const QString missing =
        u"error: Složka %1 neexistuje."_s.arg(QDir::toNativeSeparators(setFolder()));
    modals.script(u"DLGAsociate"_s, [&](QDialog& shown) {
        EXPECT_EQ(messages.shown, QStringList{missing});
        EXPECT_TRUE(listed(shown).isEmpty());
        addSet(u"Angličtina.ini"_s);
        click(shown, u"Button1"_s);
        EXPECT_EQ(listed(shown), QStringList{u"Angličtina.ini"_s});
        ASSERT_TRUE(QDir(setFolder()).removeRecursively());
        click(shown, u"Button1"_s);
        EXPECT_EQ(messages.shown, (QStringList{missing, missing}));
        EXPECT_EQ(listed(shown), QStringList{u"Angličtina.ini"_s});
        select(shown, u"Angličtina.ini"_s);
        click(shown, u"OKBtn"_s);
    });
    EXPECT_EQ(chooser.run(), setFile(u"Angličtina.ini"_s));
}

} // namespace
