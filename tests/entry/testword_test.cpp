#include "core/fileerror.h"
#include "entry/codeini.h"
#include "entry/normalizetestword.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using entry::TestWordRules;
using namespace Qt::StringLiterals;

struct Reduction {
    const char* text;
    const char* testWord;
};

class StartRules : public ::testing::TestWithParam<Reduction> {};

TEST_P(StartRules, ReduceTheExpression) {
    const auto [text, testWord] = GetParam();
    EXPECT_EQ(entry::normalizeTestWord(QString::fromUtf8(text), TestWordRules{}),
              QString::fromUtf8(testWord))
        << text;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, StartRules,
    ::testing::Values(Reduction{"(to) go", "go"}, Reduction{"the house [n.]", "the house"},
                      Reduction{"run , ran , run", "run,ran,run"}, Reduction{"Hello!", "hello"},
                      Reduction{"dům (m.), domek", "dům,domek"},
                      Reduction{"/pl./ dogs, cats", "dogs,cats"},
                      Reduction{"to be <irr.> {was}", "to be"}, Reduction{"x (a) y (b)", "x  y"},
                      Reduction{"a /b c", "a /b c"}, Reduction{"a/b/c/d/e", "ace"},
                      Reduction{"(a (b) c)", "c)"}, Reduction{"a , , b", "a,, b"},
                      Reduction{"(note)", ""}, Reduction{"ČÁP, Řeka", "čáp,řeka"},
                      Reduction{"a \\b\\ c", "a  c"}, Reduction{"", ""}));

TEST(TestWordRules, CaseKeptWhenNotIgnored) {
    TestWordRules rules;
    rules.ignoreCase = false;
    EXPECT_EQ(entry::normalizeTestWord(u"Hello!"_s, rules), u"Hello"_s);
}

TEST(TestWordRules, SpacesAroundCommasStayWhenNotIgnored) {
    TestWordRules rules;
    rules.ignoreCommaSpaces = false;
    EXPECT_EQ(entry::normalizeTestWord(u"run , ran , run"_s, rules), u"run , ran , run"_s);
}

TEST(TestWordRules, ACommaFirstStopsTheCommaStepWhenNotTrimmed) {
    TestWordRules rules;
    rules.beginSet = u".!"_s;
    EXPECT_EQ(entry::normalizeTestWord(u", a , b"_s, rules), u", a , b"_s);
}

TEST(TestWordRules, SwitchedOffNotesStay) {
    TestWordRules rules;
    rules.excludeParentheses = false;
    rules.excludeSquare = false;
    EXPECT_EQ(entry::normalizeTestWord(u"(to) go [v]"_s, rules), u"(to) go [v]"_s);
}

class CodeIni : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = m_dir.filePath(u"code.ini"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

TEST_F(CodeIni, TheStartRulesWriteTheTenLines) {
    const QString path = m_dir.filePath(u"code.ini"_s);
    entry::writeCodeIni(path, TestWordRules{});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("exclude//=yes\r\nexclude\\\\=yes\r\nexclude[]=yes\r\n"
                                         "exclude<>=yes\r\nexclude{}=yes\r\nexclude()=yes\r\n"
                                         "excludebegin=.,!?:;-_ \r\nexcludeend=.,!?:;-_ \r\n"
                                         "casesensitive=no\r\nspace=yes\r\n"));
}

TEST_F(CodeIni, RulesReadBackAsWritten) {
    TestWordRules rules;
    rules.excludeBackslashes = false;
    rules.beginSet = u"-"_s;
    rules.beginSpace = false;
    rules.endSpace = false;
    rules.ignoreCase = false;
    rules.ignoreCommaSpaces = false;
    const QString path = m_dir.filePath(u"code.ini"_s);
    entry::writeCodeIni(path, rules);
    TestWordRules read;
    entry::readCodeIni(path, read);
    EXPECT_EQ(read, rules);
}

TEST_F(CodeIni, LinesFollowThePrefixRules) {
    TestWordRules rules;
    entry::readCodeIni(write("exclude()=Yes\r\n exclude[]=no\r\nexcludeend=.. \r\n"
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
        entry::readCodeIni(m_dir.filePath(u"none.ini"_s), rules);
        FAIL() << "a missing file must be reported";
    } catch (const core::FileError& error) {
        EXPECT_EQ(error.message(), u"Chyba při čtení souboru \"code.ini\"."_s);
    }
    EXPECT_EQ(rules, TestWordRules{});
}

} // namespace
