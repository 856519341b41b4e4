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
    TestWordRules rules = {};
};

void PrintTo(const Reduction& reduction, std::ostream* out) {
    *out << '"' << reduction.text << "\" to \"" << reduction.testWord << '"';
}

class TestWord : public ::testing::TestWithParam<Reduction> {};

TEST_P(TestWord, ReducesTheExpression) {
    EXPECT_EQ(entry::normalizeTestWord(QString::fromUtf8(GetParam().text), GetParam().rules),
              QString::fromUtf8(GetParam().testWord));
}

INSTANTIATE_TEST_SUITE_P(
    StartRules, TestWord,
    ::testing::Values(Reduction{"(to) go", "go"}, Reduction{"the house [n.]", "the house"},
                      Reduction{"run , ran , run", "run,ran,run"}, Reduction{"Hello!", "hello"},
                      Reduction{"dům (m.), domek", "dům,domek"},
                      Reduction{"/pl./ dogs, cats", "dogs,cats"},
                      Reduction{"to be <irr.> {was}", "to be"}, Reduction{"x (a) y (b)", "x  y"},
                      Reduction{"a /b c", "a /b c"}, Reduction{"a/b/c/d/e", "ace"},
                      Reduction{"(a (b) c)", "c)"}, Reduction{"a , , b", "a,, b"},
                      Reduction{"(note)", ""}, Reduction{"ČÁP, Řeka", "čáp,řeka"},
                      Reduction{"a \\b\\ c", "a  c"}, Reduction{"", ""}));

// A comma first stops the comma step when the begin set does not trim it.
INSTANTIATE_TEST_SUITE_P(
    SwitchedOffRules, TestWord,
    ::testing::Values(Reduction{"Hello!", "Hello", {.ignoreCase = false}},
                      Reduction{"run , ran , run", "run , ran , run", {.ignoreCommaSpaces = false}},
                      Reduction{", a , b", ", a , b", {.beginSet = u".!"_s}},
                      Reduction{"(to) go [v]",
                                "(to) go [v]",
                                {.excludeSquare = false, .excludeParentheses = false}}));

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
