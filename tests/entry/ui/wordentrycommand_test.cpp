#include "mainwindowfixture.h"

#include <QApplication>
#include <QCheckBox>

namespace {

TEST_F(WordListTest, TwentyWordsGoInByKeyboardAlone) {
    startOnDictionary();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_F2, Qt::ControlModifier);
    auto& dialog = child<QDialog>(*window, u"TOKBottomDlg"_s);
    ASSERT_TRUE(dialog.isVisible());
    for (int i = 0; i < 20; ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, &child(dialog, u"Edit1"_s)) << "entry " << i;
        QTest::keyClicks(focused, u"word %1"_s.arg(i));
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), u"slovo %1"_s.arg(i));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(window->table1().recordCount(), 26);
    EXPECT_TRUE(window->table1().findKey({u"slovo 19"_s, u"word 19"_s}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Escape minimises only when the settings say so";
}

TEST_F(WordListTest, ExamIniGivesTheWordEntryDialogItsColoursAndJump) {
    app.write(u"eva/exam.ini"_s,
              "escape=no\r\njump=yes\r\nbgeditcoloradd=0x00FFEAC7\r\nfontcoloradd=0x000000FF\r\n");
    start();
    auto& dialog = child<QDialog>(*window, u"TOKBottomDlg"_s);
    EXPECT_TRUE(child<QCheckBox>(dialog, u"CheckBox1"_s).isChecked());
    // Colours are 0x00BBGGRR.
    EXPECT_EQ(child(dialog, u"Edit1"_s).palette().color(QPalette::Base), QColor(0xC7, 0xEA, 0xFF));
    EXPECT_EQ(dialog.palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
}

// The word entry fields switch to their languages' layouts while the box is ticked; the keyboard
// layout dialog's changes act at once and saving keeps them for the next start.
TEST_F(WordListTest, TheKeyboardLayoutFollowsTheFieldsAsTheDialogSays) {
    keyboardLayouts.layouts = {{u"us"_s, {}, {}}, {u"cz"_s, {}, {}}, {u"de"_s, {}, {}}};
    app.write(u"klayout.ini"_s, "on\r\n67699721\r\n67437573\r\n67568647\r\n");
    start();
    EXPECT_EQ(status(), u"Automatické přepínání klávesnice aktivováno"_s);
    openDictionary();
    run(u"WordEntry"_s);
    auto& entry = child<QDialog>(*window, u"TOKBottomDlg"_s);
    child(entry, u"Edit2"_s).setFocus();
    entry.hide();
    QStringList& activated = keyboardLayouts.activated; // one entry per run of one layout
    activated.erase(std::unique(activated.begin(), activated.end()), activated.end());
    EXPECT_EQ(activated, QStringList({u"us"_s, u"de"_s, u"us"_s, u"cz"_s, u"us"_s}));

    const QString path = app.path(u"klayout.ini"_s);
    QFile::remove(path);
    QDir().mkdir(path); // a folder in the file's place cannot be written
    modals.script(u"TOKBottomDlg9"_s, [&path](QDialog& dialog) {
        auto& czech = child<QComboBox>(dialog, u"LayoutCZ"_s);
        EXPECT_EQ(QStringList({czech.itemText(0), czech.itemText(1), czech.itemText(2)}),
                  QStringList({u"Angličtina (USA)"_s, u"Čeština"_s, u"Němčina"_s}));
        EXPECT_EQ(czech.currentIndex(), 1);
        choose(dialog, u"LayoutOther"_s, 0);
        click(dialog, u"AutoChangeLayout"_s);
        EXPECT_FALSE(czech.isEnabled());
        click(dialog, u"SaveBtn"_s);
        QDir().rmdir(path);
        click(dialog, u"SaveBtn"_s);
        click(dialog, u"OKBtn"_s);
    });
    run(u"KeyboardSwitching"_s);
    activated.clear();
    run(u"WordEntry"_s);
    child(entry, u"Edit2"_s).setFocus();
    EXPECT_EQ(activated, QStringList()) << "the box is unticked";
    EXPECT_EQ(messages.shown, QStringList({u"error: Chyba zápis souboru "_s + path,
                                           u"information: Uloženo do: "_s + path}));
    EXPECT_EQ(app.read(u"klayout.ini"_s), "off\r\n67699721\r\n67437573\r\n67699721\r\n");
}

} // namespace
