#include "core/settingsint.h"

#include <QString>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    QString text;
    std::optional<qint32> value;
};

void expectParses(const std::initializer_list<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(core::parseSettingsInt(c.text), c.value) << c.text.left(40).toStdString();
}

} // namespace

TEST(SettingsInt, DecimalWithBlanksAndSign) {
    expectParses({{u"0"_s, 0},
                  {u"42"_s, 42},
                  {u"007"_s, 7},
                  {u" \t 42"_s, 42},
                  {u"+5"_s, 5},
                  {u"-5"_s, -5},
                  {u"\t-0"_s, 0},
                  {u"2147483647"_s, 2147483647},
                  {u"-2147483648"_s, -2147483647 - 1}});
}

TEST(SettingsInt, HexadecimalGivesTheThirtyTwoBitPattern) {
    expectParses({{u"$1F"_s, 31},
                  {u"x1f"_s, 31},
                  {u"X10"_s, 16},
                  {u"0x10"_s, 16},
                  {u"0XaB"_s, 171},
                  {u"$7FFFFFFF"_s, 2147483647},
                  {u"$80000005"_s, -2147483643},
                  {u"$FFFFFFFF"_s, -1},
                  {u"-$10"_s, -16},
                  {u"-$FFFFFFFF"_s, 1},
                  {u"-$80000000"_s, -2147483647 - 1},
                  {u" +0x00000000FF"_s, 255}});
}

TEST(SettingsInt, AnythingElseDoesNotParse) {
    const QString rejected[] = {u""_s,
                                u"   "_s,
                                u"-"_s,
                                u"$"_s,
                                u"0x"_s,
                                u"$-1"_s,
                                u"- 5"_s,
                                u"+-5"_s,
                                u"1 "_s,
                                u"1\t"_s,
                                u"12a"_s,
                                u"$1G"_s,
                                u"0x$1"_s,
                                u"1.5"_s,
                                u"2147483648"_s,
                                u"-2147483649"_s,
                                u"$100000000"_s,
                                u"99999999999999999999"_s,
                                u"\u00A05"_s,
                                u"\u0661\u0662"_s,
                                u"\uFF11"_s,
                                u"5"_s + QChar(0xD800),
                                QString(QChar(0)) + u"5"_s,
                                u"5"_s + QChar(0)};
    for (const QString& text : rejected)
        EXPECT_EQ(core::parseSettingsInt(text), std::nullopt) << text.toStdString();
}

TEST(SettingsInt, LongInputsAreHandledWhole) {
    expectParses({{QString(100'000, u'0') + u"7"_s, 7},
                  {u"$"_s + QString(100'000, u'0') + u"F"_s, 15},
                  {QString(100'000, u' ') + u"-3"_s, -3},
                  {QString(100'000, u'9'), std::nullopt},
                  {u"1"_s + QString(100'000, u' '), std::nullopt}});
}

TEST(SettingsInt, EverySingleCharacterParsesOnlyAsADigit) {
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const QChar c(static_cast<char16_t>(unit));
        const auto expected =
            c >= u'0' && c <= u'9' ? std::optional<qint32>(unit - u'0') : std::nullopt;
        ASSERT_EQ(core::parseSettingsInt(QStringView(&c, 1)), expected) << quint32{unit};
    }
}
