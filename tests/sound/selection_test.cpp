#include "sound/article.h"
#include "sound/selection.h"
#include "sound/trackscale.h"
#include "sound/typedtime.h"

#include <gtest/gtest.h>

using namespace sound;
using namespace Qt::StringLiterals;

TEST(TrackScale, TheSmallestPowerOfTenGivingAtMostTenThousandSteps) {
    const std::pair<qint64, TrackScale> cases[] = {{0, {1, 0}},           {10000, {1, 10000}},
                                                   {65000, {10, 6500}},   {100001, {10, 10000}},
                                                   {100005, {10, 10000}}, {100015, {100, 1000}},
                                                   {150000, {100, 1500}}, {1000001, {100, 10000}}};
    for (const auto& [length, scale] : cases)
        EXPECT_EQ(trackScaleFor(length), scale) << length;
}

TEST(StepSelection, RefusesStepsOverTheEdges) {
    struct Case {
        const char* name;
        Selection selection;
        SelectionEdge edge;
        qint64 delta;
        std::optional<Selection> result;
    };
    constexpr qint64 kLength = 2000;
    const Case cases[] = {
        {"start back at 0", {0, 1000}, SelectionEdge::Start, -50, std::nullopt},
        {"start back to 0", {50, 1000}, SelectionEdge::Start, -50, Selection{0, 1000}},
        {"start on to the end", {900, 1000}, SelectionEdge::Start, 100, std::nullopt},
        {"start on below the end", {900, 1000}, SelectionEdge::Start, 50, Selection{950, 1000}},
        {"end on at the length", {0, kLength}, SelectionEdge::End, 50, std::nullopt},
        {"end on to the length", {0, 1500}, SelectionEdge::End, 500, Selection{0, kLength}},
        {"end back 50 ms above the start", {1000, 1050}, SelectionEdge::End, -50, std::nullopt},
        {"end back above the start", {1000, 1100}, SelectionEdge::End, -50, Selection{1000, 1050}},
        {"end back to 0", {0, 50}, SelectionEdge::End, -50, std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(stepSelection(c.selection, kLength, c.edge, c.delta), c.result) << c.name;
}

TEST(TypedSeconds, TheFirstCommaIsADecimalPoint) {
    const std::pair<QString, std::optional<qint64>> cases[] = {
        {u"1,5"_s, 1500},           {u"1.5"_s, 1500},          {u" 2 "_s, 2000},
        {u"0,0004"_s, 0},           {u"abc"_s, std::nullopt},  {u""_s, std::nullopt},
        {u"1,5,0"_s, std::nullopt}, {u"1e400"_s, std::nullopt}};
    for (const auto& [text, ms] : cases)
        EXPECT_EQ(parseTypedSeconds(text), ms) << text.toStdString();
}

TEST(ArticleIntervals, LinesOfTwoRightAlignedFieldsReadBack) {
    EXPECT_EQ(formatInterval({1250, 2700}), u"      1.250       2.700"_s);
    EXPECT_EQ(formatInterval({0, 12345678}), u"      0.000   12345.678"_s);
    EXPECT_EQ(parseInterval(formatInterval({1001, 65999})), (Selection{1001, 65999}));
    EXPECT_EQ(parseInterval(u"      1,5       2.700"_s), (Selection{1500, 2700}));
    EXPECT_EQ(parseInterval(u"      1.250"_s), std::nullopt);
    EXPECT_EQ(parseInterval(u"      1.250 zde"_s), std::nullopt);
}

TEST(ArticleName, OnlyAPlainFolderName) {
    const std::pair<QString, bool> cases[] = {
        {u"lekce1"_s, true},   {u"Lekce 1 - Dům"_s, true}, {u"a.b"_s, true},     {u""_s, false},
        {u"a/b"_s, false},     {u"a\\b"_s, false},         {u".."_s, false},     {u"a..b"_s, false},
        {u".skryta"_s, false}, {u"a\tb"_s, false},         {u"konec\n"_s, false}};
    for (const auto& [name, plain] : cases)
        EXPECT_EQ(articleNameProblem(name).isEmpty(), plain) << name.toStdString();
    EXPECT_FALSE(canStoreArticle(u"ab"_s, 1));
    EXPECT_FALSE(canStoreArticle(u"abc"_s, 0));
    EXPECT_TRUE(canStoreArticle(u"abc"_s, 1));
}
