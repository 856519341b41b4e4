#include "mainwindowfixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

class ExamCommandsTest : public WordListTest {
protected:
    int questions() { return app.openTable(u"_other_/runtime.db"_s)->recordCount(); }
    int examRecords() { return app.openTable(u"eva/exam.db"_s)->recordCount(); }
};

TEST_F(ExamCommandsTest, ZkousejPreparesTheQuestionsAndACancelledExamIsForgotten) {
    startOnDictionary();
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        const auto languages =
            child<QGroupBox>(dialog, u"JazykRadioGroup"_s).findChildren<QRadioButton*>();
        EXPECT_EQ(languages[1]->text(), u"Angličtina"_s);
        click(dialog, u"CheckBoxLekce"_s);
        click(dialog, u"OKBtn"_s);
    });
    modals.script(u"TExam"_s, [this](QDialog& exam) {
        EXPECT_EQ(questions(), 6) << "every word of every lesson";
        EXPECT_EQ(examRecords(), 1);
        click(exam, u"SpeedButton1"_s);
    });
    run(u"AutoExam"_s);
    EXPECT_EQ(examRecords(), 0) << "the cancelled exam is forgotten";
    EXPECT_TRUE(QDir(app.path(u"eva/results"_s)).isEmpty()) << "and has no report";
    EXPECT_TRUE(grid()->isEnabled());

    // The choices of the last exam are offered again; Cancel prepares nothing.
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        EXPECT_TRUE(child<QCheckBox>(dialog, u"CheckBoxLekce"_s).isChecked());
        click(dialog, u"CancelBtn"_s);
    });
    run(u"SelfExam"_s);
    EXPECT_EQ(examRecords(), 0);

    // Training asks only words with sounds, and eva's have none.
    EXPECT_TRUE(window->command(u"Pronunciation"_s)->isVisible());
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        EXPECT_TRUE(child<QCheckBox>(dialog, u"OnlySound"_s).isChecked());
        click(dialog, u"OKBtn"_s);
    });
    run(u"Pronunciation"_s);
    EXPECT_EQ(messages.shown,
              QStringList{u"information: Zkoušet se nebude, dle zadaných parametrů není žádné "
                          u"slovíčko ke zkoušení."_s});
    EXPECT_EQ(examRecords(), 1) << "the history keeps the attempt";
}

// The answer box offers the special characters of the answer's language, and the keyboard
// types in that language's layout while the exam window is open.
TEST_F(ExamCommandsTest, TheAnswerIsTypedInItsLanguage) {
    app.write(u"eva/Angličtina/set.ini"_s,
              "{[..keycz..]}\r\nAlt+C,\xe8 \xe8 (c)\r\n{[..endkeycz..]}\r\n"
              "{[..keyother..]}\r\nAlt+A,\xe4 \xe4 (a)\r\n{[..endkeyother..]}\r\n");
    app.write(u"klayout.ini"_s, "on\r\n67699721\r\n67437573\r\n67568647\r\n");
    keyboardLayouts.layouts = {{u"us"_s, {}, {}}, {u"cz"_s, {}, {}}, {u"de"_s, {}, {}}};
    startOnDictionary();
    auto& answer = child<QLineEdit>(child(*window, u"TExam"_s), u"Edit1"_s);
    // Czech asked (the first language) is answered in the foreign language, and the reverse.
    for (const auto& [language, item, layout] :
         {std::tuple{0, u"ä (a)"_s, u"de"_s}, std::tuple{1, u"č (c)"_s, u"cz"_s}}) {
        keyboardLayouts.activated.clear();
        modals.script(u"TOKBottomDlg4"_s, [language](QDialog& dialog) {
            child(dialog, u"JazykRadioGroup"_s).findChildren<QRadioButton*>()[language]->click();
            click(dialog, u"OKBtn"_s);
        });
        modals.script(u"TExam"_s, [&](QDialog& exam) {
            EXPECT_EQ(keyboardLayouts.activated, QStringList{layout});
            ASSERT_EQ(answer.actions().size(), 1);
            EXPECT_EQ(answer.actions()[0]->text(), item);
            click(exam, u"SpeedButton1"_s);
        });
        run(u"AutoExam"_s);
        EXPECT_EQ(keyboardLayouts.activated, QStringList({layout, u"us"_s}));
        EXPECT_TRUE(answer.actions().isEmpty()) << "until the next exam";
    }
}

} // namespace
