#include "mainwindowfixture.h"

#include "sound/waveencoding.h"

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

// Practising and playing eva's article "lekce1": three phrases of 10 ms, a text of two lines
// and both pictures.
class ArticlesTest : public WordListTest {
protected:
    ArticlesTest() {
        sound::PcmSound tone;
        tone.samples = QByteArray(882, '\x80');
        app.write(u"eva/practice/lekce1/strings.ini"_s, "First line\r\nSecond line\r\n");
        for (const char* name : {"000000.wav", "000001.wav", "000002.wav"})
            sound::saveWave(app.path(u"eva/practice/lekce1/"_s + QString::fromLatin1(name)), tone);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::green);
        picture.save(app.path(u"eva/practice/lekce1/picture.jpg"_s), "JPEG");
        app.write(u"eva/practice/lekce1/picture.bmp"_s, "broken");
    }

    void practise(const std::function<void(QDialog&)>& script) {
        modals.script(u"TOKBottomDlg8"_s, [](QDialog& chooser) {
            EXPECT_EQ(items(child<QListWidget>(chooser, u"ListBox1"_s)),
                      (QStringList{u"lekce1"_s, u"lekce2"_s}));
            click(chooser, u"OKBtn"_s);
        });
        modals.script(u"TOKBottomDlg7"_s, script);
        run(u"ArticlePractice"_s);
    }
    static QString pane(QDialog& window, const QString& name) {
        return child<QPlainTextEdit>(window, name).toPlainText();
    }
    static QString caption(QDialog& window, const QString& name) {
        return child<QToolButton>(window, name).text();
    }
    static void key(QDialog& window, Qt::Key key) {
        QTest::keyClick(&child(window, u"FileListBox1"_s), key);
    }
    static void editText(QDialog& window, bool newLine, const QString& added) {
        click(window, u"SpeedButton3"_s);
        auto& text = child<QPlainTextEdit>(window, u"RichEdit1"_s);
        text.moveCursor(QTextCursor::End);
        if (newLine)
            QTest::keyClick(&text, Qt::Key_Return);
        typeKeys(text, added);
    }
};

TEST_F(ArticlesTest, SteppingRecordingEditingAndPlaying) {
    start();
    run(u"ArticlePractice"_s);
    openDictionary();
    messages.answer({true, false});
    app.write(u"eva/practice/lekce2/000000.wav"_s, "no sound");

    practise([this](QDialog& article) {
        EXPECT_EQ(items(child<QListWidget>(article, u"FileListBox1"_s)),
                  (QStringList{u"000000.wav"_s, u"000001.wav"_s, u"000002.wav"_s}));
        EXPECT_EQ(pane(article, u"RichEdit2"_s), u"First line"_s);
        EXPECT_TRUE(child<QLabel>(article, u"Image1"_s).isVisible()) << "the JPEG picture";
        EXPECT_FALSE(child(article, u"questionsound"_s).isEnabled());
        key(article, Qt::Key_Return);
        EXPECT_EQ(caption(article, u"SpeedButton2"_s), u"Další [Enter]"_s);
        EXPECT_TRUE(child(article, u"recordsound"_s).isEnabled());
        key(article, Qt::Key_Return);
        EXPECT_EQ(pane(article, u"RichEdit2"_s), u"Second line"_s);
        key(article, Qt::Key_Return);
        EXPECT_EQ(pane(article, u"RichEdit2"_s), u"Sorry - Neni definovano"_s);
        EXPECT_EQ(caption(article, u"SpeedButton2"_s), u"Start [Enter]"_s);
        QTest::keyPress(&article, Qt::Key_F12);
        EXPECT_TRUE(child<QToolButton>(article, u"recordsound"_s).isDown());
        QTest::keyRelease(&article, Qt::Key_F12);
        EXPECT_FALSE(child<QToolButton>(article, u"recordsound"_s).isDown());

        click(article, u"SpeedButtonAll"_s);
        EXPECT_EQ(child<QListWidget>(article, u"FileListBox1"_s).currentRow(), 0);
        EXPECT_FALSE(child(*window, u"TForm3"_s).isVisible());

        editText(article, true, u"Third line"_s);
        EXPECT_EQ(caption(article, u"SpeedButton3"_s), u"Ulož text"_s);
        click(article, u"SpeedButton1"_s);
    });
    EXPECT_EQ(app.read(u"eva/practice/lekce1/strings.ini"_s),
              QByteArray("First line\r\nSecond line\r\nThird line\r\n"));

    practise([this](QDialog& article) {
        editText(article, false, u" changed"_s);
        QDir().rename(app.path(u"eva/practice/lekce1"_s), app.path(u"eva/practice/moved"_s));
        click(article, u"SpeedButton3"_s);
        QDir().rename(app.path(u"eva/practice/moved"_s), app.path(u"eva/practice/lekce1"_s));
        EXPECT_EQ(caption(article, u"SpeedButton3"_s), u"Ulož text"_s) << "still editing";
        click(article, u"SpeedButton1"_s);
    });
    EXPECT_EQ(app.read(u"eva/practice/lekce1/strings.ini"_s),
              QByteArray("First line\r\nSecond line\r\nThird line\r\n"))
        << "No keeps the old text";

    modals.script(u"TOKBottomDlg8"_s, [](QDialog& chooser) {
        child<QListWidget>(chooser, u"ListBox1"_s).selectAll();
        click(chooser, u"OKBtn"_s);
    });
    run(u"ArticlePlayback"_s);
    modals.script(u"TOKBottomDlg8"_s, [](QDialog& chooser) {
        child<QListWidget>(chooser, u"ListBox1"_s).clearSelection();
        click(chooser, u"OKBtn"_s);
    });
    run(u"ArticlePractice"_s);
    EXPECT_EQ(modals.shownDialogs.count(u"TOKBottomDlg7"_s), 2) << "nothing chosen, nothing opened";

    messages.shown.removeAll(u"ask: Text článku byl změněn, ale nebyl uložen. Uložit ?"_s);
    EXPECT_EQ(messages.shown,
              (QStringList{u"error: Je nutné vybrat nějaký slovník pro nastavení znakové sady."_s,
                           u"error: Text nemohl být zapsán. Na obrazovce ho sice vidíš, ale "
                           u"není uložen !!!."_s}));
}

} // namespace
