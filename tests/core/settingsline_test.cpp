#include "core/settingsline.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SettingsLine, KeyMatchesOnlyAtTheStartAndTheValueKeepsItsBlanks) {
    struct Case {
        QString line;
        std::optional<QString> value;
        std::optional<QString> valueIgnoringCase;
    };
    const QString key = u"font="_s;
    const Case cases[] = {{u"font=Arial"_s, u"Arial"_s, u"Arial"_s},
                          {u"font= Arial "_s, u" Arial "_s, u" Arial "_s},
                          {u"font="_s, u""_s, u""_s},
                          {u"FONT=Arial"_s, std::nullopt, u"Arial"_s},
                          {u" font=Arial"_s, std::nullopt, std::nullopt},
                          {u"font =Arial"_s, std::nullopt, std::nullopt},
                          {u"fon"_s, std::nullopt, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(core::valueAfterKey(c.line, key), c.value) << c.line.toStdString();
        EXPECT_EQ(core::valueAfterKeyIgnoringCase(c.line, key), c.valueIgnoringCase);
        EXPECT_EQ(core::lineHasKey(c.line, key), c.value.has_value());
        EXPECT_EQ(core::lineHasKeyIgnoringCase(c.line, key), c.valueIgnoringCase.has_value());
    }
}

TEST(SettingsLine, YesOnlyWhenYesFollowsTheKeyDirectly) {
    const std::pair<QString, bool> cases[] = {
        {u"escape=yes"_s, true},   {u"escape=yesterday"_s, true}, {u"escape=no"_s, false},
        {u"escape= yes"_s, false}, {u"escape=Yes"_s, false},      {u"escape=ye"_s, false},
        {u"escape="_s, false},     {u" escape=yes"_s, false},     {u"sound=yes"_s, false}};
    for (const auto& [line, yes] : cases)
        EXPECT_EQ(core::lineSaysYes(line, u"escape="), yes) << line.toStdString();
}
