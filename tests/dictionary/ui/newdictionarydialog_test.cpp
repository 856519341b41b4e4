#include "dictionary/ui/newdictionarydialog.h"
#include "mainwindowfixture.h"

#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

using dictionary::FontSetting;

const FontSetting kCzechDefault{u"Arial"_s, 238, false, false, 12};
const FontSetting kOtherDefault{u"Arial"_s, 0, false, false, 12};
const FontSetting kDescriptionDefault{u"Rezur OV ezuvizer"_s, 238, false, false, 12};

QFont styled(const QString& family, int size, bool bold, bool italic) {
    QFont chosen(family, size);
    chosen.setBold(bold);
    chosen.setItalic(italic);
    return chosen;
}

class NewDictionaryDialogTest : public MainWindowFixture {
protected:
    // Clicks the radio button's circle, as a user does.
    static void choose(QDialog& shown, const QString& radioName) {
        auto& radio = child<QRadioButton>(shown, radioName);
        QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(6, radio.height() / 2));
    }
    static void chooseManual(QDialog& shown) { choose(shown, u"RadioManual"_s); }
    static void typeNote(QDialog& shown, const QStringList& lines) {
        auto& note = child<QPlainTextEdit>(shown, u"Memo1"_s);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(&note, Qt::Key_Return);
            typeKeys(note, lines[i]);
        }
    }
    static bool manualControlsEnabled(QDialog& shown) {
        const bool language = child<QLineEdit>(shown, u"Edit2"_s).isEnabled();
        for (const QString& name : {u"Button1"_s, u"Button2"_s, u"Button3"_s})
            EXPECT_EQ(child<QAbstractButton>(shown, name).isEnabled(), language)
                << name.toStdString();
        return language;
    }

    dictionary::NewDictionaryDialog dialog{services, state};
};

// The question mark opens the help page and leaves the dialog open; Cancel checks nothing.
// Each showing offers the settings from a settings set, which need only a name.
TEST_F(NewDictionaryDialogTest, EachShowingStartsFromTheDefaultsAndByHandEnablesTheRest) {
    fonts.answer(styled(u"Times"_s, 16, true, true));
    modals.script(u"OKBottomDlg3"_s, [](QDialog& shown) {
        chooseManual(shown);
        type(shown, u"Edit1"_s, u"Němčina"_s);
        type(shown, u"Edit2"_s, u"Německy"_s);
        typeNote(shown, {u"lekce 1"_s});
        click(shown, u"Button1"_s);
        click(shown, u"OKBtn"_s);
    });
    ASSERT_TRUE(dialog.run());
    modals.script(u"OKBottomDlg3"_s, [](QDialog& shown) {
        chooseManual(shown);
        click(shown, u"HelpBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        click(shown, u"CancelBtn"_s);
    });
    EXPECT_FALSE(dialog.run());
    EXPECT_TRUE(dialog.cancelled());
    EXPECT_EQ(system.opened, QStringList{state.helpPage(u"newdic.html"_s)});
    modals.script(u"OKBottomDlg3"_s, [this](QDialog& shown) {
        EXPECT_TRUE(child<QRadioButton>(shown, u"RadioFromSettings"_s).isChecked());
        EXPECT_FALSE(manualControlsEnabled(shown));
        EXPECT_EQ(text(shown, u"Edit1"_s), QString());
        EXPECT_EQ(text(shown, u"Edit2"_s), QString());
        EXPECT_EQ(child<QPlainTextEdit>(shown, u"Memo1"_s).toPlainText(), QString());
        chooseManual(shown);
        EXPECT_TRUE(manualControlsEnabled(shown));
        choose(shown, u"RadioFromSettings"_s);
        EXPECT_FALSE(manualControlsEnabled(shown));
        click(shown, u"OKBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        EXPECT_EQ(messages.shown, QStringList{u"error: Musíš vyplnit název slovníku."_s});
        type(shown, u"Edit1"_s, u"Slovíčka ze školy"_s);
        click(shown, u"OKBtn"_s);
    });
    const auto choice = dialog.run();
    ASSERT_TRUE(choice);
    EXPECT_FALSE(dialog.cancelled());
    EXPECT_EQ(std::tuple(choice->name, choice->manual, choice->language, choice->noteLines),
              std::tuple(u"Slovíčka ze školy"_s, false, QString(), QStringList()));
    EXPECT_EQ(std::tuple(choice->czech, choice->other, choice->description),
              std::tuple(kCzechDefault, kOtherDefault, kDescriptionDefault));
}

// The boxes keep the texts within their lengths.
TEST_F(NewDictionaryDialogTest, OkByHandNeedsTheNameAndTheLanguage) {
    const QString refusal = u"error: Musíš vyplnit název slovníku a jazyk."_s;
    modals.script(u"OKBottomDlg3"_s, [&](QDialog& shown) {
        chooseManual(shown);
        type(shown, u"Edit1"_s, QString(35, u'n'));
        click(shown, u"OKBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        child<QLineEdit>(shown, u"Edit1"_s).clear();
        type(shown, u"Edit2"_s, QString(30, u'j'));
        click(shown, u"OKBtn"_s);
        EXPECT_TRUE(shown.isVisible());
        type(shown, u"Edit1"_s, QString(35, u'n'));
        typeNote(shown, {u"Slovíčka z učebnice,"_s, QString(), u"  lekce 1 až 5"_s});
        click(shown, u"OKBtn"_s);
    });
    const auto choice = dialog.run();
    EXPECT_EQ(messages.shown, (QStringList{refusal, refusal}));
    ASSERT_TRUE(choice);
    EXPECT_TRUE(choice->manual);
    EXPECT_EQ(choice->name, QString(30, u'n'));
    EXPECT_EQ(choice->language, QString(25, u'j'));
    EXPECT_EQ(choice->noteLines,
              (QStringList{u"Slovíčka z učebnice,"_s, QString(), u"  lekce 1 až 5"_s}));
}

// Only the pronunciation face loses bold and italic, and only for the description.
TEST_F(NewDictionaryDialogTest, EachFontIsChosenBetweenEightAndEighteenPoints) {
    fonts.answer(styled(u"Times"_s, 16, true, true));
    fonts.answer(styled(u"Rezur OV ezuvizer"_s, 14, true, true));
    fonts.answer(styled(u"Rezur OV ezuvizer"_s, 10, true, true));
    fonts.answer(std::nullopt);
    fonts.answer(styled(u"Courier"_s, 9, true, true));
    const auto chooseFonts = [](const QStringList& buttons) {
        return [buttons](QDialog& shown) {
            chooseManual(shown);
            type(shown, u"Edit1"_s, u"Ruština"_s);
            type(shown, u"Edit2"_s, u"Rusky"_s);
            for (const QString& button : buttons)
                click(shown, button);
            click(shown, u"OKBtn"_s);
        };
    };
    modals.script(u"OKBottomDlg3"_s, chooseFonts({u"Button1"_s, u"Button2"_s, u"Button3"_s}));
    const auto first = dialog.run();
    modals.script(u"OKBottomDlg3"_s, chooseFonts({u"Button2"_s, u"Button3"_s}));
    const auto second = dialog.run();
    QStringList requests; // the face offered, its size and style, and the range
    for (const auto& request : fonts.requests)
        requests << u"%1 %2 %3 %4-%5"_s.arg(request.initial.family())
                        .arg(request.initial.pointSize())
                        .arg(int(request.initial.bold() || request.initial.italic()))
                        .arg(request.minimumSize)
                        .arg(request.maximumSize);
    EXPECT_EQ(requests.join(u'|'), u"Arial 12 0 8-18|Arial 12 0 8-18|Rezur OV ezuvizer 12 0 8-18|"
                                   u"Arial 12 0 8-18|Rezur OV ezuvizer 12 0 8-18"_s);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->czech, (FontSetting{u"Times"_s, 238, true, true, 16}));
    EXPECT_EQ(first->other, (FontSetting{u"Rezur OV ezuvizer"_s, 0, true, true, 14}));
    EXPECT_EQ(first->description, (FontSetting{u"Rezur OV ezuvizer"_s, 238, false, false, 10}));
    EXPECT_EQ(second->other, kOtherDefault);
    EXPECT_EQ(second->description, (FontSetting{u"Courier"_s, 238, true, true, 9}));
}

} // namespace
