#include "mainwindowfixture.h"

#include "core/cp1250codec.h"
#include "exam/colorvalue.h"
#include "exam/ui/examwindow.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace {

// Whole exams on eva's six words, taken in the exam window as a user would. The random
// source always picks the first question with asks left, so questions come in the order of
// the Czech words: auto, čáp, kočka, pes, řeka, zmrzlina.
class ExamWindowTest : public WordListTest {
protected:
    ExamWindowTest() {
        app.write(u"_other_/template.html"_s, "<HTML>\r\n{[..here..]}\r\n</HTML>\r\n");
    }

    struct Choices {
        bool allLessons = true;
        int fromLesson = 0;
        int toLesson = 1;
        int limitPosition = 0;       // no limit
        bool recordOnButton = false; // with "Automaticky OK"
    };

    // Opens the dictionary, confirms the exam settings (each word asked once, down to the
    // average 2) and hands the exam window to the script.
    void takeExam(const QString& command, Choices choices, std::function<void(QDialog&)> script) {
        startOnDictionary();
        modals.script(u"TOKBottomDlg4"_s, [choices](QDialog& dialog) {
            if (choices.allLessons)
                click(dialog, u"CheckBoxLekce"_s);
            else {
                choose(dialog, u"OdComboBox"_s, choices.fromLesson);
                choose(dialog, u"DoComboBox"_s, choices.toLesson);
            }
            choose(dialog, u"CountComboBox"_s, 0);
            choose(dialog, u"BadComboBox"_s, 0);
            choose(dialog, u"LimitComboBox"_s, choices.limitPosition);
            choose(dialog, u"PrumerComboBox"_s, u"2"_s);
            if (choices.recordOnButton) {
                child<QCheckBox>(dialog, u"RecordSound"_s).setChecked(true);
                click(dialog, u"onbutton"_s);
                child<QCheckBox>(dialog, u"Automat"_s).setChecked(true);
            }
            click(dialog, u"OKBtn"_s);
        });
        modals.script(u"TExam"_s, [this, script](QDialog& dialog) {
            exam = &dialog;
            script(dialog);
        });
        run(command);
        EXPECT_TRUE(modals.allScriptsUsed());
    }

    QWidget& control(const QString& name) { return child(*exam, name); }
    QString label(const QString& name) { return child<QLabel>(*exam, name).text(); }
    bool shown(const QString& name) { return control(name).isVisible(); }
    void press(Qt::Key key) { QTest::keyClick(&control(u"Edit1"_s), key); }

    // Start, with the 100 ms timer stepped by the test instead of the clock.
    void startExam() {
        click(*exam, u"SpeedButton2"_s);
        child<QTimer>(*exam, u"Timer1"_s).stop();
    }
    void answer(const QString& text) {
        child<QLineEdit>(*exam, u"Edit1"_s).setText(text);
        press(Qt::Key_Return);
    }
    void tick(int times) {
        for (int i = 0; i < times; ++i)
            static_cast<exam::ExamWindow*>(exam)->tick();
    }

    // Czech word, right and wrong answers of every entry, in key order.
    QString counts() {
        return tableRows(*app.openTable(u"eva/Angličtina/dictonary.db"_s),
                         {u"Czech"_s, u"Dobre"_s, u"Spatne"_s})
            .join(u' ');
    }
    // Questions, right and wrong answers of every exam in the history.
    QString exams() {
        return tableRows(*app.openTable(u"eva/exam.db"_s), {u"Celkem"_s, u"Dobre"_s, u"Spatne"_s})
            .join(u' ');
    }
    QString report() { return core::decodeCp1250(app.read(u"eva/results/1_05.12.2026.html"_s)); }

    QDialog* exam = nullptr;
};

TEST_F(ExamWindowTest, AutomaticExamWithRightAndWrongAnswersEndsInTheReport) {
    takeExam(u"AutoExam"_s, {}, [this](QDialog& dialog) {
        EXPECT_FALSE(shown(u"otazka"_s));
        startExam();
        EXPECT_FALSE(shown(u"SpeedButton1"_s));
        EXPECT_EQ(label(u"otazka"_s), u"auto"_s);
        answer(u"car"_s);
        // Right, and without "showright" the next question follows at once.
        EXPECT_EQ(label(u"otazka"_s), u"čáp"_s);
        EXPECT_EQ(child<QProgressBar>(dialog, u"ProgressBar"_s).value(), 1);
        EXPECT_TRUE(label(u"CountAll"_s).endsWith(u"minimálně   5"_s))
            << label(u"CountAll"_s).toStdString();

        answer(u"crane"_s);
        EXPECT_EQ(label(u"Label3"_s), u"Špatně"_s);
        EXPECT_EQ(child<QTableWidget>(dialog, u"DBGrid1"_s).item(0, 0)->text(), u"stork"_s);
        EXPECT_EQ(control(u"DBGrid1"_s).toolTip(), u"Přesná odpověd: \"stork\""_s);
        press(Qt::Key_Return); // grade 5 taken on Enter; čáp stays with its average 5
        EXPECT_EQ(label(u"otazka"_s), u"čáp"_s);
        answer(u"stork"_s); // (50 + 10) / 2 = 30: still above 2.0
        EXPECT_EQ(label(u"otazka"_s), u"čáp"_s);
        answer(u"Stork"_s); // (30 + 10) / 2 = 20: done
        for (const QString& word : {u"cat"_s, u"dog"_s, u"river"_s, u"ice cream"_s})
            answer(word);
        EXPECT_EQ(label(u"Label3"_s), u"KONEC ZKOUŠENÍ"_s);
        ASSERT_EQ(child<QToolButton>(dialog, u"SpeedButton2"_s).text(), u"Vyhodnoť"_s);
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible()) << "the window waits for its results";
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(exam->isVisible());
    EXPECT_EQ(counts(), u"auto|1|0 čáp|2|1 kočka|1|0 pes|1|0 řeka|1|0 zmrzlina|1|0"_s);
    EXPECT_EQ(exams(), u"6|7|1"_s);
    const QString page = report();
    EXPECT_TRUE(page.contains(u"<H3>Automatické zkoušení</H3>\r\n"_s));
    // 100 - [100 * 1 / 6] = 83
    EXPECT_TRUE(page.contains(u"<H1>Známka: <FONT COLOR=\"#FF0000\">3</FONT></H1></B><P>\r\n"_s));
    EXPECT_EQ(system.opened, QStringList{app.path(u"eva/results/1_05.12.2026.html"_s)});
    EXPECT_EQ(status(), u"Výsledky zapsány do eva/results/1_05.12.2026.html"_s);
    EXPECT_EQ(messages.shown, QStringList());
}

// The shipped settings: "showright=yes" and the colours and sizes of the exam window.
TEST_F(ExamWindowTest, ARightAnswerIsShownUntilEnterAndEveryTextReadsWithTheShippedLook) {
    for (const QString& file : {u"exam.ini"_s, u"bg.bmp"_s}) {
        QFile::remove(app.path(u"eva/"_s + file));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(LEXITON_DATA_DIR "/") + file, app.path(u"eva/"_s + file)));
    }
    takeExam(u"AutoExam"_s, {false, 1, 1}, [this](QDialog& dialog) {
        const auto reads = [](QWidget& widget, QPalette::ColorRole text,
                              QPalette::ColorRole background) {
            const QPalette& palette = widget.palette();
            return exam::contrastRatio(palette.color(text), palette.color(background)) >= 4.5;
        };
        startExam();
        EXPECT_GT(control(u"otazka"_s).font().pointSize(), dialog.font().pointSize() * 5 / 4);
        EXPECT_TRUE(dialog.rect().contains(control(u"Panel1"_s).geometry()));
        answer(u"cat"_s);
        EXPECT_EQ(label(u"Label3"_s), u"Správně"_s);
        EXPECT_TRUE(shown(u"DBGrid1"_s));
        const QColor right = control(u"Label3"_s).palette().color(QPalette::WindowText);
        for (const QString& box : {u"DBGrid1"_s, u"DBMemo1"_s, u"Edit1"_s})
            EXPECT_TRUE(reads(control(box), QPalette::Text, QPalette::Base)) << box.toStdString();
        EXPECT_TRUE(reads(*child<QTableWidget>(dialog, u"DBGrid1"_s).horizontalHeader(),
                          QPalette::ButtonText, QPalette::Button));
        for (const QString& text : {u"Label3"_s, u"Label4"_s, u"otazka"_s})
            EXPECT_TRUE(reads(control(text), QPalette::WindowText, QPalette::Window))
                << text.toStdString();
        EXPECT_EQ(label(u"otazka"_s), u"kočka"_s);
        press(Qt::Key_Return);
        EXPECT_EQ(label(u"otazka"_s), u"pes"_s);
        answer(u"cat"_s);
        EXPECT_EQ(label(u"Label3"_s), u"Špatně"_s);
        EXPECT_NE(control(u"Label3"_s).palette().color(QPalette::WindowText), right);
        EXPECT_TRUE(reads(control(u"Label3"_s), QPalette::WindowText, QPalette::Window));
        press(Qt::Key_Return);
        for (int ask = 0; ask < 2; ++ask) { // average 5, then (50 + 10) / 2 = 30, then 20
            answer(u"dog"_s);
            press(Qt::Key_Return);
        }
        EXPECT_EQ(label(u"Label3"_s), u"KONEC ZKOUŠENÍ"_s);
        // Enter on whatever has the focus now evaluates.
        QTest::keyClick(exam->focusWidget(), Qt::Key_Return);
    });
    EXPECT_FALSE(report().isEmpty());
}

TEST_F(ExamWindowTest, SelfEvaluationTakesGradesByKeysAndButtons) {
    takeExam(u"SelfExam"_s, {false, 1, 1}, [this](QDialog&) {
        startExam();
        EXPECT_EQ(label(u"otazka"_s), u"kočka"_s);
        EXPECT_FALSE(shown(u"Panel1"_s));
        answer(u"cat"_s);
        EXPECT_EQ(label(u"Label3"_s), u"Já si myslím, že je to správně"_s);
        EXPECT_TRUE(shown(u"SpeedButtonJedna"_s));
        child<QLineEdit>(*exam, u"Edit1"_s).setText(u"x"_s);
        press(Qt::Key_3); // a grade, not a typed character
        // Grade 3 on the last planned ask: average 30 is above 2.0, so asked again.
        EXPECT_EQ(label(u"otazka"_s), u"kočka"_s);
        EXPECT_EQ(text(*exam, u"Edit1"_s), QString());
        answer(u"dog"_s);
        EXPECT_EQ(label(u"Label3"_s), u"Já si myslím, že je to špatně"_s);
        click(*exam, u"SpeedButtonJedna"_s); // (30 + 10) / 2 = 20: done
        EXPECT_EQ(label(u"otazka"_s), u"pes"_s);
        answer(u"dog"_s);
        press(Qt::Key_2);
        EXPECT_EQ(label(u"Label3"_s), u"KONEC ZKOUŠENÍ"_s);
        click(*exam, u"SpeedButton2"_s);
    });
    EXPECT_EQ(counts(), u"auto|0|0 čáp|0|0 kočka|1|1 pes|1|0 řeka|0|0 zmrzlina|0|0"_s);
    const QString page = report();
    EXPECT_TRUE(page.contains(u"<H3>Zkoušení samokontrolou</H3>\r\n"_s));
    // Grades 3, 1, 2.
    EXPECT_TRUE(page.contains(u"<FONT COLOR=\"#00FFFF\">2.000</FONT>"_s));
}

TEST_F(ExamWindowTest, ReleasingTheRecordKeyConfirmsWithAutomaticOk) {
    takeExam(u"SelfExam"_s, {false, 1, 1, 0, true}, [this](QDialog& dialog) {
        EXPECT_FALSE(control(u"recordsound"_s).isEnabled());
        startExam();
        EXPECT_FALSE(control(u"obasound"_s).isEnabled());
        child<QLineEdit>(dialog, u"Edit1"_s).setText(u"cat"_s);
        QTest::keyPress(&dialog, Qt::Key_F12);
        EXPECT_TRUE(child<QToolButton>(dialog, u"recordsound"_s).isDown());
        QTest::keyRelease(&dialog, Qt::Key_F12);
        EXPECT_EQ(label(u"Label3"_s), u"Já si myslím, že je to správně"_s);
        EXPECT_FALSE(control(u"recordsound"_s).isEnabled());
        EXPECT_TRUE(control(u"obasound"_s).isEnabled());
        messages.answer({true});
        click(dialog, u"SpeedButton2"_s);
    });
    EXPECT_EQ(messages.shown, QStringList{u"confirm: Opravdu ukončit zkoušení ?"_s});
}

TEST_F(ExamWindowTest, ATimeLimitThatRunsOutLeavesOnlyGradeFive) {
    takeExam(u"SelfExam"_s, {false, 1, 1, 1}, [this](QDialog&) {
        startExam();
        tick(29);
        EXPECT_EQ(system.beeps, 0);
        tick(1);
        EXPECT_EQ(system.beeps, 1) << "the beep on the 30th tick of 3 seconds";
        child<QLineEdit>(*exam, u"Edit1"_s).setText(u"ca"_s);
        tick(1);
        EXPECT_EQ(label(u"Label3"_s), u"Já si myslím, že je to špatně"_s);
        EXPECT_FALSE(shown(u"SpeedButtonJedna"_s));
        press(Qt::Key_1);
        EXPECT_EQ(label(u"otazka"_s), u"kočka"_s) << "a late answer takes only a 5";
        press(Qt::Key_5);
        EXPECT_EQ(label(u"otazka"_s), u"kočka"_s);
        // In time, every grade is offered again.
        answer(u"cat"_s);
        EXPECT_TRUE(shown(u"SpeedButtonJedna"_s));
        press(Qt::Key_Return);
        EXPECT_TRUE(shown(u"Panel1"_s)) << "Enter does not stop the exam";
        messages.answer({false, true});
        click(*exam, u"SpeedButton2"_s);
        EXPECT_TRUE(shown(u"SpeedButtonJedna"_s)) << "No: the exam goes on";
        click(*exam, u"SpeedButton2"_s);
    });
    EXPECT_EQ(messages.shown, QStringList(2, u"confirm: Opravdu ukončit zkoušení ?"_s));
    const QString page = report();
    EXPECT_TRUE(page.contains(u"Časový limit: <FONT COLOR=\"#00FFFF\">3</FONT> sekund"_s));
    EXPECT_TRUE(page.contains(u"Zkoušení bylo přerušeno !!!"_s));
    EXPECT_EQ(exams(), u"1|0|1"_s) << "pes, never answered, is dropped";
}

} // namespace
