#include "dialogfixture.h"

#include "exam/ui/examsettingsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

using exam::ExamType;

class ExamSettingsDialogTest : public DialogFixture {
protected:
    template <typename Widget> Widget& control(const char* name) {
        return child<Widget>(dialog, QString::fromLatin1(name));
    }
    QComboBox& list(const char* name) { return control<QComboBox>(name); }
    QCheckBox& box(const char* name) { return control<QCheckBox>(name); }
    QRadioButton& radio(const char* name) { return control<QRadioButton>(name); }
    // The chosen item of a radio group, by position.
    int item(const char* group) {
        const auto buttons = control<QGroupBox>(group).findChildren<QRadioButton*>();
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked())
                return i;
        }
        return -1;
    }
    void choose(const char* group, int index) {
        control<QGroupBox>(group).findChildren<QRadioButton*>()[index]->click();
    }
    // A list chosen by the user, whose change handler runs.
    void chooseItem(const char* name, const QString& text) {
        QComboBox& combo = list(name);
        combo.setCurrentIndex(combo.findText(text));
        emit combo.activated(combo.currentIndex());
    }

    exam::ExamSettingsDialog dialog{services, state};
};

TEST_F(ExamSettingsDialogTest, StartsWithTheDesignedListsAndPositions) {
    EXPECT_EQ(dialog.objectName(), u"TOKBottomDlg4"_s);
    EXPECT_EQ(dialog.windowTitle(), u"Nastavení zkoušení"_s);
    struct Case {
        const char* list;
        int count;
        QString first;
        QString last;
        QString chosen;
    };
    const Case cases[] = {
        {"OdComboBox", 100, u"0"_s, u"99"_s, u"0"_s},
        {"DoComboBox", 100, u"0"_s, u"99"_s, u"1"_s},
        {"CountAllComboBox", 201, u"vše"_s, u"200"_s, u"vše"_s},
        {"NeComboBox", 16, u"5"_s, u"80"_s, u"30"_s},
        {"CountComboBox", 9, u"1"_s, u"9"_s, u"1"_s},
        {"BadComboBox", 101, u"0"_s, u"100"_s, u"10"_s},
        {"BadCountComboBox", 9, u"1"_s, u"9"_s, u"2"_s},
        {"LimitComboBox", 41, u"žádný"_s, u"90"_s, u"13"_s},
        {"PrumerComboBox", 9, u"1.5"_s, u"4"_s, QString()},
    };
    for (const Case& c : cases) {
        QComboBox& combo = list(c.list);
        EXPECT_EQ(combo.count(), c.count) << c.list;
        EXPECT_EQ(combo.itemText(0), c.first) << c.list;
        EXPECT_EQ(combo.itemText(combo.count() - 1), c.last) << c.list;
        EXPECT_EQ(combo.currentText(), c.chosen) << c.list;
    }
    EXPECT_EQ(item("JazykRadioGroup"), 0);
    EXPECT_EQ(item("Ask"), 2);
    EXPECT_TRUE(box("Auto").isChecked());
    for (const char* unchecked :
         {"CheckBoxLekce", "AddCheckBox", "OnlySound", "RecordSound", "Automat"})
        EXPECT_FALSE(box(unchecked).isChecked()) << unchecked;
    EXPECT_TRUE(radio("onbutton").isChecked());
    EXPECT_FALSE(radio("onbutton").isEnabled());
    EXPECT_FALSE(radio("alllimit").isEnabled());
}

// The state of the controls that the preset sets: checked or chosen item, and enabled.
struct PresetCase {
    ExamType type;
    int language;
    bool languageOn;
    bool autoPlay, autoPlayOn;
    bool record, recordOn;
    bool recordWhenOn;
    bool automaticOkOn;
    bool onlySound, onlySoundOn;
    bool limitOn;
};

class ExamPresetTest : public ExamSettingsDialogTest,
                       public ::testing::WithParamInterface<PresetCase> {};

TEST_P(ExamPresetTest, PresetsTheControlsOfTheExamType) {
    const PresetCase& c = GetParam();
    dialog.preset(c.type);
    EXPECT_EQ(item("JazykRadioGroup"), c.language);
    EXPECT_EQ(control<QGroupBox>("JazykRadioGroup").isEnabled(), c.languageOn);
    EXPECT_EQ(box("Auto").isChecked(), c.autoPlay);
    EXPECT_EQ(box("Auto").isEnabled(), c.autoPlayOn);
    EXPECT_EQ(box("RecordSound").isChecked(), c.record);
    EXPECT_EQ(box("RecordSound").isEnabled(), c.recordOn);
    EXPECT_EQ(radio("alllimit").isEnabled(), c.recordWhenOn);
    EXPECT_EQ(radio("onbutton").isEnabled(), c.recordWhenOn);
    EXPECT_EQ(box("Automat").isEnabled(), c.automaticOkOn);
    EXPECT_EQ(item("Ask"), 0);
    EXPECT_FALSE(control<QGroupBox>("Ask").isEnabled());
    EXPECT_EQ(box("OnlySound").isChecked(), c.onlySound);
    EXPECT_EQ(box("OnlySound").isEnabled(), c.onlySoundOn);
    EXPECT_EQ(list("LimitComboBox").isEnabled(), c.limitOn);
    EXPECT_EQ(list("PrumerComboBox").isEnabled(), c.limitOn);
    for (const char* label : {"LimitLabel", "LimitUnitLabel", "PrumerLabel"})
        EXPECT_EQ(control<QLabel>(label).isEnabled(), c.limitOn) << label;
}

INSTANTIATE_TEST_SUITE_P(
    ExamTypes, ExamPresetTest,
    ::testing::Values(PresetCase{ExamType::SelfEvaluation, 0, true, true, true, true, true, true,
                                 true, false, true, true},
                      PresetCase{ExamType::Automatic, 0, true, true, true, false, false, false,
                                 false, false, true, true},
                      PresetCase{ExamType::Training, 1, false, false, false, false, false, false,
                                 false, true, false, false}));

TEST_F(ExamSettingsDialogTest, SelfEvaluationAfterAnAutomaticExamEnablesAutomaticOkAgain) {
    dialog.preset(ExamType::Automatic);
    EXPECT_FALSE(box("Automat").isEnabled());
    // Recording is switched on by the preset, and its click enables "Automaticky OK".
    dialog.preset(ExamType::SelfEvaluation);
    EXPECT_TRUE(box("Automat").isEnabled());
}

TEST_F(ExamSettingsDialogTest, AllLessonsDisablesTheRangeAndSpansEveryLesson) {
    box("CheckBoxLekce").click();
    EXPECT_FALSE(list("OdComboBox").isEnabled());
    EXPECT_EQ(list("OdComboBox").currentText(), u"0"_s);
    EXPECT_EQ(list("DoComboBox").currentText(), u"99"_s);
    box("CheckBoxLekce").click();
    EXPECT_TRUE(list("DoComboBox").isEnabled());
    EXPECT_EQ(list("DoComboBox").currentText(), u"1"_s);
}

TEST_F(ExamSettingsDialogTest, ChosenRangeNeverEndsBeforeItStarts) {
    chooseItem("OdComboBox", u"5"_s);
    EXPECT_EQ(list("DoComboBox").currentText(), u"5"_s);
    chooseItem("DoComboBox", u"3"_s);
    EXPECT_EQ(list("DoComboBox").currentText(), u"5"_s);
}

TEST_F(ExamSettingsDialogTest, PositionsLoadedInCodeAreNotCorrected) {
    exam::ExamParameters parameters;
    parameters.fromLesson = 7;
    parameters.toLesson = 2;
    parameters.worstCountPosition = 500; // out of the list: no selection
    dialog.load(parameters);
    const exam::ExamParameters shown = dialog.shown();
    EXPECT_EQ(shown.fromLesson, 7);
    EXPECT_EQ(shown.toLesson, 2);
    EXPECT_EQ(list("BadComboBox").currentIndex(), -1);
    EXPECT_EQ(shown.worstCount(), std::nullopt);
}

TEST_F(ExamSettingsDialogTest, NoTimeLimitRecordsOnlyOnTheButton) {
    dialog.preset(ExamType::SelfEvaluation);
    radio("alllimit").click();
    chooseItem("LimitComboBox", u"žádný"_s);
    EXPECT_TRUE(radio("onbutton").isChecked());
    EXPECT_FALSE(radio("alllimit").isEnabled());
    chooseItem("LimitComboBox", u"35"_s);
    EXPECT_TRUE(radio("alllimit").isEnabled());
}

TEST_F(ExamSettingsDialogTest, SelfEvaluationInTheForeignLanguageRecordsOnlyWrittenQuestions) {
    dialog.preset(ExamType::SelfEvaluation);
    choose("JazykRadioGroup", 1);
    EXPECT_EQ(item("Ask"), 2);
    EXPECT_TRUE(control<QGroupBox>("Ask").isEnabled());
    EXPECT_FALSE(box("RecordSound").isEnabled());
    choose("Ask", 1);
    EXPECT_TRUE(box("OnlySound").isChecked());
    EXPECT_FALSE(box("OnlySound").isEnabled()) << "a question put only by sound needs a sound";
    choose("Ask", 0);
    EXPECT_FALSE(box("OnlySound").isChecked());
    EXPECT_TRUE(box("RecordSound").isEnabled());
    box("RecordSound").click();
    EXPECT_TRUE(box("Auto").isChecked());
    EXPECT_TRUE(box("OnlySound").isChecked()) << "recording written questions needs a sound";
    box("RecordSound").click();
    EXPECT_FALSE(box("Auto").isChecked());
    EXPECT_FALSE(box("Auto").isEnabled());
    EXPECT_FALSE(box("Automat").isEnabled());
}

TEST_F(ExamSettingsDialogTest, AutomaticExamAskingCzechIsWrittenOnly) {
    dialog.preset(ExamType::Automatic);
    choose("JazykRadioGroup", 1);
    EXPECT_EQ(item("Ask"), 2);
    EXPECT_FALSE(box("Auto").isChecked());
    choose("JazykRadioGroup", 0);
    EXPECT_EQ(item("Ask"), 0);
    EXPECT_FALSE(control<QGroupBox>("Ask").isEnabled());
    EXPECT_TRUE(box("Auto").isChecked());
    EXPECT_FALSE(box("RecordSound").isChecked());
}

TEST_F(ExamSettingsDialogTest, ZkousejGivesTheShownSettingsAndCancelNothing) {
    exam::ExamParameters parameters;
    parameters.limitPosition = 0;
    parameters.reAddWorst = true;
    modals.script(u"TOKBottomDlg4"_s, [this](QDialog& shown) {
        EXPECT_EQ(control<QGroupBox>("JazykRadioGroup").findChildren<QRadioButton*>()[1]->text(),
                  u"Angličtina"_s);
        chooseItem("CountAllComboBox", u"15"_s);
        click(shown, u"OKBtn"_s);
    });
    const auto confirmed = dialog.run(parameters, ExamType::Automatic, u"Angličtina"_s);
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(confirmed->type, ExamType::Automatic);
    EXPECT_EQ(confirmed->wordCount(), 15);
    EXPECT_EQ(confirmed->limitSeconds(), exam::kNoTimeLimit);
    EXPECT_TRUE(confirmed->reAddWorst);
    EXPECT_EQ(confirmed->ask, exam::AskMode::WrittenOnly);

    modals.script(u"TOKBottomDlg4"_s, [](QDialog& shown) { click(shown, u"CancelBtn"_s); });
    EXPECT_FALSE(dialog.run(parameters, ExamType::Automatic, u"Angličtina"_s));
}

TEST_F(ExamSettingsDialogTest, HelpOpensTheExamPage) {
    modals.script(u"TOKBottomDlg4"_s, [](QDialog& shown) {
        click(shown, u"HelpBtn"_s);
        click(shown, u"CancelBtn"_s);
    });
    dialog.run({}, ExamType::SelfEvaluation, u"Jiný jazyk"_s);
    ASSERT_EQ(system.opened.size(), 1u);
    EXPECT_TRUE(system.opened[0].endsWith(u"help/exam.html"_s)) << system.opened[0].toStdString();
}

} // namespace
