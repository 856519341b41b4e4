#include "mainwindowfixture.h"

#include "exam/ui/examsettingsdialog.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {

using exam::ExamType;

class ExamSettingsDialogTest : public MainWindowFixture {
protected:
    QComboBox& list(const QString& name) { return child<QComboBox>(dialog, name); }
    QAbstractButton& box(const QString& name) { return child<QAbstractButton>(dialog, name); }
    // The chosen item of a radio group, by position.
    int item(const QString& group) {
        const auto buttons = child<QGroupBox>(dialog, group).findChildren<QRadioButton*>();
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked())
                return i;
        }
        return -1;
    }
    void choose(const QString& group, int index) {
        child<QGroupBox>(dialog, group).findChildren<QRadioButton*>()[index]->click();
    }
    void chooseItem(const QString& name, const QString& text) {
        MainWindowFixture::choose(dialog, name, text);
    }

    exam::ExamSettingsDialog dialog{services, state};
};

// The state of the controls that the preset sets: checked or chosen item, and enabled.
struct PresetCase {
    const char* name;
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
    EXPECT_EQ(item(u"JazykRadioGroup"_s), c.language);
    EXPECT_EQ(child(dialog, u"JazykRadioGroup"_s).isEnabled(), c.languageOn);
    EXPECT_EQ(box(u"Auto"_s).isChecked(), c.autoPlay);
    EXPECT_EQ(box(u"Auto"_s).isEnabled(), c.autoPlayOn);
    EXPECT_EQ(box(u"RecordSound"_s).isChecked(), c.record);
    EXPECT_EQ(box(u"RecordSound"_s).isEnabled(), c.recordOn);
    EXPECT_EQ(box(u"alllimit"_s).isEnabled(), c.recordWhenOn);
    EXPECT_EQ(box(u"onbutton"_s).isEnabled(), c.recordWhenOn);
    EXPECT_EQ(box(u"Automat"_s).isEnabled(), c.automaticOkOn);
    EXPECT_EQ(item(u"Ask"_s), 0);
    EXPECT_FALSE(child(dialog, u"Ask"_s).isEnabled());
    EXPECT_EQ(box(u"OnlySound"_s).isChecked(), c.onlySound);
    EXPECT_EQ(box(u"OnlySound"_s).isEnabled(), c.onlySoundOn);
    for (const QString& control : {u"LimitComboBox"_s, u"PrumerComboBox"_s, u"LimitLabel"_s,
                                   u"LimitUnitLabel"_s, u"PrumerLabel"_s})
        EXPECT_EQ(child(dialog, control).isEnabled(), c.limitOn) << control.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    ExamTypes, ExamPresetTest,
    ::testing::Values(PresetCase{"SelfEvaluation", ExamType::SelfEvaluation, 0, true, true, true,
                                 true, true, true, true, false, true, true},
                      PresetCase{"Automatic", ExamType::Automatic, 0, true, true, true, false,
                                 false, false, false, false, true, true},
                      PresetCase{"Training", ExamType::Training, 1, false, false, false, false,
                                 false, false, false, true, false, false}),
    [](const ::testing::TestParamInfo<PresetCase>& param) { return param.param.name; });

// A chosen range never ends before it starts; positions loaded in code are not corrected.
TEST_F(ExamSettingsDialogTest, AllLessonsDisablesTheRangeAndSpansEveryLesson) {
    box(u"CheckBoxLekce"_s).click();
    EXPECT_FALSE(list(u"OdComboBox"_s).isEnabled());
    EXPECT_EQ(list(u"OdComboBox"_s).currentText(), u"0"_s);
    EXPECT_EQ(list(u"DoComboBox"_s).currentText(), u"99"_s);
    box(u"CheckBoxLekce"_s).click();
    EXPECT_TRUE(list(u"DoComboBox"_s).isEnabled());
    EXPECT_EQ(list(u"DoComboBox"_s).currentText(), u"1"_s);
    chooseItem(u"OdComboBox"_s, u"5"_s);
    EXPECT_EQ(list(u"DoComboBox"_s).currentText(), u"5"_s);
    chooseItem(u"DoComboBox"_s, u"3"_s);
    EXPECT_EQ(list(u"DoComboBox"_s).currentText(), u"5"_s);

    exam::ExamParameters parameters;
    parameters.fromLesson = 7;
    parameters.toLesson = 2;
    parameters.worstCountPosition = 500; // out of the list: no selection
    dialog.load(parameters);
    const exam::ExamParameters shown = dialog.shown();
    EXPECT_EQ(shown.fromLesson, 7);
    EXPECT_EQ(shown.toLesson, 2);
    EXPECT_EQ(shown.worstCount(), std::nullopt);
}

TEST_F(ExamSettingsDialogTest, NoTimeLimitRecordsOnlyOnTheButton) {
    dialog.preset(ExamType::SelfEvaluation);
    box(u"alllimit"_s).click();
    chooseItem(u"LimitComboBox"_s, u"žádný"_s);
    EXPECT_TRUE(box(u"onbutton"_s).isChecked());
    EXPECT_FALSE(box(u"alllimit"_s).isEnabled());
    chooseItem(u"LimitComboBox"_s, u"35"_s);
    EXPECT_TRUE(box(u"alllimit"_s).isEnabled());
}

TEST_F(ExamSettingsDialogTest, SelfEvaluationInTheForeignLanguageRecordsOnlyWrittenQuestions) {
    dialog.preset(ExamType::SelfEvaluation);
    choose(u"JazykRadioGroup"_s, 1);
    EXPECT_EQ(item(u"Ask"_s), 2);
    EXPECT_TRUE(child(dialog, u"Ask"_s).isEnabled());
    EXPECT_FALSE(box(u"RecordSound"_s).isEnabled());
    choose(u"Ask"_s, 1);
    EXPECT_TRUE(box(u"OnlySound"_s).isChecked());
    EXPECT_FALSE(box(u"OnlySound"_s).isEnabled()) << "a question put only by sound needs a sound";
    choose(u"Ask"_s, 0);
    EXPECT_FALSE(box(u"OnlySound"_s).isChecked());
    EXPECT_TRUE(box(u"RecordSound"_s).isEnabled());
    box(u"RecordSound"_s).click();
    EXPECT_TRUE(box(u"Auto"_s).isChecked());
    EXPECT_TRUE(box(u"OnlySound"_s).isChecked()) << "recording written questions needs a sound";
    box(u"RecordSound"_s).click();
    EXPECT_FALSE(box(u"Auto"_s).isChecked());
    EXPECT_FALSE(box(u"Auto"_s).isEnabled());
    EXPECT_FALSE(box(u"Automat"_s).isEnabled());
}

TEST_F(ExamSettingsDialogTest, AutomaticExamAskingCzechIsWrittenOnly) {
    dialog.preset(ExamType::Automatic);
    choose(u"JazykRadioGroup"_s, 1);
    EXPECT_EQ(item(u"Ask"_s), 2);
    EXPECT_FALSE(box(u"Auto"_s).isChecked());
    choose(u"JazykRadioGroup"_s, 0);
    EXPECT_EQ(item(u"Ask"_s), 0);
    EXPECT_TRUE(box(u"Auto"_s).isChecked());
    EXPECT_FALSE(box(u"RecordSound"_s).isChecked());
    // Recording is switched on by the preset, and its click enables "Automaticky OK".
    dialog.preset(ExamType::SelfEvaluation);
    EXPECT_TRUE(box(u"Automat"_s).isEnabled());
}

TEST_F(ExamSettingsDialogTest, ZkousejGivesTheShownSettingsAndCancelNothing) {
    exam::ExamParameters parameters;
    parameters.limitPosition = 0;
    parameters.reAddWorst = true;
    modals.script(u"TOKBottomDlg4"_s, [this](QDialog& shown) {
        chooseItem(u"CountAllComboBox"_s, u"15"_s);
        click(shown, u"OKBtn"_s);
    });
    const auto confirmed = dialog.run(parameters, ExamType::Automatic, u"Angličtina"_s);
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(confirmed->type, ExamType::Automatic);
    EXPECT_EQ(confirmed->wordCount(), 15);
    EXPECT_EQ(confirmed->limitSeconds(), exam::kNoTimeLimit);
    EXPECT_TRUE(confirmed->reAddWorst);
    EXPECT_EQ(confirmed->ask, exam::AskMode::WrittenOnly);

    modals.script(u"TOKBottomDlg4"_s, [](QDialog& shown) {
        click(shown, u"HelpBtn"_s);
        click(shown, u"CancelBtn"_s);
    });
    EXPECT_FALSE(dialog.run(parameters, ExamType::Automatic, u"Angličtina"_s));
    EXPECT_EQ(system.opened, QStringList{state.helpPage(u"exam.html"_s)});
}

} // namespace
