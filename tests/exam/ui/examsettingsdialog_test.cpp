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

// Each exam type presets the chosen language (+ when it can be changed), each box checked (x)
// or not (-) and enabled (+) or not, and whether the time limit and average lists are enabled.
TEST_F(ExamSettingsDialogTest, PresetsTheControlsOfEachExamType) {
    const auto on = [this](const QString& name) {
        return child(dialog, name).isEnabled() ? u"+"_s : u"-"_s;
    };
    const std::pair<ExamType, QString> presets[] = {
        {ExamType::SelfEvaluation,
         u"0+ Auto x+ RecordSound x+ OnlySound -+ alllimit+ onbutton+ Automat+ limits +++++"_s},
        {ExamType::Automatic,
         u"0+ Auto x+ RecordSound -- OnlySound -+ alllimit- onbutton- Automat- limits +++++"_s},
        {ExamType::Training,
         u"1- Auto -- RecordSound -- OnlySound x- alllimit- onbutton- Automat- limits -----"_s},
    };
    for (const auto& [type, expected] : presets) {
        dialog.preset(type);
        QString shown = QString::number(item(u"JazykRadioGroup"_s)) + on(u"JazykRadioGroup"_s);
        for (const QString& name : {u"Auto"_s, u"RecordSound"_s, u"OnlySound"_s})
            shown += u" "_s + name + (box(name).isChecked() ? u" x"_s : u" -"_s) + on(name);
        for (const QString& name : {u"alllimit"_s, u"onbutton"_s, u"Automat"_s})
            shown += u" "_s + name + on(name);
        shown += u" limits "_s;
        for (const QString& name : {u"LimitComboBox"_s, u"PrumerComboBox"_s, u"LimitLabel"_s,
                                    u"LimitUnitLabel"_s, u"PrumerLabel"_s})
            shown += on(name);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(item(u"Ask"_s), 0);
        EXPECT_FALSE(child(dialog, u"Ask"_s).isEnabled());
    }
}

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
    EXPECT_EQ(std::tuple(shown.fromLesson, shown.toLesson, shown.worstCount()),
              std::tuple(7, 2, std::optional<int>()));
}

// An automatic exam asking Czech is written only; no time limit records only on the button;
// self-evaluation in the foreign language records only written questions.
TEST_F(ExamSettingsDialogTest, ChoicesKeepTheSettingsThatGoTogether) {
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

    box(u"alllimit"_s).click();
    chooseItem(u"LimitComboBox"_s, u"žádný"_s);
    EXPECT_TRUE(box(u"onbutton"_s).isChecked());
    EXPECT_FALSE(box(u"alllimit"_s).isEnabled());
    chooseItem(u"LimitComboBox"_s, u"35"_s);
    EXPECT_TRUE(box(u"alllimit"_s).isEnabled());

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
    EXPECT_EQ(
        std::tuple(confirmed->type, confirmed->wordCount(), confirmed->limitSeconds(),
                   confirmed->reAddWorst, confirmed->ask),
        std::tuple(ExamType::Automatic, 15, exam::kNoTimeLimit, true, exam::AskMode::WrittenOnly));

    modals.script(u"TOKBottomDlg4"_s, [](QDialog& shown) {
        click(shown, u"HelpBtn"_s);
        click(shown, u"CancelBtn"_s);
    });
    EXPECT_FALSE(dialog.run(parameters, ExamType::Automatic, u"Angličtina"_s));
    EXPECT_EQ(system.opened, QStringList{state.helpPage(u"exam.html"_s)});
}

} // namespace
