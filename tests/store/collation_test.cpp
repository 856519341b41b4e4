#include "store/czechcollation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using store::compareCzech;

struct Ordered {
    const char* lower;
    const char* higher;
};

void PrintTo(const Ordered& pair, std::ostream* out) {
    *out << pair.lower << " < " << pair.higher;
}

class CzechOrder : public ::testing::TestWithParam<Ordered> {};

TEST_P(CzechOrder, SortsFirstBeforeSecond) {
    const auto [lower, higher] = GetParam();
    EXPECT_LT(compareCzech(lower, higher), 0) << lower << " < " << higher;
    EXPECT_GT(compareCzech(higher, lower), 0) << higher << " > " << lower;
}

INSTANTIATE_TEST_SUITE_P(
    Letters, CzechOrder,
    ::testing::Values(Ordered{"c", "č"}, Ordered{"cz", "ča"}, Ordered{"čz", "d"}, Ordered{"r", "ř"},
                      Ordered{"rz", "řa"}, Ordered{"řz", "s"}, Ordered{"sz", "ša"},
                      Ordered{"š", "t"}, Ordered{"zz", "ža"}, Ordered{"z", "ž"},
                      // accents other than the caron only break ties
                      Ordered{"a", "á"}, Ordered{"á", "ab"}, Ordered{"e", "ě"}, Ordered{"ě", "f"},
                      Ordered{"u", "ů"}, Ordered{"ů", "v"}, Ordered{"dum", "dům"},
                      Ordered{"dům", "dumy"},
                      // case only breaks ties: lower first, and never scatters the list
                      Ordered{"pes", "Pes"}, Ordered{"Pes", "pesa"}, Ordered{"apple", "Banana"},
                      Ordered{"Čáp", "čápa"}, Ordered{"Zebra", "želva"},
                      // a prefix comes first; blanks and digits before letters
                      Ordered{"b", "ba"}, Ordered{"", "a"}, Ordered{"a b", "ab"}, Ordered{"9", "a"},
                      Ordered{"z", "Ω"}, Ordered{"Ω", "Ж"},
                      // foreign letters sort with their base letter
                      Ordered{"strase", "straße"}, Ordered{"łódź", "m"}, Ordered{"o", "ö"},
                      Ordered{"ö", "p"}));

TEST(CzechCollation, EqualOnlyForIdenticalTexts) {
    EXPECT_EQ(compareCzech("pes", "pes"), 0);
    EXPECT_EQ(compareCzech("", ""), 0);
    EXPECT_NE(compareCzech("pes", "Pes"), 0);
    EXPECT_NE(compareCzech("dum", "dům"), 0);
}

TEST(CzechCollation, InvalidUtf8NeitherCrashesNorEqualsValidText) {
    const std::string broken = "a\xC3";
    const std::string lone = "\x80\xFF\xFE";
    EXPECT_NE(compareCzech(broken, "a"), 0);
    EXPECT_NE(compareCzech(lone, ""), 0);
    EXPECT_EQ(compareCzech(lone, lone), 0);
    EXPECT_EQ(compareCzech(broken, lone), -compareCzech(lone, broken));
}

} // namespace
