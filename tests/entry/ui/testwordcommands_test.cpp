#include "mainwindowfixture.h"

#include <QCheckBox>
#include <QLabel>

namespace {

const QString kRegenerateQuestion =
    u"ask: Přegenerovat slovník podle nastavení. Pokud dáš \"ne\" změny se projeví jen u nově "
    u"přidaných slovíček."_s;

class TestWordCommandsTest : public WordListTest {
protected:
    // Shows the settings dialog and trims "p" and "k" at the start of every test word.
    void trimPAndKAtTheStart(const QString& button) {
        modals.script(u"TOKBottomDlg5"_s, [button](QDialog& dialog) {
            EXPECT_EQ(text(dialog, u"BeginSet"_s), u".,!?:;-_"_s);
            child<QLineEdit>(dialog, u"BeginSet"_s).setText(u"pk"_s);
            child<QCheckBox>(dialog, u"IgnoreCase"_s).setChecked(false);
            click(dialog, button);
        });
        run(u"EvaluationSettings"_s);
    }
    QStringList testWords() {
        window->table1().setFiltered(false);
        return tableRows(window->table1(), {u"Czechzk"_s});
    }
    QStringList codeIni() { return fileLines(u"eva/Angličtina/code.ini"_s); }
    const QStringList startWords{u"auto"_s, u"čáp"_s,  u"kočka"_s,
                                 u"pes"_s,  u"řeka"_s, u"zmrzlina"_s};
    const QStringList trimmedWords{u"auto"_s, u"čáp"_s,  u"očka"_s,
                                   u"es"_s,   u"řeka"_s, u"zmrzlina"_s};
};

TEST_F(TestWordCommandsTest, OkSavesTheRulesAndRegeneratesOnYesKeepingFilterAndCounters) {
    startOnDictionary();
    chooseLesson(u"1"_s);
    messages.answer({true});
    trimPAndKAtTheStart(u"OKBtn"_s);

    EXPECT_EQ(messages.shown, QStringList{kRegenerateQuestion});
    EXPECT_EQ(codeIni().mid(6, 3).join(u'|'),
              u"excludebegin=pk |excludeend=.,!?:;-_ |casesensitive=yes"_s);
    EXPECT_EQ(window->table1().recordCount(), 2) << "lesson 1 is still shown";
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_EQ(testWords(), trimmedWords);
}

TEST_F(TestWordCommandsTest, NoKeepsOldTestWordsAndCancelKeepsTheSavedRules) {
    startOnDictionary();
    trimPAndKAtTheStart(u"CancelBtn"_s);
    EXPECT_EQ(codeIni(), QStringList{u"casesensitive=no"_s});
    run(u"Regenerate"_s);
    EXPECT_EQ(testWords(), startWords) << "the cancelled rules are not in force";

    messages.answer({false});
    trimPAndKAtTheStart(u"OKBtn"_s);
    EXPECT_EQ(testWords(), startWords);
    run(u"Regenerate"_s);
    EXPECT_EQ(status(), u"Přegenerováno 6 slovíček."_s);
    EXPECT_EQ(testWords(), trimmedWords);
    EXPECT_EQ(messages.shown, QStringList{kRegenerateQuestion});
}

TEST_F(TestWordCommandsTest, CommaReevaluationAsksInTheSplitDialogAndSaysWhenDone) {
    startOnDictionary();
    window->table1().appendRecord({u"pes, čokl"_s, u"hound"_s, 4});
    modals.script(u"TOKBottomDlg6"_s, [](QDialog& dialog) {
        EXPECT_EQ(child<QLabel>(dialog, u"Label1"_s).text(), u"pes, čokl"_s);
        EXPECT_EQ(text(dialog, u"Edit3"_s), u"čokl"_s);
        child<QLineEdit>(dialog, u"Edit4"_s).setText(u"cur"_s);
        click(dialog, u"OKBtn"_s);
    });
    run(u"CommaReevaluation"_s);
    EXPECT_EQ(messages.shown, QStringList{u"information: Přehodnocování je skončeno."_s});
    EXPECT_TRUE(window->table1().findKey({u"čokl"_s, u"cur"_s}));
}

} // namespace
