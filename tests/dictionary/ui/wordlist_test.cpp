#include "dictionary/gridlayout.h"
#include "mainwindowfixture.h"
#include "rawsqlite.h"

#include "sound/waveencoding.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

TEST_F(WordListTest, CommandsOnTheOpenDictionarySayWhenNoneIsOpen) {
    start();
    const QStringList commands{
        u"ResetStatistics"_s, u"LoadSettingsSet"_s,   u"WordEntry"_s,  u"EvaluationSettings"_s,
        u"Regenerate"_s,      u"CommaReevaluation"_s, u"AutoExam"_s,   u"SelfExam"_s,
        u"Pronunciation"_s,   u"ExportHtml"_s,        u"ExportTxt"_s,  u"ImportDictionary"_s,
        u"ImportLines"_s,     u"BulkLessonChange"_s,  u"FindLesson"_s, u"AddSounds"_s};
    for (const QString& command : commands)
        run(command);
    EXPECT_EQ(messages.shown, QStringList(commands.size(), u"error: Není vybrán žádný slovník"_s));
    EXPECT_FALSE(child(*window, u"TOKBottomDlg"_s).isVisible()) << "no word entry";
    EXPECT_EQ(app.openTable(u"eva/exam.db"_s)->recordCount(), 0) << "no exam";
}

// The titles and numbers fit the grid's fonts, the lists show their longest item and open
// limited in height.
TEST_F(WordListTest, OpeningShowsTheWordsInCzechOrderWithTheLanguageNamesInFittingSizes) {
    startOnDictionary();
    EXPECT_EQ(column(0).join(u'|'), u"auto|čáp|kočka|pes|řeka|zmrzlina"_s);
    EXPECT_EQ(QStringList({header(0), header(1), header(3)}).join(u'|'),
              u"Česky|Angličtina|Dobře"_s);
    auto& sort = child<QComboBox>(*window, u"ComboSort"_s);
    EXPECT_EQ(sort.itemText(2), u"Lekce -> Česky - > Angličtina"_s);
    EXPECT_TRUE(
        child<QPlainTextEdit>(*window, u"Memo1"_s).toPlainText().contains(u"Moje slovicka"_s));
    EXPECT_EQ(messages.shown, QStringList());

    QFont bold = grid()->font();
    bold.setBold(true);
    const QFontMetrics titles(bold);
    EXPECT_GE(grid()->horizontalHeader()->height(), titles.height());
    for (int column = 0; column < grid()->model()->columnCount(); ++column)
        EXPECT_GT(grid()->columnWidth(column), titles.horizontalAdvance(header(column))) << column;
    for (int column : {2, 3, 4})
        EXPECT_GT(grid()->columnWidth(column), grid()->fontMetrics().horizontalAdvance(u"100000"_s))
            << column;
    EXPECT_EQ(dictionary::loadGridLayout(app.path(u"grid.tmp"_s))[2].width, 47)
        << "grid.tmp keeps its widths";
    QCoreApplication::processEvents(); // the toolbar's layout
    EXPECT_GE(sort.width(), sort.fontMetrics().horizontalAdvance(u"Česky -> Angličtina"_s) + 20);
    auto& lessons = child<QComboBox>(*window, u"ComboBox1"_s);
    lessons.showPopup();
    const QAbstractItemView* list = lessons.view();
    EXPECT_EQ(list->indexAt(QPoint(1, list->viewport()->height() - 1)).row() + 1,
              lessons.maxVisibleItems());
    lessons.hidePopup();
}

TEST_F(WordListTest, EachSortItemHasItsOrderAndColumns) {
    // Item, whether the search box works, the first column's title and words.
    const std::tuple<int, bool, QString> sorts[] = {
        {1, true, u"Angličtina: car|cat|dog|ice cream|river|stork"_s},
        {2, false, u"Česky: kočka|pes|čáp|zmrzlina|auto|řeka"_s},
        {3, false, u"Angličtina: cat|dog|ice cream|stork|car|river"_s},
    };
    startOnDictionary();
    for (const auto& [item, search, firstColumn] : sorts) {
        chooseSort(item);
        EXPECT_EQ(header(0) + u": "_s + column(0).join(u'|'), firstColumn);
        EXPECT_EQ(child(*window, u"Panel2"_s).isEnabled(), search) << item;
    }
}

// The statistics commands ask and change the current word.
TEST_F(WordListTest, StatisticsCommandsLessonFilterAndSearchWorkOnTheShownWords) {
    startOnDictionary();
    ASSERT_EQ(column(3).first(), u"0"_s);
    messages.answer({true, false, true});
    run(u"MarkKnown"_s);
    EXPECT_EQ(column(3).first(), u"100000"_s) << "the grid shows the change at once";
    run(u"ResetStatistics"_s);
    EXPECT_EQ(window->table1().field(u"Dobre"_s).asInteger(), 100000);
    run(u"ResetStatistics"_s);
    EXPECT_EQ(column(3).first(), u"0"_s);

    chooseLesson(u"3"_s);
    EXPECT_EQ(column(0), QStringList({u"auto"_s, u"řeka"_s}));
    run(u"CountWords"_s);
    EXPECT_EQ(messages.shown.last(), u"information: Počet slovíček ve slovníku je: 2"_s);
    chooseLesson(u"vše"_s);
    EXPECT_EQ(column(0).size(), 6);
    chooseLesson(u"0"_s);
    EXPECT_EQ(column(0).size(), 0);
    chooseLesson(u"vše"_s);
    type(*window, u"Edit1"_s, u"p"_s);
    EXPECT_EQ(currentCzech(), u"pes"_s);
    child<QLineEdit>(*window, u"Edit1"_s).clear();
    type(*window, u"Edit1"_s, u"č"_s);
    EXPECT_EQ(currentCzech(), u"čáp"_s);
    EXPECT_EQ(grid()->currentIndex().row(), 1);
}

// Deleting a word is a dangerous confirmation.
TEST_F(WordListTest, EditModeKeepsCountersReadOnlyStoresAnEmptyLessonAsZeroAndAsksBeforeDeleting) {
    startEditing();
    EXPECT_EQ(status(), u"Editace zapnuta"_s);
    auto* model = grid()->model();
    EXPECT_FALSE(model->flags(model->index(0, 3)) & Qt::ItemIsEditable) << "Dobre";
    EXPECT_TRUE(model->setData(model->index(0, 2), QString()));
    click(*window, u"NavPost"_s);
    EXPECT_EQ(model->index(0, 2).data().toString(), u"0"_s);
    messages.answer({false, true});
    for (int times = 0; times < 2; ++times)
        click(*window, u"NavDelete"_s);
    EXPECT_EQ(column(0).size(), 5);
    EXPECT_EQ(messages.shown, QStringList(2, u"dangerous confirm: Smazat záznam?"_s));
    run(u"EditMode"_s);
    EXPECT_EQ(status(), u"Editace vypnuta"_s);
    EXPECT_FALSE(child(*window, u"NavInsert"_s).isVisible());
}

TEST_F(WordListTest, TheCurrentWordsSoundIsLoadedWhenItExists) {
    sound::PcmSound tone;
    tone.samples = QByteArray(8820, '\x80');
    app.write(u"Sounds/.keep"_s, "");
    sound::saveWave(app.path(u"Sounds/ice#20cream.wav"_s), tone);
    startOnDictionary();
    auto& soundButton = child(*window, u"SoundBtn"_s);
    EXPECT_FALSE(soundButton.isEnabled()) << "auto has no sound";
    EXPECT_EQ(status(), u"Zvukový záznam nenalezen."_s);
    type(*window, u"Edit1"_s, u"zm"_s);
    EXPECT_TRUE(soundButton.isEnabled());
    EXPECT_EQ(status(), QString());
    chooseSort(1);
    EXPECT_EQ(grid()->currentIndex().row(), 3) << "the grid stays on ice cream in the new order";
    EXPECT_TRUE(soundButton.isEnabled());
}

// How the user leaves (or confirms) a row whose edits move it to the end of the order, and
// the word the grid then stands on.
enum class Exit { PostButton, ArrowDown, ClickOnAnotherWord, LessonChoice };

struct RowExit {
    const char* name;
    Exit exit;
    const char* czechAfter;
};

class EditedRow : public WordListTest, public ::testing::WithParamInterface<RowExit> {
protected:
    void leave(Exit exit) {
        switch (exit) {
        case Exit::PostButton:
            return click(*window, u"NavPost"_s);
        case Exit::ArrowDown:
            return press(Qt::Key_Down);
        case Exit::ClickOnAnotherWord:
            return clickCell(3, 0);
        case Exit::LessonChoice:
            return chooseLesson(u"vše"_s);
        }
    }
};

TEST_P(EditedRow, IsPostedWhenLeftAndTheGridKeepsToTheWords) {
    startEditing();
    clickCell(1, 0);
    ASSERT_EQ(currentCzech(), u"čáp"_s);
    retypeCell("zzz");
    press(Qt::Key_Tab);
    retypeCell("abc");
    press(Qt::Key_Return);
    EXPECT_EQ(window->table1().state(), store::CursorState::Edit) << "Tab and Enter post nothing";
    EXPECT_EQ(column(0)[1], u"zzz"_s) << "the row shows its edits";
    EXPECT_EQ(column(1)[2], u"cat"_s) << "the next word untouched";

    leave(GetParam().exit);
    EXPECT_EQ(window->table1().state(), store::CursorState::Browse);
    EXPECT_EQ(column(0).join(u'|'), u"auto|kočka|pes|řeka|zmrzlina|zzz"_s);
    EXPECT_EQ(column(1).last(), u"abc"_s);
    EXPECT_EQ(currentCzech(), QString::fromUtf8(GetParam().czechAfter));
    EXPECT_EQ(grid()->currentIndex().siblingAtColumn(0).data().toString(), currentCzech());
    EXPECT_EQ(messages.shown, QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Exits, EditedRow,
    ::testing::Values(RowExit{"PostButton", Exit::PostButton, "zzz"},
                      RowExit{"ArrowDown", Exit::ArrowDown, "kočka"},
                      RowExit{"ClickOnAnotherWord", Exit::ClickOnAnotherWord, "pes"},
                      // A new filter starts at the first word.
                      RowExit{"LessonChoice", Exit::LessonChoice, "auto"}),
    [](const ::testing::TestParamInfo<RowExit>& param) { return param.param.name; });

TEST_F(WordListTest, ARowTheTableRefusesStaysWithItsEditsUntilEsc) {
    startEditing();
    retypeCell("pes"); // auto, the current word
    press(Qt::Key_Tab);
    retypeCell("dog"); // the pair of another word
    press(Qt::Key_Return);
    press(Qt::Key_Down);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(u"error: "_s));
    EXPECT_EQ(window->table1().state(), store::CursorState::Edit);
    EXPECT_EQ(grid()->currentIndex().row(), 0);
    EXPECT_EQ(column(1)[0], u"dog"_s);

    press(Qt::Key_Escape);
    EXPECT_EQ(window->table1().state(), store::CursorState::Browse);
    EXPECT_EQ(column(0)[0], u"auto"_s);
    EXPECT_EQ(column(1)[0], u"car"_s);
}

TEST_F(WordListTest, ANewRowIsShownReadyForTypingAndNeedsBothWords) {
    startEditing();
    clickCell(2, 0);
    click(*window, u"NavInsert"_s);
    EXPECT_EQ(column(0).join(u'|'), u"auto|čáp||kočka|pes|řeka|zmrzlina"_s)
        << "the new row before the current word";
    EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(2, 0));
    EXPECT_EQ(window->focusWidget(), grid());
    click(*window, u"NavPost"_s);
    EXPECT_EQ(messages.shown,
              QStringList({u"error: Slovíčko nelze uložit: musí mít vyplněno české i "
                           "cizojazyčné slovo."_s}));
    EXPECT_EQ(window->table1().state(), store::CursorState::Insert);
    click(*window, u"NavCancel"_s);
    EXPECT_EQ(column(0).size(), 6);

    click(*window, u"NavInsert"_s);
    press(Qt::Key_Escape);
    EXPECT_EQ(column(0).size(), 6);
    EXPECT_EQ(window->table1().state(), store::CursorState::Browse);

    click(*window, u"NavInsert"_s);
    typeInGrid("les");
    press(Qt::Key_Tab);
    typeInGrid("forest");
    press(Qt::Key_Return);
    click(*window, u"NavPost"_s);
    EXPECT_EQ(column(0).join(u'|'), u"auto|čáp|kočka|les|pes|řeka|zmrzlina"_s);
    EXPECT_EQ(grid()->currentIndex().row(), 3);
    EXPECT_EQ(window->table1().field(u"Otherzk"_s).asString(), u"forest"_s);
    EXPECT_EQ(messages.shown.size(), 1);
}

// The post hook derives the test words by the dictionary's code.ini; the description pane
// saves what is typed in it.
TEST_F(WordListTest, EditsInEditModeKeepTheDictionarysRules) {
    app.write(u"eva/Angličtina/code.ini"_s, "casesensitive=yes\r\n");
    startEditing();
    auto* model = grid()->model();
    EXPECT_TRUE(model->setData(model->index(0, 1), u"The Car (auto) !"_s));
    click(*window, u"NavPost"_s);
    EXPECT_EQ(window->table1().field(u"Otherzk"_s).asString(), u"The Car"_s)
        << "case kept, note and punctuation gone";

    auto& memo = child<QPlainTextEdit>(*window, u"DBMemo1"_s);
    memo.setPlainText(u"[ɔːtəʊ]"_s);
    memo.document()->setModified(true);
    QFocusEvent leaving(QEvent::FocusOut);
    QCoreApplication::sendEvent(&memo, &leaving);
    window->table1().refresh();
    EXPECT_EQ(window->table1().field(u"Popis"_s).asMemo(), u"[ɔːtəʊ]"_s);
}

class DictionaryCommandsTest : public WordListTest {
protected:
    // Scripts the new-dictionary dialog: a dictionary set by hand, closed by the button.
    void newGerman(const QString& button) {
        modals.script(u"OKBottomDlg3"_s, [button](QDialog& dialog) {
            child<QRadioButton>(dialog, u"RadioManual"_s).click();
            child<QLineEdit>(dialog, u"Edit1"_s).setText(u"Nemcina"_s);
            child<QLineEdit>(dialog, u"Edit2"_s).setText(u"Deutsch"_s);
            click(dialog, button);
        });
        run(u"NewDictionary"_s);
    }
};

// The new dictionary is listed, nothing selected, and opens.
TEST_F(DictionaryCommandsTest, AnyNewDictionaryAttemptLeavesNothingOfTheOpenOne) {
    start();
    for (const QString& button : {u"CancelBtn"_s, u"OKBtn"_s}) {
        SCOPED_TRACE(button.toStdString());
        openDictionary();
        type(*window, u"Edit1"_s, u"p"_s);
        window->table1().edit();
        window->table1().field(u"Popis"_s).setAsMemo(u"štěká"_s);
        window->table1().post();
        ASSERT_EQ(child<QPlainTextEdit>(*window, u"DBMemo1"_s).toPlainText(), u"štěká"_s);
        newGerman(button);
        EXPECT_FALSE(window->table1().active());
        for (const QString& pane : {u"Memo1"_s, u"DBMemo1"_s})
            EXPECT_EQ(child<QPlainTextEdit>(*window, pane).toPlainText(), QString());
        EXPECT_EQ(text(*window, u"Edit1"_s), QString());
    }
    auto& list = child<QListWidget>(*window, u"ListBox1"_s);
    EXPECT_EQ(items(list), QStringList({u"Angličtina"_s, u"Nemcina"_s}));
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(QFile::exists(app.path(u"eva/Nemcina/dictonary.db"_s)));
    list.setCurrentRow(1);
    emit list.itemClicked(list.item(1));
    EXPECT_TRUE(window->table1().active());
    EXPECT_EQ(child<QComboBox>(*window, u"ComboSort"_s).itemText(1), u"Deutsch -> Česky"_s);
    EXPECT_EQ(messages.shown, QStringList());
}

TEST_F(DictionaryCommandsTest, SettingsSetReplacesTheSettingsAndKeepsTheNote) {
    app.write(u"_other_/setinis/Nemcina.ini"_s,
              "language=N\xecm\xe8ina\r\n{[..memo..]}\r\nZe sady\r\n{[..endmemo..]}\r\n");
    startOnDictionary();
    modals.script(u"DLGAsociate"_s, [](QDialog& dialog) {
        child<QListWidget>(dialog, u"ListBox1"_s).setCurrentRow(0);
        click(dialog, u"OKBtn"_s);
    });
    run(u"LoadSettingsSet"_s);
    EXPECT_EQ(messages.shown, QStringList({u"information: Nastavení bylo změněno."_s}));
    EXPECT_EQ(child<QComboBox>(*window, u"ComboSort"_s).itemText(0), u"Česky -> Němčina"_s);
    const QString notes = child<QPlainTextEdit>(*window, u"Memo1"_s).toPlainText();
    EXPECT_LT(notes.indexOf(u"Moje slovicka"_s), notes.indexOf(u"Ze sady"_s));
    EXPECT_GE(notes.indexOf(u"Moje slovicka"_s), 0);
}

TEST_F(DictionaryCommandsTest, OldFormatDictionaryOpensInItsPrimaryOrderWithTheWarning) {
    ASSERT_EQ(rawExecute(app.path(u"eva/Angličtina/dictonary.db"_s),
                         "DELETE FROM lexiton_indexes WHERE name IN ('czechtoothernew', "
                         "'othertoczechnew')"),
              SQLITE_OK);
    startOnDictionary();
    EXPECT_EQ(window->table1().indexName(), QString());
    EXPECT_EQ(column(0).first(), u"auto"_s);
    EXPECT_TRUE(
        child<QPlainTextEdit>(*window, u"Memo1"_s)
            .toPlainText()
            .startsWith(
                u"Slovník z ver. 1.6 a nižší.\nČti Nápověda->Obsah->Instalační informace.\n------\nMoje slovicka"_s));
    chooseSort(1);
    EXPECT_EQ(window->table1().indexName(), u"othertoczech"_s);
}

// Closing the program keeps the word being typed into the grid, as leaving its row does; a
// word the table refuses keeps the window open with the reason shown.
TEST_F(WordListTest, ClosingPostsTheRowBeingEdited) {
    startEditing();
    clickCell(1, 0);
    retypeCell("zzz");
    press(Qt::Key_Return);
    messages.answer({false});
    window->close();
    EXPECT_EQ(messages.shown.takeLast(), u"confirm: Ukončit aplikaci ?."_s);
    EXPECT_TRUE(column(0).contains(u"zzz"_s));
    EXPECT_EQ(window->table1().state(), store::CursorState::Browse);

    clickCell(1, 0);
    retypeCell("");
    press(Qt::Key_Return);
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messages.shown.takeLast(),
              u"error: Slovíčko nelze uložit: musí mít vyplněno české i cizojazyčné slovo."_s);
}

} // namespace
