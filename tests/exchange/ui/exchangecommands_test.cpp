#include "mainwindowfixture.h"

#include "core/cp1250linereader.h"

#include <QRadioButton>

namespace {

class ExchangeCommandsTest : public WordListTest {
protected:
    QStringList fileLines(const QString& relative) {
        QFile file(app.path(relative));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
        return core::splitCp1250Lines(file.readAll());
    }
    // Czech expression and lesson of every entry, in the order the grid shows.
    QStringList lessons() { return tableRows(window->table1(), {u"Czech"_s, u"Lekce"_s}); }
    QString comboText(const QString& name) { return child<QComboBox>(*window, name).currentText(); }
};

TEST_F(ExchangeCommandsTest, TxtExportWritesTheShownLessonIntoResultsAndSaysWhere) {
    startOnDictionary();
    chooseLesson(u"1"_s);
    messages.answer({true});
    system.works = false;
    run(u"ExportTxt"_s);
    EXPECT_EQ(messages.shown, (QStringList{u"confirm: Celkem exportovat 2 slovíček"_s,
                                           u"warning: Systém nedokázal otevřít \""_s +
                                               app.path(u"eva/results/export.txt"_s) + u"\"."_s}));
    EXPECT_EQ(status(), u"Export zapsán do eva/results/export.txt"_s);
    EXPECT_EQ(
        fileLines(u"eva/results/export.txt"_s),
        QStringList({u"kočka\tcat\t1\t\t0\t0\tkočka\tcat"_s, u"pes\tdog\t1\t\t0\t0\tpes\tdog"_s}));
}

TEST_F(ExchangeCommandsTest, HtmlExportHeadsTheTableWithTheLessonAndTheLanguages) {
    app.write(u"_other_/templateEX.html"_s,
              "<HTML>\r\n{[..here..]}\r\nborder=yes\r\n{[..end..]}\r\n</HTML>\r\n");
    startOnDictionary();
    chooseLesson(u"2"_s);
    messages.answer({false, true});
    run(u"ExportHtml"_s); // No writes nothing
    EXPECT_FALSE(QFile::exists(app.path(u"eva/results/export.html"_s)));
    run(u"ExportHtml"_s);
    const QStringList lines = fileLines(u"eva/results/export.html"_s);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{u"<HTML>"_s, u"<B>Lekce: 2</B><P>"_s,
                                            u"<TABLE WIDTH=\"100%\" BORDER>"_s}));
    EXPECT_TRUE(lines.join(u'\n').contains(u">Angličtina</FONT>"_s));
    EXPECT_TRUE(lines.contains(u"<TD>ice cream</TD>"_s));
    EXPECT_EQ(system.opened, QStringList{app.path(u"eva/results/export.html"_s)});
    EXPECT_EQ(status(), u"Export zapsán do eva/results/export.html"_s);
}

TEST_F(ExchangeCommandsTest, TabSeparatedImportAddsNewWordsAndTheGridShowsThem) {
    app.write(u"slova.txt"_s,
              "d\xf9m\thouse\t4\tprvn\xed*druh\xfd\r\npes\tdog\t1\r\nbez lekce\tno lesson\r\n"
              "strom\ttree\t\r\n");
    startOnDictionary();
    chooseSort(3);
    files.answer(app.path(u"slova.txt"_s));
    messages.answer({true});
    run(u"ImportTabs"_s);
    EXPECT_EQ(files.requests.at(0).filter, u"Textové soubory (*.txt)"_s);
    EXPECT_EQ(messages.shown.mid(messages.shown.size() - 2),
              (QStringList{u"information: Úspěšně přidáno 2 slovíček. Nemohlo být přidáno 1 "
                           u"slovíček"_s,
                           u"warning: Nenačten 1 řádek bez druhého tabulátoru (řádek má tvar "
                           u"česky TAB cize TAB lekce TAB popis)."_s}));
    EXPECT_EQ(comboText(u"ComboSort"_s), u"Česky -> Angličtina"_s);
    EXPECT_EQ(column(0), QStringList({u"auto"_s, u"čáp"_s, u"dům"_s, u"kočka"_s, u"pes"_s,
                                      u"řeka"_s, u"strom"_s, u"zmrzlina"_s}));
    ASSERT_TRUE(window->table1().findKey({u"dům"_s, u"house"_s}));
    EXPECT_EQ(window->table1().field(u"Popis"_s).asMemo(), u"první\r\ndruhý"_s);
}

TEST_F(ExchangeCommandsTest, ImportFromAnotherDictionaryTakesTheChosenLessonWithItsStatistics) {
    app.table(u"zdroj/dictonary.db"_s, u"dictonary"_s);
    {
        const auto source = app.open(u"zdroj/dictonary.db"_s);
        source->appendRecord({u"pes"_s, u"dog"_s, 1, 5, 5, QString(), 0, u"pes"_s, u"dog"_s});
        source->appendRecord({u"dům"_s, u"house"_s, 1, 7, 1, u"stavba"_s, 0, QString(), QString()});
        source->appendRecord({u"strom"_s, u"tree"_s, 2, 3, 4, QString(), 0, u"strom"_s, u"tree"_s});
    }
    startOnDictionary();
    files.answer(std::nullopt); // a cancelled choice asks for nothing more
    run(u"ImportDictionaryWithStatistics"_s);
    EXPECT_TRUE(messages.shown.isEmpty());
    files.answer(app.path(u"zdroj/dictonary.db"_s));
    modals.script(u"TSelLekceDlg"_s, [](QDialog& dialog) {
        child<QComboBox>(dialog, u"ComboBox1"_s).setCurrentIndex(2); // lesson 1
        click(dialog, u"OKBtn"_s);
    });
    run(u"ImportDictionaryWithStatistics"_s);
    EXPECT_EQ(files.requests.back().filter, u"Slovníky (dictonary.db)"_s);
    EXPECT_EQ(messages.shown,
              QStringList{u"information: Úspěšně přidáno 1 slovíček. Nemohlo být přidáno 1 "
                          u"slovíček"_s});
    EXPECT_EQ(column(0).size(), 7);
    store::Cursor& table = window->table1();
    ASSERT_TRUE(table.findKey({u"dům"_s, u"house"_s}));
    EXPECT_EQ(table.field(u"Dobre"_s).asInteger(), 7);
    EXPECT_EQ(table.field(u"Czechzk"_s).asString(), u"dům"_s);
}

TEST_F(ExchangeCommandsTest, BulkMoveLeavesTheLessonOrderAndShowsEveryLesson) {
    startOnDictionary();
    chooseSort(2);
    chooseLesson(u"3"_s);
    modals.script(u"TMultiChange"_s, [](QDialog& dialog) {
        choose(dialog, u"ComboBox4"_s, 2);
        choose(dialog, u"ComboBox5"_s, 3);
        choose(dialog, u"ComboBox1"_s, 7);
        click(dialog, u"OKBtn"_s);
    });
    messages.answer({true});
    run(u"BulkLessonChange"_s);
    EXPECT_EQ(messages.shown,
              QStringList({u"dangerous confirm: Opravdu provést hromadnou změnu lekce BEZ možnosti "
                           u"návratu ?"_s,
                           u"information: Změna proběhla ..."_s}));
    EXPECT_EQ(comboText(u"ComboSort"_s), u"Česky -> Angličtina"_s);
    EXPECT_EQ(comboText(u"ComboBox1"_s), u"vše"_s);
    EXPECT_EQ(lessons(), QStringList({u"auto|7"_s, u"čáp|7"_s, u"kočka|1"_s, u"pes|1"_s,
                                      u"řeka|7"_s, u"zmrzlina|7"_s}));
}

TEST_F(ExchangeCommandsTest, BulkSpreadStopsAtTheHighestLesson) {
    startOnDictionary();
    modals.script(u"TMultiChange"_s, [](QDialog& dialog) {
        choose(dialog, u"ComboBox5"_s, 3);
        click(dialog, u"SpreadButton"_s);
        choose(dialog, u"ComboBox2"_s, 98);
        choose(dialog, u"ComboBox3"_s, 1); // two entries to a lesson
        click(dialog, u"OKBtn"_s);
    });
    messages.answer({true});
    run(u"BulkLessonChange"_s);
    EXPECT_EQ(messages.shown.mid(2), // after the dialog's start correction and the question
              QStringList({u"warning: Dosaženo maxima lekcí - změna přerušena."_s,
                           u"information: Změna proběhla ..."_s}));
    EXPECT_EQ(lessons(), QStringList({u"auto|98"_s, u"čáp|98"_s, u"kočka|99"_s, u"pes|99"_s,
                                      u"řeka|3"_s, u"zmrzlina|2"_s}));
}

TEST_F(ExchangeCommandsTest, LessonZeroTakesTheLessonOfTheSameForeignWord) {
    addWord(u"pejsek"_s, u"dog"_s, 0);
    startOnDictionary();
    chooseLesson(u"2"_s);
    messages.answer({true});
    run(u"FindLesson"_s);
    EXPECT_EQ(messages.shown.last(),
              u"information: Změny proběhly (vhodné volat tuto funkci opakovaně)"_s);
    EXPECT_EQ(comboText(u"ComboSort"_s), u"Angličtina -> Česky"_s);
    EXPECT_EQ(comboText(u"ComboBox1"_s), u"vše"_s);
    EXPECT_TRUE(lessons().contains(u"pejsek|1"_s));
}

} // namespace
