#include "mainwindowfixture.h"

namespace {

class ExchangeCommandsTest : public WordListTest {
protected:
    // Czech expression and lesson of every entry, in the order the grid shows.
    QStringList lessons() { return tableRows(window->table1(), {u"Czech"_s, u"Lekce"_s}); }
    QString comboText(const QString& name) { return child<QComboBox>(*window, name).currentText(); }
};

// The HTML table is headed with the lesson and the languages.
TEST_F(ExchangeCommandsTest, ExportsWriteTheShownLessonIntoResultsAndSayWhere) {
    app.write(u"_other_/templateEX.html"_s,
              "<HTML>\r\n{[..here..]}\r\nborder=yes\r\n{[..end..]}\r\n</HTML>\r\n");
    startOnDictionary();
    chooseLesson(u"1"_s);
    messages.answer({true, false, true});
    run(u"ExportTxt"_s);
    EXPECT_EQ(messages.shown, QStringList{u"confirm: Celkem exportovat 2 slovíček"_s});
    EXPECT_EQ(status(), u"Export zapsán do eva/results/export.txt"_s);
    EXPECT_EQ(fileLines(u"eva/results/export.txt"_s).join(u'|'),
              u"kočka\tcat\t1\t\t0\t0\tkočka\tcat|pes\tdog\t1\t\t0\t0\tpes\tdog"_s);

    chooseLesson(u"2"_s);
    run(u"ExportHtml"_s); // No writes nothing
    EXPECT_FALSE(QFile::exists(app.path(u"eva/results/export.html"_s)));
    run(u"ExportHtml"_s);
    const QStringList lines = fileLines(u"eva/results/export.html"_s);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{u"<HTML>"_s, u"<B>Lekce: 2</B><P>"_s,
                                            u"<TABLE WIDTH=\"100%\" BORDER>"_s}));
    EXPECT_TRUE(lines.join(u'\n').contains(u">Angličtina</FONT>"_s));
    EXPECT_TRUE(lines.contains(u"<TD>ice cream</TD>"_s));
    EXPECT_EQ(system.opened, (QStringList{app.path(u"eva/results/export.txt"_s),
                                          app.path(u"eva/results/export.html"_s)}));
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
    EXPECT_EQ(messages.shown.value(1),
              u"information: Úspěšně přidáno 2 slovíček. Nemohlo být přidáno 1 slovíček"_s);
    EXPECT_EQ(comboText(u"ComboSort"_s), u"Česky -> Angličtina"_s);
    EXPECT_EQ(column(0).join(u'|'), u"auto|čáp|dům|kočka|pes|řeka|strom|zmrzlina"_s);
}

// The statistics that come along are checked by the import's own tests.
TEST_F(ExchangeCommandsTest, ImportFromAnotherDictionaryTakesTheChosenLesson) {
    app.createTable(u"zdroj/dictonary.db"_s, u"dictonary"_s);
    addWords(*app.openTable(u"zdroj/dictonary.db"_s), {{"pes", "dog", 1}, {"dům", "house", 1}});
    startOnDictionary();
    files.answer(std::nullopt); // a cancelled choice asks for nothing more
    run(u"ImportDictionaryWithStatistics"_s);
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
    EXPECT_EQ(column(0).size(), 7) << "the grid shows the new word";
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
    EXPECT_EQ(lessons().join(u' '), u"auto|7 čáp|7 kočka|1 pes|1 řeka|7 zmrzlina|7"_s);
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
