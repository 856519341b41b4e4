#include "core/settingsint.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Each case is written "text → value" with the value in decimal.
void expectValues(std::initializer_list<const char16_t*> cases) {
    for (const char16_t* c : cases) {
        const QStringList sides = QString::fromUtf16(c).split(u" → "_s);
        EXPECT_EQ(core::parseSettingsInt(sides[0]), sides[1].toInt()) << sides[0].toStdString();
    }
}

} // namespace

TEST(SettingsInt, DecimalWithBlanksAndSign) {
    expectValues({u"0 → 0", u"42 → 42", u"007 → 7", u" \t 42 → 42", u"+5 → 5", u"-5 → -5",
                  u"\t-0 → 0", u"2147483647 → 2147483647", u"-2147483648 → -2147483648"});
}

TEST(SettingsInt, HexadecimalGivesTheThirtyTwoBitPattern) {
    expectValues({u"$1F → 31", u"x1f → 31", u"X10 → 16", u"0x10 → 16", u"0XaB → 171",
                  u"$7FFFFFFF → 2147483647", u"$80000005 → -2147483643", u"$FFFFFFFF → -1",
                  u"-$10 → -16", u"-$FFFFFFFF → 1", u"-$80000000 → -2147483648",
                  u" +0x00000000FF → 255"});
}

TEST(SettingsInt, AnythingElseDoesNotParse) {
    QStringList rejected = {u""_s,    u"   "_s, u"-"_s,   u"$"_s,   u"0x"_s,  u"$-1"_s,  u"- 5"_s,
                            u"+-5"_s, u"1 "_s,  u"1\t"_s, u"12a"_s, u"$1G"_s, u"0x$1"_s, u"1.5"_s};
    rejected << u"2147483648"_s << u"-2147483649"_s << u"$100000000"_s << u"99999999999999999999"_s
             << u"\u00A05"_s << u"\u0661\u0662"_s << u"\uFF11"_s << u"5"_s + QChar(0xD800)
             << QString(QChar(0)) + u"5"_s << u"5"_s + QChar(0);
    for (const QString& text : rejected)
        EXPECT_EQ(core::parseSettingsInt(text), std::nullopt) << text.toStdString();
}

TEST(SettingsInt, LongInputsAreHandledWhole) {
    const auto parse = [](const QString& text) {
        return core::parseSettingsInt(text);
    };
    EXPECT_EQ(parse(QString(100'000, u'0') + u"7"_s), 7);
    EXPECT_EQ(parse(u"$"_s + QString(100'000, u'0') + u"F"_s), 15);
    EXPECT_EQ(parse(QString(100'000, u' ') + u"-3"_s), -3);
    EXPECT_EQ(parse(QString(100'000, u'9')), std::nullopt);
    EXPECT_EQ(parse(u"1"_s + QString(100'000, u' ')), std::nullopt);
}

TEST(SettingsInt, EverySingleCharacterParsesOnlyAsADigit) {
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const QChar c(static_cast<char16_t>(unit));
        const auto expected =
            c >= u'0' && c <= u'9' ? std::optional<qint32>(unit - u'0') : std::nullopt;
        ASSERT_EQ(core::parseSettingsInt(QStringView(&c, 1)), expected) << quint32{unit};
    }
}
