#include "dictionaryfixture.h"
#include "exchange/exportcommands.h"
#include "exchange/exporttemplate.h"
#include "recordingshell.h"
#include "scriptedmessages.h"

#include "core/cp1250codec.h"
#include "core/cp1250linereader.h"

namespace {

using exchange::SpecialCharacter;

QString cell(const QString& expression, int limit, int step,
             const std::vector<SpecialCharacter>* special = nullptr) {
    QString out = u"|"_s; // appended to what is there
    exchange::appendHtmlCell(out, expression, limit, step, special);
    return out.sliced(1);
}

TEST(HtmlCell, ABreakSeparatesEveryStepButNoneEndsAndTheLimitCuts) {
    for (const auto& [length, breaks] :
         std::initializer_list<std::pair<int, int>>{{60, 2}, {50, 1}, {25, 0}, {0, 0}, {100, 3}}) {
        const QString text = cell(QString(length, u'a'), 80, 25);
        EXPECT_EQ(text.count(u"<BR>"_s), breaks) << length;
        EXPECT_FALSE(text.endsWith(u"<BR>"_s)) << length;
    }
    EXPECT_EQ(cell(u"abcdef"_s, 4, 2), u"ab<BR>cd"_s);
    EXPECT_EQ(cell(u"abcdef"_s, 80, 0), u"abcdef"_s);
    EXPECT_EQ(cell(u"abcdef"_s, -1, 2), QString());
}

// Line breaks of the text stay, the special table is used when asked, and what a
// Windows-1250 page cannot hold becomes a reference, a broken surrogate pair included.
TEST(HtmlCell, EscapesAndReferences) {
    const std::vector<SpecialCharacter> special = {{u'&', u"&amp;"_s}, {u'&', u"second"_s}};
    EXPECT_EQ(cell(u"a<BR>b<c>d<br>"_s, 80, 0), u"a<BR>b&lt;c&gt;d&lt;br&gt;"_s);
    EXPECT_EQ(cell(u"R&D \"x\""_s, 80, 0, &special), u"R&amp;D \"x\""_s);
    EXPECT_EQ(cell(u"R&D"_s, 80, 0), u"R&D"_s);
    EXPECT_EQ(cell(u"žлю😀"_s, 80, 0), u"ž&#1083;&#1102;&#128512;"_s);
    EXPECT_EQ(cell(u"a😀"_s, 80, 2), u"a&#55357;<BR>&#56832;"_s);
    EXPECT_EQ(cell(u"<B<BR>"_s, 80, 2), u"&lt;B<BR>&lt;B<BR>R&gt;"_s);
}

TEST(ExportTemplate, PartsAndSettings) {
    const auto parsed = exchange::parseExportTemplate(
        {u"<HTML>"_s, u"{[..here..]}"_s, u"col1=\"50%\""_s, u"maxcz=abc"_s, u"newlinecz=$10"_s,
         u"border=yes"_s, u"coltitle=red"_s, u"..special.."_s, u"ä &auml;"_s, u"x"_s,
         u"{[..end..]} ignored"_s, u"</HTML>"_s});
    const auto& set = parsed.settings;
    EXPECT_EQ(std::tuple(parsed.head, parsed.tail, set.col1, set.col2, set.maxCz, set.newlineCz,
                         set.border, set.colTitle),
              std::tuple(QStringList{u"<HTML>"_s}, QStringList{u"</HTML>"_s}, u"\"50%\""_s,
                         u"\"45%\""_s, 80, 16, true, u"red"_s));
    EXPECT_EQ(set.special, (std::vector{SpecialCharacter{u'ä', u"&auml;"_s}}));

    // Without markers everything is head or settings.
    EXPECT_EQ(exchange::parseExportTemplate({u"a"_s, u"b"_s}).head.size(), 2);
    const auto open = exchange::parseExportTemplate({u"{[..here..]}"_s, u"maxcz=5"_s, u"x"_s});
    EXPECT_EQ(std::tuple(open.head.size(), open.tail.size(), open.settings.maxCz),
              std::tuple(0, 0, 5));
}

TEST(ExportTemplate, TheSpecialTableHoldsFortyEntriesThenSettingsFollow) {
    QStringList lines = {u"{[..here..]}"_s, u"..special.."_s};
    for (int i = 0; i < 41; ++i)
        lines << QString(QChar(u'A' + i)) + u" e"_s;
    lines << u"maxother=7"_s;
    const auto parsed = exchange::parseExportTemplate(lines);
    EXPECT_EQ(parsed.settings.special.size(), 40u);
    EXPECT_EQ(parsed.settings.maxOther, 7);
}

class Export : public DictionaryFixture {
protected:
    void SetUp() override {
        DictionaryFixture::SetUp();
        folder.write(u"_other_/templateEX.html"_s, "<HTML>\r\n{[..here..]}\r\ncoltitle=blue\r\n"
                                                   "..special..\r\n& &amp;\r\n{[..end..]}\r\n"
                                                   "</HTML>\r\n");
        folders = {folder.path(), folder.path(u"user"_s)};
    }

    QString run(bool html) {
        ScriptedMessages messages;
        messages.answer({true});
        RecordingShell shell;
        const auto result =
            html ? exchange::runHtmlExport(dictionary, folders,
                                           {u"vše"_s, u"Česky"_s, u"Anglicky"_s}, messages, &shell)
                 : exchange::runTxtExport(dictionary, folders, messages, &shell);
        shown = messages.shown;
        if (!result)
            return {};
        EXPECT_EQ(shell.opened, QStringList{html ? folders.htmlPath() : folders.txtPath()});
        return core::decodeCp1250(
            folder.read(html ? u"user/results/export.html"_s : u"user/results/export.txt"_s));
    }

    exchange::ExportFolders folders;
    QStringList shown;
};

TEST_F(Export, TxtHasEveryFieldAndTheDescriptionOnOneLine) {
    dictionary.appendRecord({u"pes"_s, u"dog"_s, 3, 1, 2, u"\tfirst\r\nsecond\r\n"_s});
    store::Cursor withoutHook; // empty numbers come only from outside the word list
    exchange::openDictionaryTable(withoutHook, folder.path(u"dict"_s));
    withoutHook.appendRecord({u"kočka"_s, u"cat"_s});
    EXPECT_EQ(run(false), u"kočka\tcat\t\t\t\t\t\t\r\n"
                          "pes\tdog\t3\tfirst*second\t1\t2\tpes\tdog\r\n"_s);
    EXPECT_EQ(shown.first(), u"confirm: Celkem exportovat 2 slovíček"_s);
}

TEST_F(Export, HtmlFollowsTheTemplateAndPutsTheForeignColumnFirstInTheOldOrder) {
    addWords(dictionary, {{"a<b", "R&D>", 2}});
    dictionary.setIndexName(u"othertoczech"_s);
    EXPECT_EQ(run(true), u"<HTML>\r\n<B>Lekce: vše</B><P>\r\n<TABLE WIDTH=\"100%\">\r\n"
                         "<TR><TD WIDTH=\"45%\">\r\n"
                         "<B><font color=\"blue\">Anglicky</FONT></B></TD>\r\n"
                         "<TD WIDTH=\"45%\">\r\n"
                         "<B><font color=\"blue\">Česky</FONT></B></TD>\r\n"
                         "<TD WIDTH=\"10%\">\r\n"
                         "<B><font color=\"blue\">Lekce</FONT></B></TD></TR>\r\n"
                         "<TR><TD>\r\nR&amp;D&gt;</TD>\r\n<TD>a&lt;b</TD>\r\n<TD>2</TD></TR>\r\n"
                         "</TABLE>\r\n</HTML>\r\n"_s);
}

TEST_F(Export, AnEmptyFilteredListStillGivesTheHeadings) {
    addWords(dictionary, {{"pes", "dog", 1}});
    dictionary.setIndexName(u"othertoczechnew"_s);
    dictionary.setFilter(u"Lekce = 5"_s);
    dictionary.setFiltered(true);
    const QString page = run(true);
    EXPECT_TRUE(page.contains(u"\r\n<B><font color=\"blue\">Česky</FONT></B></TD>\r\n<TD WIDTH"_s));
    EXPECT_TRUE(page.contains(u"</TD></TR>\r\n</TABLE>"_s));
    EXPECT_FALSE(page.contains(u"dog"_s));
}

TEST_F(Export, FailuresShowTheirMessages) {
    QFile::remove(folder.path(u"_other_/templateEX.html"_s));
    run(true);
    EXPECT_EQ(shown.last(),
              u"error: Není možné otevřít soubor \"templateEX.html\" v adresáři \"_Other_\"."_s);
    folder.write(u"user"_s, "a file where the user folder should be");
    run(false);
    EXPECT_EQ(shown.last(), u"error: Není možné zapsat export.txt do adresáře \"results\" v "
                            "adresáři uživatele, zkontroluj volné místo na disku."_s);
}

TEST_F(Export, CharactersOutsideTheCodePageAreReported) {
    addWords(dictionary, {{"čaj", "茶", 1}});
    run(false);
    EXPECT_EQ(shown.last(), u"warning: Tyto znaky nelze zapsat v kódování Windows-1250, v "
                            "souboru je nahradil otazník: 茶\nŘádky: 1."_s);
    EXPECT_TRUE(run(true).contains(u"<TD>&#33590;</TD>"_s)) << "HTML keeps it as a reference";
}

// A large export is written in batches beside the reading: the lines keep the view's order and
// a lost character is reported at its line however many batches came before it.
TEST_F(Export, ALargeExportKeepsItsOrderAndLineNumbersAcrossBatches) {
    constexpr int kEntries = 2500;
    for (int i = 0; i < kEntries; ++i)
        dictionary.appendRecord(
            {u"slovo%1"_s.arg(i, 4, 10, QChar(u'0')), i == 1999 ? u"茶"_s : u"word"_s});
    const QStringList lines = run(false).split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), kEntries + 1);
    for (int i = 0; i < kEntries; ++i) {
        if (!lines[i].startsWith(u"slovo%1\t"_s.arg(i, 4, 10, QChar(u'0')))) {
            ADD_FAILURE() << "line " << i + 1 << ": " << lines[i].toStdString();
            break;
        }
    }
    EXPECT_TRUE(shown.last().endsWith(u"Řádky: 2000."_s)) << shown.last().toStdString();
}

TEST(ShippedExportTemplate, HasItsPartsAndSettings) {
    const auto parsed = exchange::parseExportTemplate(core::readCp1250FileLines(
        QStringLiteral(LEXITON_DATA_DIR) + u"/_other_/templateEX.html"_s));
    EXPECT_TRUE(parsed.head.contains(
        u"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">"_s));
    EXPECT_EQ(parsed.tail.last(), u"</HTML>"_s);
    EXPECT_TRUE(parsed.settings.border);
    EXPECT_EQ(parsed.settings.special.front(), (SpecialCharacter{u'&', u"&amp;"_s}));
}

} // namespace
