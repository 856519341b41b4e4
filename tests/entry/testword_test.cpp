#include "core/fileerror.h"
#include "entry/codeini.h"
#include "entry/normalizetestword.h"

#include "scratchfolder.h"

namespace {

using entry::TestWordRules;
using namespace Qt::StringLiterals;

// Each case is written "expression → test word".
void expectReductions(std::initializer_list<const char*> cases, const TestWordRules& rules) {
    for (const char* c : cases) {
        const QStringList sides = QString::fromUtf8(c).split(u" → "_s);
        EXPECT_EQ(entry::normalizeTestWord(sides[0], rules), sides[1]) << c;
    }
}

TEST(TestWord, StartRulesReduceTheExpression) {
    expectReductions({"(to) go → go", "the house [n.] → the house", "run , ran , run → run,ran,run",
                      "Hello! → hello", "dům (m.), domek → dům,domek",
                      "/pl./ dogs, cats → dogs,cats", "to be <irr.> {was} → to be",
                      "x (a) y (b) → x  y", "a /b c → a /b c", "a/b/c/d/e → ace", "(a (b) c) → c)",
                      "a , , b → a,, b", "(note) → ", "ČÁP, Řeka → čáp,řeka", "a \\b\\ c → a  c",
                      " → "},
                     {});
}

// A comma first stops the comma step when the begin set does not trim it.
TEST(TestWord, SwitchedOffRulesKeepTheirPart) {
    expectReductions({"Hello! → Hello"}, {.ignoreCase = false});
    expectReductions({"run , ran , run → run , ran , run"}, {.ignoreCommaSpaces = false});
    expectReductions({", a , b → , a , b"}, {.beginSet = u".!"_s});
    expectReductions({"(to) go [v] → (to) go [v]"},
                     {.excludeSquare = false, .excludeParentheses = false});
}

// Dictionaries of other scripts fold case by Unicode, final sigma included, so a typed
// answer in other case reduces to the same test word.
TEST(TestWord, CyrillicAndGreekCaseFoldsByUnicode) {
    expectReductions({"Собака! → собака", "ЁЖ → ёж", "ΟΔΌΣ → οδόσ", "οδός → οδόσ", "ČÁP → čáp"},
                     {.unicodeCaseFolding = true});
    expectReductions({"ΟΔΌΣ → οδόσ", "οδός → οδός"}, {});
}

using CodeIni = ScratchTest;

// The start rules are the ten lines; others read back as written.
TEST_F(CodeIni, RulesReadBackAsWritten) {
    entry::writeCodeIni(folder.path(u"code.ini"_s), TestWordRules{});
    EXPECT_EQ(folder.read(u"code.ini"_s),
              QByteArray("exclude//=yes\r\nexclude\\\\=yes\r\nexclude[]=yes\r\n"
                         "exclude<>=yes\r\nexclude{}=yes\r\nexclude()=yes\r\n"
                         "excludebegin=.,!?:;-_ \r\nexcludeend=.,!?:;-_ \r\n"
                         "casesensitive=no\r\nspace=yes\r\n"));
    TestWordRules rules;
    rules.excludeBackslashes = false;
    rules.beginSet = u"-"_s;
    rules.beginSpace = false;
    rules.endSpace = false;
    rules.ignoreCase = false;
    rules.ignoreCommaSpaces = false;
    entry::writeCodeIni(folder.path(u"code.ini"_s), rules);
    TestWordRules read;
    entry::readCodeIni(folder.path(u"code.ini"_s), read);
    EXPECT_EQ(read, rules);
}

TEST_F(CodeIni, LinesFollowThePrefixRules) {
    TestWordRules rules;
    entry::readCodeIni(
        folder.write(u"code.ini"_s,
                     "exclude()=Yes\r\n exclude[]=no\r\nexcludeend=.. \r\n"
                     "casesensitive=yesterday\nspace=no\nexclude{}=no\nexclude{}=yes"),
        rules);
    EXPECT_FALSE(rules.excludeParentheses) << "a capital Y is no";
    EXPECT_TRUE(rules.excludeSquare) << "a line with a leading space is ignored";
    EXPECT_EQ(rules.endSet, u".."_s);
    EXPECT_TRUE(rules.endSpace);
    EXPECT_FALSE(rules.ignoreCase);
    EXPECT_FALSE(rules.ignoreCommaSpaces);
    EXPECT_TRUE(rules.excludeBraces) << "a later line wins";
    EXPECT_EQ(rules.beginSet, u".,!?:;-_"_s) << "a key no line gives keeps its value";
}

TEST_F(CodeIni, MissingFileIsReported) {
    TestWordRules rules;
    try {
        entry::readCodeIni(folder.path(u"none.ini"_s), rules);
        FAIL() << "a missing file must be reported";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(), u"Chyba při čtení souboru \"code.ini\"."_s);
    }
    EXPECT_EQ(rules, TestWordRules{});
}

} // namespace
