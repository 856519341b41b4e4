#include "core/fileerror.h"
#include "exchange/textfilelines.h"
#include "exchange/textimportlines.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

using exchange::TabLineFault;

struct TabCase {
    const char* name;
    QString line;
    std::optional<TabLineFault> fault; // none: the line is an entry
    QString czech, other;
    int lesson;
    QString description;
};

class TabLines : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabLines, SplitAsTheFileLayoutSays) {
    const TabCase& c = GetParam();
    const std::variant<exchange::TabLine, TabLineFault> split = exchange::splitTabLine(c.line);
    const auto* line = std::get_if<exchange::TabLine>(&split);
    if (c.fault) {
        ASSERT_EQ(line, nullptr) << c.line.toStdString();
        EXPECT_EQ(std::get<TabLineFault>(split), *c.fault) << c.line.toStdString();
        return;
    }
    ASSERT_NE(line, nullptr) << c.line.toStdString();
    EXPECT_EQ(line->czech, c.czech);
    EXPECT_EQ(line->other, c.other);
    EXPECT_EQ(line->lesson, c.lesson);
    EXPECT_EQ(line->description, c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, TabLines,
    ::testing::Values(
        TabCase{"OneTab", u"pes\tdog"_s, TabLineFault::NoSecondTab, {}, {}, 0, {}},
        TabCase{"NoTab", u"pes"_s, TabLineFault::NoSecondTab, {}, {}, 0, {}},
        TabCase{"NoLesson", u"pes\tdog\t"_s, {}, u"pes"_s, u"dog"_s, 0, {}},
        TabCase{"Lesson", u"pes\tdog\t7"_s, {}, u"pes"_s, u"dog"_s, 7, {}},
        TabCase{"DescriptionAndMore",
                u"pes\tdog\t7\ta*b\tnavíc"_s,
                {},
                u"pes"_s,
                u"dog"_s,
                7,
                u"a*b"_s},
        TabCase{"TextLesson", u"pes\tdog\tsedm\tx"_s, {}, u"pes"_s, u"dog"_s, 0, u"x"_s},
        TabCase{"NegativeLesson", u"pes\tdog\t-3"_s, {}, u"pes"_s, u"dog"_s, -3, {}},
        TabCase{"OverflowingLesson", u"pes\tdog\t99999999999"_s, {}, u"pes"_s, u"dog"_s, 0, {}},
        TabCase{"OnlyTabs", u"\t\t"_s, {}, {}, {}, 0, {}},
        // The second TAB as the last of the 255 characters after the first (the lesson lies
        // beyond them), and beyond them.
        TabCase{"SecondTabLast",
                u"pes\t"_s + QString(254, u'o') + u"\t1"_s,
                {},
                u"pes"_s,
                QString(254, u'o'),
                0,
                {}},
        TabCase{"SecondTabTooFar",
                u"pes\t"_s + QString(255, u'o') + u"\t"_s,
                TabLineFault::SecondTabTooFar,
                {},
                {},
                0,
                {}},
        // Only 255 characters after the first TAB count.
        TabCase{"LongDescriptionCut",
                u"pes\tdog\t1\t"_s + QString(300, u'd'),
                {},
                u"pes"_s,
                u"dog"_s,
                1,
                QString(249, u'd')}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ReplaceDirective, UnpairedLastCharacterAndShortListsDoNothing) {
    EXPECT_EQ(exchange::replaceDirective(u"###REPLACE_OTHER###=abc"_s)->size(), 1u);
    EXPECT_TRUE(exchange::replaceDirective(u"###REPLACE_OTHER###=a"_s)->empty());
    EXPECT_FALSE(exchange::replaceDirective(u"pes\tdog"_s));
}

struct Encoding {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

class TextEncodings : public ::testing::TestWithParam<Encoding> {};

TEST_P(TextEncodings, ReadAsTheirEncoding) {
    EXPECT_EQ(exchange::textLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TextEncodings,
    ::testing::Values(
        Encoding{
            "Windows1250", QByteArray("p\xF8\xEDtel\r\nfriend\r\n"), {u"přítel"_s, u"friend"_s}},
        Encoding{"Utf8", QByteArray("p\xC5\x99\xC3\xADtel\nfriend"), {u"přítel"_s, u"friend"_s}},
        Encoding{"Utf8WithBom", QByteArray("\xEF\xBB\xBFpes\r\ndog\r\n"), {u"pes"_s, u"dog"_s}},
        // Well-formed UTF-8 by accident, but a C1 control: Windows-1250 "Â" and "Š".
        Encoding{"Utf8ControlIsWindows1250", QByteArray("\xC2\x8A"), {u"ÂŠ"_s}},
        Encoding{"MixedLineEnds", QByteArray("a\n\nb\r\n"), {u"a"_s, QString(), u"b"_s}},
        Encoding{"Empty", QByteArray(), {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TextEncodings, ABinaryFileIsRefused) {
    EXPECT_THROW(exchange::textLines(QByteArray("SQLite format 3\0\0", 18)), core::FileError);
}

TEST(TextEncodings, AMissingFileIsRefused) {
    EXPECT_THROW(exchange::readImportLines(u"/nonexistent/words.txt"_s), core::FileError);
}

} // namespace
