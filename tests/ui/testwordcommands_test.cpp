#include "wordlistfixture.h"

#include "core/cp1250linereader.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace {

const QString kRegenerateQuestion =
    u"ask: Přegenerovat slovník podle nastavení. Pokud dáš \"ne\" změny se projeví jen u nově "
    u"přidaných slovíček."_s;

class TestWordCommandsTest : public WordListTest {
protected:
    template <typename Widget> static Widget& child(QDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return *widget;
    }
    // Shows the settings dialog and trims "p" and "k" at the start of every test word.
    void trimPAndKAtTheStart(const char* button) {
        modals.script(u"TOKBottomDlg5"_s, [button](QDialog& dialog) {
            EXPECT_EQ(child<QLineEdit>(dialog, "BeginSet").text(), u".,!?:;-_"_s);
            EXPECT_TRUE(child<QCheckBox>(dialog, "IgnoreCase").isChecked());
            child<QLineEdit>(dialog, "BeginSet").setText(u"pk"_s);
            child<QCheckBox>(dialog, "IgnoreCase").setChecked(false);
            child<QPushButton>(dialog, button).click();
        });
        window->command(u"EvaluationSettings"_s)->trigger();
    }
    QStringList testWords() {
        QStringList words;
        store::Cursor& table = window->table1();
        for (table.first(); !table.eof(); table.next())
            words << table.field(u"Czechzk"_s).asString();
        return words;
    }
    QStringList codeIni() {
        QFile file(app.path(u"eva/Angličtina/code.ini"_s));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return core::splitCp1250Lines(file.readAll());
    }
    const QStringList startWords{u"auto"_s, u"čáp"_s,  u"kočka"_s,
                                 u"pes"_s,  u"řeka"_s, u"zmrzlina"_s};
};

TEST_F(TestWordCommandsTest, WithoutADictionaryEachCommandSaysSo) {
    start();
    for (const QString& name : {u"EvaluationSettings"_s, u"Regenerate"_s, u"CommaReevaluation"_s})
        window->command(name)->trigger();
    EXPECT_EQ(messages.shown, QStringList(3, u"error: Není vybrán žádný slovník"_s));
}

TEST_F(TestWordCommandsTest, OkSavesTheRulesAndRegeneratesOnYesKeepingFilterAndCounters) {
    start();
    openDictionary();
    chooseLesson(u"1"_s);
    window->table1().edit();
    window->table1().field(u"Dobre"_s).setAsInteger(3);
    window->table1().post();
    messages.answer({true});
    trimPAndKAtTheStart("OKBtn");

    EXPECT_EQ(messages.shown, QStringList{kRegenerateQuestion});
    EXPECT_EQ(codeIni(), (QStringList{u"exclude//=yes"_s, u"exclude\\\\=yes"_s, u"exclude[]=yes"_s,
                                      u"exclude<>=yes"_s, u"exclude{}=yes"_s, u"exclude()=yes"_s,
                                      u"excludebegin=pk "_s, u"excludeend=.,!?:;-_ "_s,
                                      u"casesensitive=yes"_s, u"space=yes"_s}));
    EXPECT_EQ(window->findChild<QComboBox*>(u"ComboBox1"_s)->currentIndex(), 0);
    EXPECT_EQ(window->table1().recordCount(), 2) << "lesson 1 is still shown";
    EXPECT_EQ(window->table1().recNo(), 1);
    EXPECT_TRUE(window->findChild<QTableView*>(u"DBGrid1"_s)->isEnabled());
    EXPECT_EQ(window->table1().field(u"Dobre"_s).asInteger(), 3);
    window->table1().setFiltered(false);
    EXPECT_EQ(testWords(),
              (QStringList{u"auto"_s, u"čáp"_s, u"očka"_s, u"es"_s, u"řeka"_s, u"zmrzlina"_s}));
}

TEST_F(TestWordCommandsTest, NoKeepsOldTestWordsAndCancelKeepsTheSavedRules) {
    start();
    openDictionary();
    trimPAndKAtTheStart("CancelBtn");
    EXPECT_EQ(codeIni(), QStringList{u"casesensitive=no"_s});
    window->command(u"Regenerate"_s)->trigger();
    EXPECT_EQ(testWords(), startWords) << "the cancelled rules are not in force";

    messages.answer({false});
    trimPAndKAtTheStart("OKBtn");
    EXPECT_EQ(testWords(), startWords);
    window->command(u"Regenerate"_s)->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), u"Přegenerováno 6 slovíček."_s);
    EXPECT_EQ(testWords(),
              (QStringList{u"auto"_s, u"čáp"_s, u"očka"_s, u"es"_s, u"řeka"_s, u"zmrzlina"_s}));
    EXPECT_EQ(messages.shown, QStringList{kRegenerateQuestion});
}

TEST_F(TestWordCommandsTest, CommaReevaluationAsksInTheSplitDialogAndSaysWhenDone) {
    start();
    openDictionary();
    window->table1().appendRecord({u"pes, čokl"_s, u"hound"_s, 4});
    modals.script(u"TOKBottomDlg6"_s, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"Dotaz"_s);
        EXPECT_EQ(child<QLabel>(dialog, "Label1").text(), u"pes, čokl"_s);
        EXPECT_EQ(child<QLabel>(dialog, "Label2").text(), u"hound"_s);
        EXPECT_TRUE(child<QLabel>(dialog, "Label2").font().bold());
        EXPECT_EQ(child<QLineEdit>(dialog, "Edit3").text(), u"čokl"_s);
        child<QLineEdit>(dialog, "Edit4").setText(u"cur"_s);
        child<QPushButton>(dialog, "OKBtn").click();
    });
    window->command(u"CommaReevaluation"_s)->trigger();
    EXPECT_EQ(messages.shown, QStringList{u"information: Přehodnocování je skončeno."_s});
    EXPECT_TRUE(window->table1().findKey({u"pes"_s, u"hound"_s}));
    EXPECT_TRUE(window->table1().findKey({u"čokl"_s, u"cur"_s}));
    EXPECT_EQ(window->table1().field(u"Lekce"_s).asInteger(), 4);
    EXPECT_FALSE(window->table1().findKey({u"pes, čokl"_s, u"hound"_s}));
}

} // namespace
