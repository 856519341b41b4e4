#include "core/codepage.h"
#include "core/cp1250codec.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Cp1250Codec, EveryByteRoundTrips) {
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes.append(static_cast<char>(byte));
    const QString text = core::decodeCp1250(allBytes);
    ASSERT_EQ(text.size(), 256);
    const core::Cp1250Encoding encoded = core::encodeCp1250(text);
    EXPECT_EQ(encoded.bytes, allBytes);
    EXPECT_TRUE(encoded.isLossless());
    for (const unsigned char undefinedByte : {0x81, 0x83, 0x88, 0x90, 0x98})
        EXPECT_EQ(text[undefinedByte].unicode(), undefinedByte);
}

TEST(Cp1250Codec, KnownCharactersHaveTheirBytes) {
    const QString characters = u"ěščřžýáíéúůťďňĚŠČŘŽÝÁÍÉÚŮŤĎŇ€„"_s;
    const QByteArray bytes = "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xFA\xF9\x9D\xEF\xF2"
                             "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xDA\xD9\x8D\xCF\xD2"
                             "\x80\x84";
    EXPECT_EQ(core::decodeCp1250(bytes), characters);
    EXPECT_EQ(core::encodeCp1250(characters).bytes, bytes);
}

TEST(Cp1250Codec, UnencodableCharactersBecomeOneMarkEachAndAreReported) {
    struct Case {
        QString text;
        QByteArray bytes;
        QList<char32_t> unencodable;
    };
    const Case cases[] = {{u"Жук"_s, "???", {0x416, 0x443, 0x43A}},
                          {u"a😀b"_s, "a?b", {0x1F600}},
                          {QString(QChar(0xD800)) + u"x"_s, "?x", {0xD800}},
                          {u"x"_s + QChar(0xDC00), "x?", {0xDC00}},
                          {u"ǅ€"_s, "?\x80", {0x1C5}}};
    for (const Case& c : cases) {
        const core::Cp1250Encoding encoded = core::encodeCp1250(c.text);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.text.toStdString();
        EXPECT_EQ(encoded.unencodable, c.unencodable) << c.text.toStdString();
        EXPECT_FALSE(encoded.isLossless());
    }
    EXPECT_FALSE(core::cp1250Byte(0x10000).has_value());
}

TEST(Cp1250Codec, StoredUtf8EncodesAsItsDecodedText) {
    const std::string_view texts[] = {"plain",         "žluťoučký kůň", "Жук 😀",
                                      "\xC3",          "a\xC0\xAFz",    "\xED\xA0\x80",
                                      "\xEF\xBB\xBFx", "\xFF",          "\xEF\xBF\xBF"};
    for (const int charset : {238, 204}) {
        const core::CodePage& page = core::CodePage::forCharset(charset);
        for (const std::string_view text : texts) {
            const core::Cp1250Encoding expected =
                page.encode(QString::fromUtf8(text.data(), qsizetype(text.size())));
            QByteArray bytes = "<";
            QList<char32_t> unencodable = {U'<'};
            page.appendUtf8(text, bytes, unencodable);
            EXPECT_EQ(bytes, "<" + expected.bytes) << text << " in " << page.number();
            EXPECT_EQ(unencodable, QList<char32_t>{U'<'} + expected.unencodable) << text;
        }
    }
}
