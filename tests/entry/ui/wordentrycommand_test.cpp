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

} // namespace
