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

} // namespace
