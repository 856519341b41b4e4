#include "store/czechcollation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using store::compareCzech;

// Each case is written "lower < higher".
void expectOrdered(std::initializer_list<std::string> cases) {
    for (const std::string& c : cases) {
        const std::string lower = c.substr(0, c.find(" < "));
        const std::string higher = c.substr(c.find(" < ") + 3);
        EXPECT_LT(compareCzech(lower, higher), 0) << c;
        EXPECT_GT(compareCzech(higher, lower), 0) << c;
    }
}

TEST(CzechCollation, LettersWithACaronFollowTheirBaseLetter) {
    expectOrdered({"c < č", "cz < ča", "čz < d", "r < ř", "rz < řa", "řz < s", "sz < ša", "š < t",
                   "zz < ža", "z < ž"});
}

// Case sorts lower first and never scatters the list.
TEST(CzechCollation, OtherAccentsAndCaseOnlyBreakTies) {
    expectOrdered({"a < á", "á < ab", "e < ě", "ě < f", "u < ů", "ů < v", "dum < dům", "dům < dumy",
                   "pes < Pes", "Pes < pesa", "apple < Banana", "Čáp < čápa", "Zebra < želva"});
}

// Foreign letters sort with their base letter.
TEST(CzechCollation, PrefixesBlanksDigitsAndForeignLetters) {
    expectOrdered({"b < ba", " < a", "a b < ab", "9 < a", "z < Ω", "Ω < Ж", "strase < straße",
                   "łódź < m", "o < ö", "ö < p"});
    EXPECT_EQ(compareCzech("pes", "pes"), 0);
    EXPECT_EQ(compareCzech("", ""), 0);
}

// Russian words in the order of their alphabet (ё after е, й after и), case and Greek
// accents only breaking ties.
TEST(CzechCollation, CyrillicAndGreekFollowTheirAlphabets) {
    expectOrdered({"абрикос < Август", "Август < арбуз", "арбуз < ель", "ель < Ёж", "Ёж < ёлка",
                   "ёлка < жук", "жук < игла", "игла < йод", "йод < Яблоко", "яблоко < Яблоко",
                   "άλφα < Βήτα", "βήτα < γάλα", "ένα < εννέα", "ωμέγα < Ж"});
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
