#include "core/cp1250linereader.h"
#include "core/cp1250linewriter.h"
#include "core/fileerror.h"

#include "scratchfolder.h"

#include <QBuffer>

TEST(Cp1250Lines, SplitsAtLineEndings) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {}},
        {"a", {u"a"_s}},
        {"a\r\n", {u"a"_s}},
        {"a\nb", {u"a"_s, u"b"_s}},
        {"a\r\nb\n", {u"a"_s, u"b"_s}},
        {"\r\n\r\n", {u""_s, u""_s}},
        {"a\rb\r\n", {u"a\rb"_s}},
        {"a\r\r\n", {u"a\r"_s}},
        {"a\r", {u"a\r"_s}},
        {"\xE8\x9E\r\n\xEF\xBB\xBF", {u"čž"_s, u"ď»ż"_s}}};
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(core::splitCp1250Lines(bytes), lines) << bytes.toStdString();
}

TEST(Cp1250Lines, FileIsReadWholeOrRaisesTheMessageItIsKnownBy) {
    ScratchFolder folder;
    EXPECT_EQ(core::readCp1250FileLines(folder.write(u"set.ini"_s, "a\r\n\x8A\x81")),
              (QStringList{u"a"_s, u"Š\u0081"_s}));

    const QString missing = folder.path(u"code.ini"_s);
    const auto messageOf = [](const auto& read) {
        try {
            read();
        } catch (const core::FileError& error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_EQ(messageOf([&] { core::readCp1250FileLines(missing, u"Chyba."_s); }), u"Chyba."_s);
    EXPECT_TRUE(messageOf([&] {
                    core::readCp1250FileLines(missing);
                }).startsWith(u"Soubor nelze číst: "_s + missing + u" ("_s));
}

TEST(Cp1250Lines, ReaderStopsAtTheEndAndStaysThere) {
    QByteArray bytes(100'000, 'x');
    bytes.append("\r\nkonec");
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    core::Cp1250LineReader reader(buffer);
    EXPECT_EQ(reader.next(), QString(100'000, u'x'));
    EXPECT_EQ(reader.next(), u"konec"_s);
    EXPECT_EQ(reader.next(), std::nullopt);
    EXPECT_EQ(reader.next(), std::nullopt);
}

// The writer raises when the device refuses.
TEST(Cp1250Lines, WrittenLinesReadBackAndLossesAreCollected) {
    const QStringList lines = {u"žluťoučký kůň"_s, u""_s, u"a\rb\r"_s, u"Жук 😀"_s, u"x"_s};
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    core::Cp1250LineWriter writer(buffer);
    for (const QString& line : lines)
        writer.writeLine(line);

    EXPECT_EQ(buffer.data(), "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2\r\n\r\na\rb\r\r\n??? ?\r\nx\r\n");
    EXPECT_EQ(writer.unencodable(), (QList<char32_t>{0x416, 0x443, 0x43A, 0x1F600}));
    QStringList expected = lines;
    expected[3] = u"??? ?"_s;
    EXPECT_EQ(core::splitCp1250Lines(buffer.data()), expected);

    buffer.close();
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_THROW(writer.writeLine(u"a"_s), core::FileError) << "the device refuses";
}
