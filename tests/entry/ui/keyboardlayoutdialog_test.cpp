#include "mainwindowfixture.h"

#include <QCheckBox>

namespace {

// Eva's dictionary on a system with the layouts us, cz and de.
class KeyboardLayoutTest : public WordListTest {
protected:
    KeyboardLayoutTest() {
        keyboardLayouts.layouts = {{u"us"_s, {}, u"English (US)"_s},
                                   {u"cz"_s, {}, u"Czech"_s},
                                   {u"de"_s, {}, u"German"_s}};
    }
    // The layouts activated since the last call; one activation for each run of the same one.
    QStringList activated() {
        QStringList layouts;
        for (const QString& layout : std::exchange(keyboardLayouts.activated, {}))
            if (layouts.isEmpty() || layouts.last() != layout)
                layouts << layout;
        return layouts;
    }
};

TEST_F(KeyboardLayoutTest, WithoutKlayoutIniNothingIsChosen) {
    start();
    EXPECT_EQ(status(), u"Chyba čtení souboru "_s + app.path(u"klayout.ini"_s));
    modals.script(u"TOKBottomDlg9"_s, [](QDialog& dialog) {
        EXPECT_FALSE(child<QCheckBox>(dialog, u"AutoChangeLayout"_s).isChecked());
        for (const QString& name : {u"LayoutApp"_s, u"LayoutCZ"_s, u"LayoutOther"_s}) {
            EXPECT_FALSE(child<QComboBox>(dialog, name).isEnabled());
            EXPECT_EQ(child<QComboBox>(dialog, name).currentIndex(), -1);
        }
        click(dialog, u"OKBtn"_s);
    });
    run(u"KeyboardSwitching"_s);
}

// The word entry dialog's fields switch to their languages' layouts while the box is ticked;
// the dialog's changes act at once and saving keeps them for the next start.
TEST_F(KeyboardLayoutTest, TheFieldsSwitchAsTheDialogSays) {
    app.write(u"klayout.ini"_s, "on\r\n67699721\r\n67437573\r\n67568647\r\n");
    start();
    EXPECT_EQ(status(), u"Automatické přepínání klávesnice aktivováno"_s);
    openDictionary();
    run(u"WordEntry"_s);
    auto& entry = child<QDialog>(*window, u"TOKBottomDlg"_s);
    child(entry, u"Edit2"_s).setFocus();
    entry.hide();
    EXPECT_EQ(activated(), QStringList({u"us"_s, u"de"_s, u"us"_s, u"cz"_s, u"us"_s}));

    modals.script(u"TOKBottomDlg9"_s, [this](QDialog& dialog) {
        auto& czech = child<QComboBox>(dialog, u"LayoutCZ"_s);
        EXPECT_EQ(QStringList({czech.itemText(0), czech.itemText(1), czech.itemText(2)}),
                  QStringList({u"Angličtina (USA)"_s, u"Čeština"_s, u"Němčina"_s}));
        EXPECT_EQ(czech.currentIndex(), 1);
        choose(dialog, u"LayoutOther"_s, 0);
        click(dialog, u"AutoChangeLayout"_s);
        EXPECT_FALSE(czech.isEnabled());
        click(dialog, u"SaveBtn"_s);
        click(dialog, u"OKBtn"_s);
    });
    run(u"KeyboardSwitching"_s);
    run(u"WordEntry"_s);
    child(entry, u"Edit2"_s).setFocus();
    EXPECT_EQ(activated(), QStringList()) << "the box is unticked";
    const QString path = app.path(u"klayout.ini"_s);
    EXPECT_EQ(messages.shown, QStringList{u"information: Uloženo do: "_s + path});
    EXPECT_EQ(app.read(u"klayout.ini"_s), "off\r\n67699721\r\n67437573\r\n67699721\r\n");

    QFile::remove(path);
    QDir().mkdir(path); // a folder in the file's place cannot be written
    messages.shown.clear();
    modals.script(u"TOKBottomDlg9"_s, [](QDialog& dialog) {
        click(dialog, u"SaveBtn"_s);
        click(dialog, u"OKBtn"_s);
    });
    run(u"KeyboardSwitching"_s);
    EXPECT_EQ(messages.shown, QStringList{u"error: Chyba zápis souboru "_s + path});
}

} // namespace
