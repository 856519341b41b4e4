#include "mainwindowfixture.h"

#include "exchange/ui/bulkchangedialog.h"

namespace {

// The lessons offered as the main window offers them: every lesson first.
const QStringList kLessonItems{u"vše"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};

const QString kLastLessonChanged =
    u"warning: \"Do lekce\" musím mít menší hodnotu než maximum lekcí. \"Do lekce\" bylo "
    u"změněno."_s;
const QString kStartChanged =
    u"warning: \"Začni na\" MUSÍ BÝT VĚTŠÍ NEŽ \"do lekce\" - \"Začni na\" bylo změněno"_s;

class ExchangeDialogsTest : public MainWindowFixture {
protected:
    static int chosen(QDialog& dialog, const QString& listName) {
        return child<QComboBox>(dialog, listName).currentIndex();
    }

    exchange::BulkChangeDialog multiChange{services};
};

// Spreading keeps the range below the highest lesson and the start above it; shown again,
// the dialog still spreads and OK first puts the start, back on lesson 0, above the range.
TEST_F(ExchangeDialogsTest, SpreadingKeepsTheRangeBelowTheHighestLessonAndTheStartAboveIt) {
    modals.script(u"TMultiChange"_s, [this](QDialog& dialog) {
        choose(dialog, u"ComboBox5"_s, 5);
        click(dialog, u"SpreadButton"_s);
        EXPECT_FALSE(child(dialog, u"ComboBox1"_s).isEnabled());
        EXPECT_EQ(messages.shown, QStringList({kLastLessonChanged, kStartChanged}));
        EXPECT_EQ(chosen(dialog, u"ComboBox5"_s), 4);
        EXPECT_EQ(chosen(dialog, u"ComboBox2"_s), 5);
        choose(dialog, u"ComboBox3"_s, 9);
        click(dialog, u"OKBtn"_s);
    });
    EXPECT_EQ(
        multiChange.run(kLessonItems),
        (exchange::BulkLessonChoice{0, 4, exchange::BulkLessonChoice::Mode::Spread, 0, 5, 10}));
    modals.script(u"TMultiChange"_s, [this](QDialog& dialog) {
        EXPECT_EQ(chosen(dialog, u"ComboBox2"_s), 0);
        click(dialog, u"OKBtn"_s);
        EXPECT_TRUE(dialog.isVisible()); // the user sees the corrected start first
        EXPECT_EQ(messages.shown.value(2), kStartChanged);
        EXPECT_EQ(chosen(dialog, u"ComboBox2"_s), 1);
        click(dialog, u"CancelBtn"_s);
    });
    EXPECT_FALSE(multiChange.run(kLessonItems).has_value());
}

} // namespace
