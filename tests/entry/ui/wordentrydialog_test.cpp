#include "dictionary/wordlist.h"
#include "entry/normalizetestword.h"
#include "entry/ui/wordentrydialog.h"
#include "mainwindowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

namespace {

using Layout = entry::LayoutRole;

// The dictionary's set.ini: two hot keys and a Czech and a foreign character.
const QStringList kSetIni =
    u"language=Angličtina\nkey=F8\nhint=Množné číslo\ncz= (pl.)\ncztype=after\n"
    u"deletecz= (pl.)\nendkey\nkey=F6\nother=to \nendkey\n"
    u"{[..keycz..]}\nAlt+C,č č (c s háčkem)\n{[..endkeycz..]}\n"
    u"{[..keyother..]}\nAlt+A,ä ä (a s přehláskou)\n{[..endkeyother..]}"_s.split(u'\n');

// The dialog on a real dictionary table whose posts go through the word list's hook, shown
// as the main window shows it.
class WordEntryDialogTest : public MainWindowFixture {
protected:
    WordEntryDialogTest() {
        store::createTableFile(state.path(u"dictonary.db"_s), u"dictonary"_s);
        table.setDatabaseName(state.applicationFolder);
        table.setTableName(u"dictonary.db"_s);
        table.open();
        table.setBeforePost([](store::Cursor& posted) {
            entry::prepareEntryForPost(posted, entry::TestWordRules{});
        });
        dialog.setLessonCount(100);
        dialog.setDictionary(table, dictionary::parseSetIni(kSetIni));
        dialog.show();
    }

    template <typename Widget = QLineEdit> Widget& control(const QString& name) {
        return child<Widget>(dialog, name);
    }
    void press(const QString& controlName, Qt::Key key) {
        QTest::keyClick(&control<QWidget>(controlName), key);
    }
    QString focused() const {
        return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    }
    // Each entry as "Other|Czech|Lekce|Popis", in key order.
    QStringList entries() {
        return tableRows(table, {u"Other"_s, u"Czech"_s, u"Lekce"_s, u"Popis"_s});
    }

    store::Cursor table;
    entry::WordEntryDialog dialog{services, state};
};

TEST_F(WordEntryDialogTest, EnterMovesToCzechThenAddsAndEmptiesTheFields) {
    QSignalSpy added(&dialog, &entry::WordEntryDialog::entryAdded);
    EXPECT_EQ(control<QLabel>(u"Label3"_s).text(), u"Angličtina"_s);
    EXPECT_EQ(focused(), u"Edit1"_s);
    auto& lessons = control<QComboBox>(u"ComboBox1"_s);
    EXPECT_EQ(QStringList({lessons.itemText(2), lessons.itemText(10), lessons.itemText(99)}),
              QStringList({u"2"_s, u"10"_s, u"99"_s}));
    lessons.setCurrentIndex(3);
    type(dialog, u"Edit1"_s, u"dog"_s);
    press(u"Edit1"_s, Qt::Key_Return);
    EXPECT_EQ(focused(), u"Edit2"_s);
    type(dialog, u"Edit2"_s, u"pes"_s);
    type(dialog, u"Popis"_s, u"dɒg"_s);
    press(u"Edit2"_s, Qt::Key_Return);
    EXPECT_EQ(entries(), QStringList{u"dog|pes|3|dɒg"_s});
    EXPECT_EQ(added.count(), 1);
    for (const QString& name : {u"Edit1"_s, u"Edit2"_s, u"Popis"_s})
        EXPECT_EQ(text(dialog, name), QString()) << name.toStdString();
    EXPECT_EQ(focused(), u"Edit1"_s);
    EXPECT_EQ(control<QComboBox>(u"ComboBox1"_s).currentText(), u"3"_s) << "the lesson stays";
}

TEST_F(WordEntryDialogTest, JumpBoxEscapeHelpAndCloseDoWhatTheSettingsSay) {
    control<QCheckBox>(u"CheckBox1"_s).setChecked(true);
    press(u"Edit1"_s, Qt::Key_Return);
    EXPECT_EQ(focused(), u"Edit2"_s);
    press(u"Edit2"_s, Qt::Key_Return);
    EXPECT_EQ(focused(), u"Popis"_s);
    control<QRadioButton>(u"RadioMultiLine"_s).setChecked(true);
    press(u"Edit2"_s, Qt::Key_Return);
    EXPECT_EQ(focused(), u"Memo1"_s);

    press(u"Edit1"_s, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isMinimized());
    state.escapeMinimizes = true;
    press(u"ComboBox1"_s, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isMinimized());

    QSignalSpy closed(&dialog, &entry::WordEntryDialog::closed);
    control<QToolButton>(u"SpeedButton5"_s).click();
    EXPECT_EQ(system.opened, QStringList{state.helpPage(u"add.html"_s)});
    control<QToolButton>(u"SpeedButton2"_s).click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

// A multi-line description gives one line of Popis per line; "foreign only" keeps the dash
// for every entry and at each showing.
TEST_F(WordEntryDialogTest, MultiLineDescriptionAndForeignOnlyEntries) {
    control<QRadioButton>(u"RadioMultiLine"_s).setChecked(true);
    control<QCheckBox>(u"CheckBox2"_s).setChecked(true);
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"-"_s);
    type(dialog, u"Edit1"_s, u"dog"_s);
    auto& memo = control<QPlainTextEdit>(u"Memo1"_s);
    QTest::keyClicks(&memo, u"dog"_s);
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, u"dogs"_s);
    EXPECT_EQ(memo.toPlainText(), u"dog\ndogs"_s) << "Enter starts a new line there";
    control<QToolButton>(u"SpeedButton1"_s).click();
    EXPECT_EQ(memo.toPlainText(), QString());
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"-"_s);
    type(dialog, u"Edit1"_s, u"cat"_s);
    press(u"Edit1"_s, Qt::Key_Return);
    EXPECT_EQ(entries(), QStringList({u"cat|-|0|"_s, u"dog|-|0|dog\r\ndogs"_s}));
    dialog.hide();
    dialog.show();
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"-"_s) << "showing again";
}

// An empty expression adds nothing and says nothing; the same pair twice is refused.
TEST_F(WordEntryDialogTest, RefusedEntriesKeepTheirTexts) {
    type(dialog, u"Edit1"_s, u"dog"_s);
    control<QToolButton>(u"SpeedButton1"_s).click();
    EXPECT_EQ(messages.shown, QStringList());
    for (int attempt = 0; attempt < 2; ++attempt) {
        type(dialog, u"Edit2"_s, u"pes"_s);
        control<QLineEdit>(u"Popis"_s).setText(u"attempt %1"_s.arg(attempt));
        press(u"Popis"_s, Qt::Key_Return);
        if (attempt == 0)
            type(dialog, u"Edit1"_s, u"dog"_s);
    }
    EXPECT_EQ(messages.shown, QStringList{u"error: Takový záznam již existuje."_s});
    EXPECT_EQ(entries(), QStringList{u"dog|pes|0|attempt 0"_s});
    EXPECT_EQ(text(dialog, u"Edit1"_s), u"dog"_s);
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"pes"_s);
    EXPECT_EQ(focused(), u"Edit1"_s);
    // The refused attempt is still the one recalled.
    press(u"Edit2"_s, Qt::Key_F4);
    EXPECT_EQ(text(dialog, u"Popis"_s), u"attempt 1"_s);
}

TEST_F(WordEntryDialogTest, FunctionKeysRecallThePreviousEntry) {
    type(dialog, u"Edit1"_s, u"dog"_s);
    type(dialog, u"Edit2"_s, u"pes"_s);
    type(dialog, u"Popis"_s, u"dɒg"_s);
    press(u"Popis"_s, Qt::Key_Return);
    press(u"Edit1"_s, Qt::Key_F3);
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"pes"_s);
    press(u"Edit1"_s, Qt::Key_F2);
    EXPECT_EQ(text(dialog, u"Edit1"_s), u"dog"_s);
    dialog.hide();
    dialog.show();
    control<QComboBox>(u"ComboBox1"_s).setFocus();
    press(u"ComboBox1"_s, Qt::Key_F1);
    EXPECT_EQ(text(dialog, u"Edit1"_s), u"dog"_s);
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"pes"_s);
    EXPECT_EQ(text(dialog, u"Popis"_s), u"dɒg"_s);
    EXPECT_EQ(focused(), u"Edit1"_s);
    EXPECT_EQ(control(u"Edit1"_s).cursorPosition(), 3);
    control<QRadioButton>(u"RadioMultiLine"_s).setChecked(true);
    control<QPlainTextEdit>(u"Memo1"_s).setPlainText(u"noun"_s);
    press(u"Memo1"_s, Qt::Key_F4);
    EXPECT_EQ(control<QPlainTextEdit>(u"Memo1"_s).toPlainText(), u"dɒg\nnoun"_s);
}

TEST_F(WordEntryDialogTest, HotKeysWorkOnlyWithTheirButtonsAndF10AlwaysFocusesTheForeignField) {
    EXPECT_EQ(control<QToolButton>(u"F8"_s).toolTip(), u"Množné číslo"_s);
    EXPECT_TRUE(control<QToolButton>(u"F5"_s).isHidden());
    type(dialog, u"Edit1"_s, u"dogs"_s);
    type(dialog, u"Edit2"_s, u"pes"_s);
    press(u"Edit2"_s, Qt::Key_F8);
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"pes (pl.)"_s);
    EXPECT_EQ(focused(), u"Edit1"_s);
    control<QToolButton>(u"F8"_s).click();
    EXPECT_EQ(text(dialog, u"Edit2"_s), u"pes (pl.)"_s) << "the old note goes, the new one comes";
    control(u"Edit2"_s).setFocus();
    press(u"Edit2"_s, Qt::Key_F5);
    EXPECT_EQ(focused(), u"Edit2"_s) << "F5 has no button in this dictionary";
    press(u"Edit2"_s, Qt::Key_F10);
    EXPECT_EQ(focused(), u"Edit1"_s);

    const QString full(78, u'a'); // "to " would not fit: nothing changes
    control(u"Edit1"_s).setText(full);
    press(u"Edit1"_s, Qt::Key_F6);
    EXPECT_EQ(text(dialog, u"Edit1"_s), full);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(u"error: "_s));
}

TEST_F(WordEntryDialogTest, CharacterMenusTypeIntoTheFieldAsTyped) {
    QAction* letter = dialog.czechMenu().menu().actions().value(0);
    ASSERT_NE(letter, nullptr);
    EXPECT_EQ(letter->text(), u"č (c s háčkem)"_s);
    auto& czech = control(u"Edit2"_s);
    czech.setText(u"pxs"_s);
    czech.setSelection(1, 1);
    czech.setFocus();
    letter->trigger();
    EXPECT_EQ(czech.text(), u"pčs"_s) << "over the selection";
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    czech.setText(u"p"_s);
    QTest::keyClick(&czech, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(czech.text(), u"pč"_s) << "by the item's shortcut";
    control(u"Edit1"_s).setFocus();
    QTest::keyClick(&control(u"Edit1"_s), Qt::Key_C, Qt::AltModifier);
    EXPECT_FALSE(text(dialog, u"Edit1"_s).contains(u'č'))
        << "the Czech menu is not the foreign field's";

    // Another window's answer field gets the foreign characters while it has the focus.
    QWidget exam;
    auto* answer = new QLineEdit(&exam);
    dialog.foreignMenu().attach(answer);
    exam.show();
    answer->setFocus();
    dialog.hide();
    dialog.foreignMenu().menu().actions().value(0)->trigger();
    EXPECT_EQ(answer->text(), u"ä"_s);
    EXPECT_FALSE(text(dialog, u"Edit1"_s).contains(u'ä'));
}

TEST_F(WordEntryDialogTest, KeyboardLayoutFollowsTheFields) {
    std::vector<Layout> layouts;
    dialog.setLayoutSwitch([&layouts](Layout layout) { layouts.push_back(layout); });
    dialog.hide();
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    press(u"Edit1"_s, Qt::Key_Return);
    dialog.hide();
    // Hiding, showing and leaving a field ask for the application's layout, and showing and
    // then activating the window enter the foreign field twice; what counts is the layout in
    // force after each moment.
    layouts.erase(std::unique(layouts.begin(), layouts.end()), layouts.end());
    EXPECT_EQ(layouts,
              (std::vector<Layout>{Layout::Application, Layout::Foreign, Layout::Application,
                                   Layout::Czech, Layout::Application}));
}

} // namespace
