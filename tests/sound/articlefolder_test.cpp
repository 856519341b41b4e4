#include "sound/articlefolder.h"

#include "core/fileerror.h"
#include "scratchfolder.h"

namespace {

// Article folders as the practice folder holds them, and what the article window reads.
TEST(ArticleFolderTest, PhrasesTextAndPicture) {
    ScratchFolder practice;
    for (const char* file : {"lekce1/000002.wav", "lekce1/000000.wav", "lekce1/000001.mp3",
                             "lekce1/notes.txt", "lekce1/picture.bmp", "lekce1/picture.jpg",
                             "b/000000.wav", "b/picture.bmp", "a/strings.ini"})
        practice.write(QString::fromLatin1(file), "x");
    EXPECT_EQ(sound::articleNames(practice.path()), (QStringList{u"a"_s, u"b"_s, u"lekce1"_s}));

    const QString lekce1 = practice.path(u"lekce1"_s);
    QStringList names;
    for (const QString& path : sound::phraseFiles(lekce1))
        names << QFileInfo(path).fileName();
    EXPECT_EQ(names, (QStringList{u"000000.wav"_s, u"000001.mp3"_s, u"000002.wav"_s}));
    EXPECT_EQ(sound::articlePicture(lekce1), lekce1 + u"/picture.jpg"_s) << "JPEG over BMP";
    EXPECT_EQ(sound::articlePicture(practice.path(u"b"_s)), practice.path(u"b/picture.bmp"_s));
    EXPECT_EQ(sound::articlePicture(practice.path(u"a"_s)), std::nullopt);

    // Three pieces without a text.
    const QStringList none = sound::articleText(lekce1);
    EXPECT_EQ(QStringList({sound::phraseText(none, 0), sound::phraseText(none, 1),
                           sound::phraseText(none, 2)}),
              (QStringList{u"Texty nejsou k dispozici"_s, u"Sorry - Neni definovano"_s,
                           u"Sorry - Neni definovano"_s}));

    // A text with fewer lines than pieces; bytes the code page leaves undefined are read too.
    practice.write(u"lekce1/strings.ini"_s, "P\xf8\xedli\x9a \x81\r\nDruh\xe1 v\xecta\r\n");
    const QStringList text = sound::articleText(lekce1);
    EXPECT_EQ(sound::phraseText(text, 1), u"Druhá věta"_s);
    EXPECT_EQ(sound::phraseText(text, 2), u"Sorry - Neni definovano"_s);

    EXPECT_EQ(sound::writeArticleText(lekce1, {u"Jedna"_s, u"dvě ☺"_s}), QList<char32_t>{U'☺'});
    EXPECT_EQ(practice.read(u"lekce1/strings.ini"_s), QByteArray("Jedna\r\ndv\xec ?\r\n"));
    EXPECT_THROW(sound::writeArticleText(practice.path(u"gone"_s), {u"x"_s}), core::FileError);

    // A Russian article's text is in Windows-1251.
    const core::CodePage& cyrillic = core::CodePage::forCharset(204);
    EXPECT_EQ(sound::writeArticleText(lekce1, {u"Да ☺"_s}, cyrillic), QList<char32_t>{U'☺'});
    EXPECT_EQ(practice.read(u"lekce1/strings.ini"_s), QByteArray("\xC4\xE0 ?\r\n"));
    EXPECT_EQ(sound::articleText(lekce1, cyrillic), QStringList{u"Да ?"_s});
}

} // namespace
