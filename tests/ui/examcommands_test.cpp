#include "wordlistfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

class ExamCommandsTest : public WordListTest {
protected:
    int rows(const QString& folder, const QString& file) {
        store::Cursor table;
        table.setDatabaseName(app.path(folder));
        table.setTableName(file);
        table.open();
        return table.recordCount();
    }
    int questions() { return rows(u"_other_"_s, u"runtime.db"_s); }
    int answers() { return rows(u"_other_"_s, u"deprun.db"_s); }
    int examRecords() { return rows(u"eva"_s, u"exam.db"_s); }
};

TEST_F(ExamCommandsTest, WithoutADictionaryEachCommandSaysSo) {
    start();
    for (const QString& name : {u"AutoExam"_s, u"SelfExam"_s, u"Pronunciation"_s})
        window->command(name)->trigger();
    EXPECT_EQ(messages.shown, QStringList(3, u"error: Není vybrán žádný slovník"_s));
    EXPECT_EQ(examRecords(), 0);
}

TEST_F(ExamCommandsTest, ZkousejPreparesTheQuestionsForTheExamWindow) {
    start();
    openDictionary();
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        const auto languages =
            dialog.findChild<QGroupBox*>(u"JazykRadioGroup"_s)->findChildren<QRadioButton*>();
        EXPECT_EQ(languages[1]->text(), u"Angličtina"_s);
        EXPECT_FALSE(dialog.findChild<QGroupBox*>(u"Ask"_s)->isEnabled());
        dialog.findChild<QCheckBox*>(u"CheckBoxLekce"_s)->click();
        dialog.findChild<QPushButton*>(u"OKBtn"_s)->click();
    });
    modals.script(u"TExam"_s, [this](QDialog& exam) {
        EXPECT_EQ(questions(), 6) << "every word of every lesson";
        EXPECT_EQ(answers(), 6);
        EXPECT_EQ(examRecords(), 1);
        exam.findChild<QAbstractButton*>(u"SpeedButton1"_s)->click();
    });
    window->command(u"AutoExam"_s)->trigger();

    EXPECT_EQ(messages.shown, QStringList());
    EXPECT_EQ(examRecords(), 0) << "the cancelled exam is forgotten";
    EXPECT_TRUE(window->findChild<QTableView*>(u"DBGrid1"_s)->isEnabled());

    // The choices of the last exam are offered again.
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(u"CheckBoxLekce"_s)->isChecked());
        dialog.findChild<QPushButton*>(u"CancelBtn"_s)->click();
    });
    window->command(u"SelfExam"_s)->trigger();
    EXPECT_EQ(examRecords(), 0);
}

TEST_F(ExamCommandsTest, CancelPreparesNothing) {
    start();
    openDictionary();
    modals.script(u"TOKBottomDlg4"_s,
                  [](QDialog& dialog) { dialog.findChild<QPushButton*>(u"CancelBtn"_s)->click(); });
    window->command(u"SelfExam"_s)->trigger();
    EXPECT_EQ(messages.shown, QStringList());
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(examRecords(), 0);
}

TEST_F(ExamCommandsTest, TrainingAsksOnlyWordsWithSoundsAndFindsNone) {
    start();
    openDictionary();
    ASSERT_TRUE(window->command(u"Pronunciation"_s)->isVisible());
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(u"OnlySound"_s)->isChecked());
        dialog.findChild<QPushButton*>(u"OKBtn"_s)->click();
    });
    window->command(u"Pronunciation"_s)->trigger();
    EXPECT_EQ(messages.shown,
              QStringList{u"information: Zkoušet se nebude, dle zadaných parametrů není žádné "
                          u"slovíčko ke zkoušení."_s});
    EXPECT_EQ(examRecords(), 1) << "the history keeps the attempt";
}

} // namespace
