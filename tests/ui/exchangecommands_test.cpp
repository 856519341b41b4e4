#include "wordlistfixture.h"

#include "core/cp1250linereader.h"

#include <QAction>
#include <QFile>
#include <QRadioButton>
#include <QStatusBar>

namespace {

class ExchangeCommandsTest : public WordListTest {
protected:
    void TearDown() override {
        EXPECT_TRUE(modals.allScriptsUsed());
        EXPECT_TRUE(messages.allAnswersUsed());
        EXPECT_TRUE(files.allAnswersUsed());
    }
    void run(const QString& command) { window->command(command)->trigger(); }
    QStringList fileLines(const QString& relative) {
        QFile file(app.path(relative));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
        return core::splitCp1250Lines(file.readAll());
    }
    // Czech expression and lesson of every entry, in the order the grid shows.
    QStringList lessons() {
        QStringList shown;
        store::Cursor& table = window->table1();
        for (table.first(); !table.eof(); table.next())
            shown << table.field(u"Czech"_s).asString() + u' ' +
                         QString::number(table.field(u"Lekce"_s).asInteger());
        return shown;
    }
    static void chooseFrom(QDialog& dialog, const char* listName, int position) {
        auto* list = dialog.findChild<QComboBox*>(QString::fromLatin1(listName));
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
    QString comboText(const char* name) {
        return window->findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
    }
};

TEST_F(ExchangeCommandsTest, WithoutADictionaryEachCommandSaysSo) {
    start();
    const QStringList commands{u"ExportHtml"_s,  u"ExportTxt"_s,        u"ImportDictionary"_s,
                               u"ImportLines"_s, u"BulkLessonChange"_s, u"FindLesson"_s};
    for (const QString& name : commands)
        run(name);
    EXPECT_EQ(messages.shown, QStringList(commands.size(), u"error: Není vybrán žádný slovník"_s));
}

TEST_F(ExchangeCommandsTest, TxtExportWritesTheShownLessonIntoResultsAndSaysWhere) {
    start();
    openDictionary();
    chooseLesson(u"1"_s);
    messages.answer({true});
    system.works = false;
    run(u"ExportTxt"_s);
    EXPECT_EQ(messages.shown, (QStringList{u"confirm: Celkem exportovat 2 slovíček"_s,
                                           u"warning: Systém nedokázal otevřít \""_s +
                                               app.path(u"eva/results/export.txt"_s) + u"\"."_s}));
    EXPECT_EQ(window->statusBar()->currentMessage(), u"Export zapsán do eva/results/export.txt"_s);
    EXPECT_EQ(
        fileLines(u"eva/results/export.txt"_s),
        QStringList({u"kočka\tcat\t1\t\t0\t0\tkočka\tcat"_s, u"pes\tdog\t1\t\t0\t0\tpes\tdog"_s}));
    EXPECT_EQ(system.opened, QStringList{app.path(u"eva/results/export.txt"_s)});
}

TEST_F(ExchangeCommandsTest, HtmlExportHeadsTheTableWithTheLessonAndTheLanguages) {
    app.write(u"_other_/templateEX.html"_s,
              "<HTML>\r\n{[..here..]}\r\nborder=yes\r\n{[..end..]}\r\n</HTML>\r\n");
    start();
    openDictionary();
    chooseLesson(u"2"_s);
    messages.answer({false, true});
    run(u"ExportHtml"_s); // No writes nothing
    EXPECT_FALSE(QFile::exists(app.path(u"eva/results/export.html"_s)));
    run(u"ExportHtml"_s);
    const QStringList lines = fileLines(u"eva/results/export.html"_s);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], u"<HTML>"_s);
    EXPECT_EQ(lines[1], u"<B>Lekce: 2</B><P>"_s);
    EXPECT_EQ(lines[2], u"<TABLE WIDTH=\"100%\" BORDER>"_s);
    EXPECT_TRUE(lines.join(u'\n').contains(u">Česky</FONT>"_s));
    EXPECT_TRUE(lines.join(u'\n').contains(u">Angličtina</FONT>"_s));
    EXPECT_TRUE(lines.contains(u"<TD>ice cream</TD>"_s));
    EXPECT_EQ(lines.last(), u"</HTML>"_s);
    EXPECT_EQ(system.opened, QStringList{app.path(u"eva/results/export.html"_s)});
    EXPECT_EQ(window->statusBar()->currentMessage(), u"Export zapsán do eva/results/export.html"_s);
}

TEST_F(ExchangeCommandsTest, TabSeparatedImportAddsNewWordsAndTheGridShowsThem) {
    app.write(u"slova.txt"_s,
              "d\xf9m\thouse\t4\tprvn\xed*druh\xfd\r\npes\tdog\t1\r\nbez lekce\tno lesson\r\n"
              "strom\ttree\t\r\n");
    start();
    openDictionary();
    chooseSort(3);
    files.answer(app.path(u"slova.txt"_s));
    messages.answer({true});
    run(u"ImportTabs"_s);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].filter, u"Textové soubory (*.txt)"_s);
    EXPECT_EQ(messages.shown.mid(messages.shown.size() - 2),
              (QStringList{u"information: Úspěšně přidáno 2 slovíček. Nemohlo být přidáno 1 "
                           u"slovíček"_s,
                           u"warning: Nenačten 1 řádek bez druhého tabulátoru (řádek má tvar "
                           u"česky TAB cize TAB lekce TAB popis)."_s}));
    EXPECT_EQ(comboText("ComboSort"), u"Česky -> Angličtina"_s);
    EXPECT_EQ(column(0), QStringList({u"auto"_s, u"čáp"_s, u"dům"_s, u"kočka"_s, u"pes"_s,
                                      u"řeka"_s, u"strom"_s, u"zmrzlina"_s}));
    store::Cursor& table = window->table1();
    ASSERT_TRUE(table.findKey({u"dům"_s, u"house"_s}));
    EXPECT_EQ(table.field(u"Lekce"_s).asInteger(), 4);
    EXPECT_EQ(table.field(u"Popis"_s).asMemo(), u"první\r\ndruhý"_s);
    EXPECT_EQ(table.field(u"Otherzk"_s).asString(), u"house"_s);
}

TEST_F(ExchangeCommandsTest, ImportFromAnotherDictionaryTakesTheChosenLessonWithItsStatistics) {
    app.table(u"zdroj/dictonary.db"_s, u"dictonary"_s);
    store::Cursor source;
    source.setDatabaseName(app.path(u"zdroj"_s));
    source.setTableName(u"dictonary.db"_s);
    source.open();
    source.appendRecord({u"pes"_s, u"dog"_s, 1, 5, 5, QString(), 0, u"pes"_s, u"dog"_s});
    source.appendRecord({u"dům"_s, u"house"_s, 1, 7, 1, u"stavba"_s, 0, QString(), QString()});
    source.appendRecord({u"strom"_s, u"tree"_s, 2, 3, 4, QString(), 0, u"strom"_s, u"tree"_s});
    source.close();
    start();
    openDictionary();
    files.answer(std::nullopt); // a cancelled choice asks for nothing more
    run(u"ImportDictionaryWithStatistics"_s);
    EXPECT_TRUE(messages.shown.isEmpty());
    files.answer(app.path(u"zdroj/dictonary.db"_s));
    modals.script(u"TSelLekceDlg"_s, [](QDialog& dialog) {
        dialog.findChild<QComboBox*>(u"ComboBox1"_s)->setCurrentIndex(2); // lesson 1
        dialog.accept();
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
    EXPECT_EQ(table.field(u"Spatne"_s).asInteger(), 1);
    EXPECT_EQ(table.field(u"Popis"_s).asMemo(), u"stavba"_s);
    EXPECT_EQ(table.field(u"Czechzk"_s).asString(), u"dům"_s);
}

TEST_F(ExchangeCommandsTest, BulkMoveLeavesTheLessonOrderAndShowsEveryLesson) {
    start();
    openDictionary();
    chooseSort(2);
    chooseLesson(u"3"_s);
    modals.script(u"TMultiChange"_s, [](QDialog& dialog) {
        chooseFrom(dialog, "ComboBox4", 2);
        chooseFrom(dialog, "ComboBox5", 3);
        chooseFrom(dialog, "ComboBox1", 7);
        dialog.findChild<QPushButton*>(u"OKBtn"_s)->click();
    });
    messages.answer({true});
    run(u"BulkLessonChange"_s);
    EXPECT_EQ(messages.shown,
              QStringList({u"dangerous confirm: Opravdu provést hromadnou změnu lekce BEZ možnosti "
                           u"návratu ?"_s,
                           u"information: Změna proběhla ..."_s}));
    EXPECT_EQ(comboText("ComboSort"), u"Česky -> Angličtina"_s);
    EXPECT_EQ(comboText("ComboBox1"), u"vše"_s);
    EXPECT_EQ(lessons(), QStringList({u"auto 7"_s, u"čáp 7"_s, u"kočka 1"_s, u"pes 1"_s,
                                      u"řeka 7"_s, u"zmrzlina 7"_s}));
}

TEST_F(ExchangeCommandsTest, BulkSpreadStopsAtTheHighestLesson) {
    start();
    openDictionary();
    modals.script(u"TMultiChange"_s, [](QDialog& dialog) {
        chooseFrom(dialog, "ComboBox5", 3);
        dialog.findChild<QRadioButton*>(u"SpreadButton"_s)->click();
        chooseFrom(dialog, "ComboBox2", 98);
        chooseFrom(dialog, "ComboBox3", 1); // two entries to a lesson
        dialog.findChild<QPushButton*>(u"OKBtn"_s)->click();
    });
    messages.answer({true});
    run(u"BulkLessonChange"_s);
    EXPECT_EQ(messages.shown.mid(2), // after the dialog's start correction and the question
              QStringList({u"warning: Dosaženo maxima lekcí - změna přerušena."_s,
                           u"information: Změna proběhla ..."_s}));
    EXPECT_EQ(lessons(), QStringList({u"auto 98"_s, u"čáp 98"_s, u"kočka 99"_s, u"pes 99"_s,
                                      u"řeka 3"_s, u"zmrzlina 2"_s}));
}

TEST_F(ExchangeCommandsTest, LessonZeroTakesTheLessonOfTheSameForeignWord) {
    store::Cursor words;
    words.setDatabaseName(app.path(u"eva/Angličtina"_s));
    words.setTableName(u"dictonary.db"_s);
    words.open();
    words.appendRecord({u"pejsek"_s, u"dog"_s, 0, 0, 0, QString(), 0, u"pejsek"_s, u"dog"_s});
    words.close();
    start();
    openDictionary();
    chooseLesson(u"2"_s);
    messages.answer({true});
    run(u"FindLesson"_s);
    EXPECT_EQ(messages.shown.last(),
              u"information: Změny proběhly (vhodné volat tuto funkci opakovaně)"_s);
    EXPECT_EQ(comboText("ComboSort"), u"Angličtina -> Česky"_s);
    EXPECT_EQ(comboText("ComboBox1"), u"vše"_s);
    EXPECT_TRUE(lessons().contains(u"pejsek 1"_s));
}

} // namespace
