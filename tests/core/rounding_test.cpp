#include "core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

TEST(Rounding, DoubleTiesGoToEven) {
    const std::pair<double, double> cases[] = {
        {0.5, 0},       {1.5, 2},         {2.5, 2},           {3.5, 4},      {-0.5, 0},
        {-1.5, -2},     {-2.5, -2},       {0.0, 0},           {7.0, 7},      {0.49999999, 0},
        {2.5000001, 3}, {-2.5000001, -3}, {1e15 + 0.5, 1e15}, {1e300, 1e300}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(core::roundHalfToEven(value), rounded) << value;

    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(core::roundHalfToEven(-infinity), -infinity);
    EXPECT_TRUE(std::isnan(core::roundHalfToEven(std::numeric_limits<double>::quiet_NaN())));
}

TEST(Rounding, RatioTiesGoToEven) {
    const std::tuple<qint64, qint64, qint64> cases[] = {
        {1, 2, 0},         {3, 2, 2},        {5, 2, 2},        {-1, 2, 0},   {-3, 2, -2},
        {7, 3, 2},         {8, 3, 3},        {-7, 3, -2},      {-8, 3, -3},  {1, -2, 0},
        {3, -2, -2},       {-3, -2, 2},      {0, 5, 0},        {49, 100, 0}, {50, 100, 0},
        {51, 100, 1},      {150, 100, 2},    {250, 100, 2},    {100, 3, 33}, {200, 3, 67},
        {10 * 15, 100, 2}, {100 * 7, 8, 88}, {100 * 9, 8, 112}};
    for (const auto& [numerator, denominator, rounded] : cases)
        EXPECT_EQ(core::divideRoundingHalfToEven(numerator, denominator), rounded)
            << numerator << " / " << denominator;
}
