#include "core/ansilower.h"
#include "core/cp1250codec.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// What is not an upper-case letter stays as it is.
TEST(AnsiLower, EveryLetterOfTheCodePageStaysInTheCodePage) {
    int upperCaseLetters = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const QString original = core::decodeCp1250(QByteArray(1, static_cast<char>(byte)));
        const QString lowered = core::ansiLower(original);
        EXPECT_TRUE(core::encodeCp1250(lowered).isLossless()) << byte;
        EXPECT_EQ(lowered != original, original[0].isUpper()) << byte;
        upperCaseLetters += original[0].isUpper();
    }
    EXPECT_EQ(upperCaseLetters, 26 + 40);
}

// Every capital of the code page, and characters outside it one by one.
TEST(AnsiLower, LowersEveryUpperCaseLetterOfTheCodePageAndOthersOneByOne) {
    const std::pair<QString, QString> cases[] = {
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZČŘŽŠĚŮŇŤĎÁÉÍÓÚÝÄÖÜŁĄĘŚŹŻĽĹŔŐŰĂĆŃŞŢÂÎÔÇËĐ"_s,
         u"abcdefghijklmnopqrstuvwxyzčřžšěůňťďáéíóúýäöüłąęśźżľĺŕőűăćńşţâîôçëđ"_s},
        {u"ŽUK Жук"_s, u"žuk жук"_s},
        {u"ΩΣ"_s, u"ωσ"_s},
        {u"𐐀x"_s, u"𐐨x"_s},
        {QString(QChar(0xD801)) + u"A"_s, QString(QChar(0xD801)) + u"a"_s}};
    for (const auto& [text, lowered] : cases)
        EXPECT_EQ(core::ansiLower(text), lowered) << text.toStdString();
}
