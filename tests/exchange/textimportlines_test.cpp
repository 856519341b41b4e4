#include "core/fileerror.h"
#include "exchange/textfilelines.h"
#include "exchange/textimportlines.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

using exchange::TabLineFault;

// What a line splits into: "czech|other|lesson|description", or its fault.
QString splitText(const QString& text) {
    const std::variant<exchange::TabLine, TabLineFault> split = exchange::splitTabLine(text);
    if (const auto* line = std::get_if<exchange::TabLine>(&split))
        return QStringList{line->czech, line->other, QString::number(line->lesson),
                           line->description}
            .join(u'|');
    return std::get<TabLineFault>(split) == TabLineFault::NoSecondTab ? u"no second TAB"_s
                                                                      : u"second TAB too far"_s;
}

struct TabCase {
    const char* name;
    QString line;
    QString split;
};

class TabLines : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabLines, SplitAsTheFileLayoutSays) {
    EXPECT_EQ(splitText(GetParam().line), GetParam().split);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, TabLines,
    ::testing::Values(TabCase{"OneTab", u"pes\tdog"_s, u"no second TAB"_s},
                      TabCase{"NoTab", u"pes"_s, u"no second TAB"_s},
                      TabCase{"NoLesson", u"pes\tdog\t"_s, u"pes|dog|0|"_s},
                      TabCase{"Lesson", u"pes\tdog\t7"_s, u"pes|dog|7|"_s},
                      TabCase{"DescriptionAndMore", u"pes\tdog\t7\ta*b\tnavíc"_s,
                              u"pes|dog|7|a*b"_s},
                      TabCase{"TextLesson", u"pes\tdog\tsedm\tx"_s, u"pes|dog|0|x"_s},
                      TabCase{"NegativeLesson", u"pes\tdog\t-3"_s, u"pes|dog|-3|"_s},
                      TabCase{"OverflowingLesson", u"pes\tdog\t99999999999"_s, u"pes|dog|0|"_s},
                      TabCase{"OnlyTabs", u"\t\t"_s, u"||0|"_s},
                      // The second TAB as the last of the 255 characters after the first (the
                      // lesson lies beyond them), and beyond them.
                      TabCase{"SecondTabLast", u"pes\t"_s + QString(254, u'o') + u"\t1"_s,
                              u"pes|"_s + QString(254, u'o') + u"|0|"_s},
                      TabCase{"SecondTabTooFar", u"pes\t"_s + QString(255, u'o') + u"\t"_s,
                              u"second TAB too far"_s},
                      // Only 255 characters after the first TAB count.
                      TabCase{"LongDescriptionCut", u"pes\tdog\t1\t"_s + QString(300, u'd'),
                              u"pes|dog|1|"_s + QString(249, u'd')}),
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

TEST(TextEncodings, ABinaryOrMissingFileIsRefused) {
    EXPECT_THROW(exchange::textLines(QByteArray("SQLite format 3\0\0", 18)), core::FileError);
    EXPECT_THROW(exchange::readImportLines(u"/nonexistent/words.txt"_s), core::FileError);
}

} // namespace
