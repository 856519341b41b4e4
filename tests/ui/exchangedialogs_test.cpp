#include "dialogfixture.h"

#include "exchange/ui/bulkchangedialog.h"
#include "exchange/ui/lessonselectiondialog.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

const QStringList kLessonItems{u"vše"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};

const QString kLastLessonChanged =
    u"warning: \"Do lekce\" musím mít menší hodnotu než maximum lekcí. \"Do lekce\" bylo "
    u"změněno."_s;
const QString kStartChanged =
    u"warning: \"Začni na\" MUSÍ BÝT VĚTŠÍ NEŽ \"do lekce\" - \"Začni na\" bylo změněno"_s;

class ExchangeDialogsTest : public DialogFixture {
protected:
    static void choose(QDialog& dialog, const QString& listName, int position) {
        auto& list = child<QComboBox>(dialog, listName);
        list.setCurrentIndex(position);
        emit list.activated(position);
    }
    static int chosen(QDialog& dialog, const QString& listName) {
        return child<QComboBox>(dialog, listName).currentIndex();
    }

    exchange::LessonSelectionDialog selLekce{services};
    exchange::BulkChangeDialog multiChange{services};
};

TEST_F(ExchangeDialogsTest, LessonSelectionOffersTheLessonListWithAllLessonsFirst) {
    for (const auto& [position, lesson] :
         std::vector<std::pair<int, std::optional<int>>>{{0, std::nullopt}, {3, 2}, {1, 0}}) {
        modals.script(u"TSelLekceDlg"_s, [position = position](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), u"Výběr lekce"_s);
            EXPECT_EQ(chosen(dialog, u"ComboBox1"_s), 0);
            EXPECT_EQ(child<QComboBox>(dialog, u"ComboBox1"_s).count(), kLessonItems.size());
            child<QComboBox>(dialog, u"ComboBox1"_s).setCurrentIndex(position);
            click(dialog, u"OKBtn"_s);
        });
        const std::optional<exchange::LessonChoice> choice = selLekce.run(kLessonItems);
        ASSERT_TRUE(choice.has_value());
        EXPECT_EQ(choice->lesson, lesson) << position;
    }
    modals.script(u"TSelLekceDlg"_s, [](QDialog& dialog) { click(dialog, u"CancelBtn"_s); });
    EXPECT_FALSE(selLekce.run(kLessonItems).has_value());
}

TEST_F(ExchangeDialogsTest, BulkChangeStartsOnLessonZeroAndMovesByDefault) {
    modals.script(u"TMultiChange"_s, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"Hromadná změna"_s);
        EXPECT_EQ(child<QComboBox>(dialog, u"ComboBox4"_s).count(), 6);
        EXPECT_EQ(child<QComboBox>(dialog, u"ComboBox3"_s).count(), 250);
        EXPECT_EQ(child<QComboBox>(dialog, u"ComboBox3"_s).currentText(), u"35"_s);
        EXPECT_TRUE(child<QComboBox>(dialog, u"ComboBox1"_s).isEnabled());
        EXPECT_FALSE(child<QComboBox>(dialog, u"ComboBox2"_s).isEnabled());
        EXPECT_FALSE(child<QComboBox>(dialog, u"ComboBox3"_s).isEnabled());
        choose(dialog, u"ComboBox4"_s, 3);
        EXPECT_EQ(chosen(dialog, u"ComboBox5"_s), 3); // the range never runs backwards
        choose(dialog, u"ComboBox5"_s, 5);
        choose(dialog, u"ComboBox1"_s, 4);
        click(dialog, u"OKBtn"_s);
    });
    const std::optional<exchange::BulkLessonChoice> choice = multiChange.run(kLessonItems);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(*choice, (exchange::BulkLessonChoice{3, 5, exchange::BulkLessonChoice::Mode::MoveTo,
                                                   4, 0, 35}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ExchangeDialogsTest, SpreadingKeepsTheRangeBelowTheHighestLessonAndTheStartAboveIt) {
    modals.script(u"TMultiChange"_s, [this](QDialog& dialog) {
        choose(dialog, u"ComboBox5"_s, 5);
        child<QRadioButton>(dialog, u"SpreadButton"_s).click();
        EXPECT_FALSE(child<QComboBox>(dialog, u"ComboBox1"_s).isEnabled());
        EXPECT_TRUE(child<QComboBox>(dialog, u"ComboBox3"_s).isEnabled());
        EXPECT_EQ(messages.shown, QStringList({kLastLessonChanged, kStartChanged}));
        EXPECT_EQ(chosen(dialog, u"ComboBox5"_s), 4);
        EXPECT_EQ(chosen(dialog, u"ComboBox2"_s), 5);
        choose(dialog, u"ComboBox3"_s, 9);
        click(dialog, u"OKBtn"_s);
    });
    const std::optional<exchange::BulkLessonChoice> choice = multiChange.run(kLessonItems);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(*choice, (exchange::BulkLessonChoice{0, 4, exchange::BulkLessonChoice::Mode::Spread,
                                                   0, 5, 10}));
}

TEST_F(ExchangeDialogsTest, ShowingAgainKeepsSpreadingAndOkFirstPutsTheStartAboveTheRange) {
    modals.script(u"TMultiChange"_s, [](QDialog& dialog) {
        child<QRadioButton>(dialog, u"SpreadButton"_s).click();
        click(dialog, u"CancelBtn"_s);
    });
    EXPECT_FALSE(multiChange.run(kLessonItems).has_value());
    messages.shown.clear();
    modals.script(u"TMultiChange"_s, [this](QDialog& dialog) {
        EXPECT_TRUE(child<QRadioButton>(dialog, u"SpreadButton"_s).isChecked());
        EXPECT_EQ(chosen(dialog, u"ComboBox2"_s), 0);
        click(dialog, u"OKBtn"_s);
        EXPECT_TRUE(dialog.isVisible()); // the user sees the corrected start first
        EXPECT_EQ(messages.shown, QStringList{kStartChanged});
        EXPECT_EQ(chosen(dialog, u"ComboBox2"_s), 1);
        click(dialog, u"OKBtn"_s);
    });
    const std::optional<exchange::BulkLessonChoice> choice = multiChange.run(kLessonItems);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->startLesson, 1);
}

} // namespace
