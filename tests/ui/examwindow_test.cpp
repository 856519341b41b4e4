#include "wordlistfixture.h"

#include "core/cp1250codec.h"
#include "exam/colorvalue.h"
#include "exam/ui/examwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
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
        int timesPosition = 0;       // asked once
        int limitPosition = 0;       // no limit
        bool recordOnButton = false; // with "Automaticky OK"
    };

    // Confirms the exam settings and hands the exam window to the script.
    void takeExam(const char* command, Choices choices, std::function<void(QDialog&)> script) {
        modals.script(u"TOKBottomDlg4"_s, [choices](QDialog& dialog) {
            if (choices.allLessons)
                dialog.findChild<QCheckBox*>(u"CheckBoxLekce"_s)->click();
            else {
                dialog.findChild<QComboBox*>(u"OdComboBox"_s)->setCurrentIndex(choices.fromLesson);
                dialog.findChild<QComboBox*>(u"DoComboBox"_s)->setCurrentIndex(choices.toLesson);
            }
            dialog.findChild<QComboBox*>(u"CountComboBox"_s)
                ->setCurrentIndex(choices.timesPosition);
            dialog.findChild<QComboBox*>(u"BadComboBox"_s)->setCurrentIndex(0);
            dialog.findChild<QComboBox*>(u"LimitComboBox"_s)
                ->setCurrentIndex(choices.limitPosition);
            auto* average = dialog.findChild<QComboBox*>(u"PrumerComboBox"_s);
            average->setCurrentIndex(average->findText(u"2"_s));
            if (choices.recordOnButton) {
                dialog.findChild<QCheckBox*>(u"RecordSound"_s)->setChecked(true);
                dialog.findChild<QAbstractButton*>(u"onbutton"_s)->click();
                dialog.findChild<QCheckBox*>(u"Automat"_s)->setChecked(true);
            }
            dialog.findChild<QPushButton*>(u"OKBtn"_s)->click();
        });
        modals.script(u"TExam"_s, [this, script](QDialog& dialog) {
            exam = &dialog;
            script(dialog);
        });
        window->command(QString::fromLatin1(command))->trigger();
        EXPECT_TRUE(modals.allScriptsUsed());
    }

    template <typename Widget = QWidget> Widget* control(const char* name) {
        auto* found = exam->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    bool shown(const char* name) { return control(name)->isVisible(); }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void press(Qt::Key key) { QTest::keyClick(control<QLineEdit>("Edit1"), key); }

    // Start, with the 100 ms timer stepped by the test instead of the clock.
    void startExam() {
        click("SpeedButton2");
        control<QTimer>("Timer1")->stop();
    }
    void answer(const QString& text) {
        control<QLineEdit>("Edit1")->setText(text);
        press(Qt::Key_Return);
    }
    void tick(int times) {
        for (int i = 0; i < times; ++i)
            static_cast<exam::ExamWindow*>(exam)->tick();
    }

    int wordCount(const QString& czech, const char* field) {
        store::Cursor words;
        words.setDatabaseName(app.path(u"eva/Angličtina"_s));
        words.setTableName(u"dictonary.db"_s);
        words.open();
        for (words.first(); !words.eof(); words.next()) {
            if (words.field(u"Czech"_s).asString() == czech)
                return words.field(QLatin1StringView(field)).asInteger();
        }
        ADD_FAILURE() << "no entry " << czech.toStdString();
        return -1;
    }
    QStringList historyRow(const QStringList& fields) {
        store::Cursor history;
        history.setDatabaseName(app.path(u"eva"_s));
        history.setTableName(u"exam.db"_s);
        history.open();
        QStringList values;
        if (history.isEmpty())
            return values;
        history.last();
        for (const QString& field : fields)
            values << history.field(field).asString();
        return values;
    }
    QString report() {
        QFile file(app.path(u"eva/results/1_05.12.2026.html"_s));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return core::decodeCp1250(file.readAll());
    }

    QDialog* exam = nullptr;
};

TEST_F(ExamWindowTest, AutomaticExamWithRightAndWrongAnswersEndsInTheReport) {
    start();
    openDictionary();
    takeExam("AutoExam", {}, [this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"Zkoušení"_s);
        EXPECT_TRUE(shown("SpeedButton1"));
        EXPECT_FALSE(shown("otazka"));
        startExam();
        EXPECT_FALSE(shown("SpeedButton1"));
        EXPECT_EQ(label("otazka"), u"auto"_s);
        answer(u"car"_s);
        // Right, and without "showright" the next question follows at once.
        EXPECT_EQ(label("otazka"), u"čáp"_s);
        EXPECT_EQ(control<QProgressBar>("ProgressBar")->value(), 1);
        EXPECT_TRUE(label("CountAll").endsWith(u"minimálně   5"_s))
            << label("CountAll").toStdString();

        answer(u"crane"_s);
        EXPECT_EQ(label("Label3"), u"Špatně"_s);
        EXPECT_TRUE(shown("DBGrid1"));
        EXPECT_EQ(control<QTableWidget>("DBGrid1")->item(0, 0)->text(), u"stork"_s);
        EXPECT_EQ(control("DBGrid1")->toolTip(), u"Přesná odpověd: \"stork\""_s);
        press(Qt::Key_Return); // grade 5 taken on Enter; čáp stays with its average 5
        EXPECT_EQ(label("otazka"), u"čáp"_s);
        answer(u"stork"_s); // (50 + 10) / 2 = 30: still above 2.0
        EXPECT_EQ(label("otazka"), u"čáp"_s);
        answer(u"Stork"_s); // (30 + 10) / 2 = 20: done
        for (const QString& word : {u"cat"_s, u"dog"_s, u"river"_s, u"ice cream"_s})
            answer(word);
        EXPECT_EQ(label("Label3"), u"KONEC ZKOUŠENÍ"_s);
        EXPECT_FALSE(shown("otazka"));
        ASSERT_EQ(control<QToolButton>("SpeedButton2")->text(), u"Vyhodnoť"_s);
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible()) << "the window waits for its results";
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(exam->isVisible());
    EXPECT_EQ(wordCount(u"čáp"_s, "Dobre"), 2);
    EXPECT_EQ(wordCount(u"čáp"_s, "Spatne"), 1);
    EXPECT_EQ(wordCount(u"auto"_s, "Dobre"), 1);
    EXPECT_EQ(historyRow({u"Celkem"_s, u"Dobre"_s, u"Spatne"_s, u"TypZkouseni"_s}),
              (QStringList{u"6"_s, u"7"_s, u"1"_s, u"2"_s}));
    const QString page = report();
    EXPECT_TRUE(page.contains(u"<H3>Automatické zkoušení</H3>\r\n"_s));
    EXPECT_TRUE(page.contains(u"Bez omezení"_s));
    // 100 - [100 * 1 / 6] = 83
    EXPECT_TRUE(page.contains(u"<H1>Známka: <FONT COLOR=\"#FF0000\">3</FONT></H1></B><P>\r\n"_s));
    EXPECT_EQ(system.opened, QStringList{app.path(u"eva/results/1_05.12.2026.html"_s)});
    EXPECT_EQ(window->statusBar()->currentMessage(),
              u"Výsledky zapsány do eva/results/1_05.12.2026.html"_s);
    EXPECT_EQ(messages.shown, QStringList());
}

// The shipped settings: "showright=yes" and the colours and sizes of the exam window.
TEST_F(ExamWindowTest, ARightAnswerIsShownUntilEnterAndEveryTextReadsWithTheShippedLook) {
    for (const char* file : {"exam.ini", "bg.bmp"}) {
        const QString target = app.path(u"eva/"_s + QLatin1StringView(file));
        QFile::remove(target);
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(LEXITON_DATA_DIR "/") + QLatin1StringView(file), target));
    }
    start();
    openDictionary();
    takeExam("AutoExam", {false, 1, 1}, [this](QDialog& dialog) {
        const auto reads = [](QWidget* widget, QPalette::ColorRole text,
                              QPalette::ColorRole background) {
            const QPalette& palette = widget->palette();
            return exam::contrastRatio(palette.color(text), palette.color(background)) >= 4.5;
        };
        startExam();
        EXPECT_GT(control("otazka")->font().pointSize(), dialog.font().pointSize() * 5 / 4);
        EXPECT_TRUE(dialog.rect().contains(control("Panel1")->geometry()));
        answer(u"cat"_s);
        EXPECT_EQ(label("Label3"), u"Správně"_s);
        EXPECT_TRUE(shown("DBGrid1"));
        const QColor right = control("Label3")->palette().color(QPalette::WindowText);
        auto* grid = control<QTableWidget>("DBGrid1");
        for (QWidget* box : {static_cast<QWidget*>(grid), control("DBMemo1"), control("Edit1")})
            EXPECT_TRUE(reads(box, QPalette::Text, QPalette::Base))
                << box->objectName().toStdString();
        EXPECT_TRUE(reads(grid->horizontalHeader(), QPalette::ButtonText, QPalette::Button));
        for (const char* text : {"Label3", "Label4", "otazka"})
            EXPECT_TRUE(reads(control(text), QPalette::WindowText, QPalette::Window)) << text;
        EXPECT_EQ(label("otazka"), u"kočka"_s);
        press(Qt::Key_Return);
        EXPECT_EQ(label("otazka"), u"pes"_s);
        answer(u"cat"_s);
        EXPECT_EQ(label("Label3"), u"Špatně"_s);
        EXPECT_NE(control("Label3")->palette().color(QPalette::WindowText), right);
        EXPECT_TRUE(reads(control("Label3"), QPalette::WindowText, QPalette::Window));
        press(Qt::Key_Return);
        for (int ask = 0; ask < 2; ++ask) { // average 5, then (50 + 10) / 2 = 30, then 20
            answer(u"dog"_s);
            press(Qt::Key_Return);
        }
        EXPECT_EQ(label("Label3"), u"KONEC ZKOUŠENÍ"_s);
        EXPECT_TRUE(shown("Label3"));
        // Enter on whatever has the focus now evaluates.
        QTest::keyClick(exam->focusWidget(), Qt::Key_Return);
    });
    EXPECT_FALSE(report().isEmpty());
}

TEST_F(ExamWindowTest, SelfEvaluationTakesGradesByKeysAndButtons) {
    start();
    openDictionary();
    takeExam("SelfExam", {false, 1, 1}, [this](QDialog&) {
        startExam();
        EXPECT_EQ(label("otazka"), u"kočka"_s);
        EXPECT_FALSE(shown("Panel1"));
        answer(u"cat"_s);
        EXPECT_EQ(label("Label3"), u"Já si myslím, že je to správně"_s);
        EXPECT_TRUE(shown("SpeedButtonJedna"));
        EXPECT_TRUE(shown("SpeedButtonPet"));
        control<QLineEdit>("Edit1")->setText(u"x"_s);
        press(Qt::Key_3); // a grade, not a typed character
        // Grade 3 on the last planned ask: average 30 is above 2.0, so asked again.
        EXPECT_EQ(label("otazka"), u"kočka"_s);
        EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QString());
        answer(u"dog"_s);
        EXPECT_EQ(label("Label3"), u"Já si myslím, že je to špatně"_s);
        click("SpeedButtonJedna"); // (30 + 10) / 2 = 20: done
        EXPECT_EQ(label("otazka"), u"pes"_s);
        answer(u"dog"_s);
        press(Qt::Key_2);
        EXPECT_EQ(label("Label3"), u"KONEC ZKOUŠENÍ"_s);
        click("SpeedButton2");
    });
    EXPECT_EQ(wordCount(u"kočka"_s, "Dobre"), 1);
    EXPECT_EQ(wordCount(u"kočka"_s, "Spatne"), 1);
    EXPECT_EQ(wordCount(u"pes"_s, "Dobre"), 1);
    const QString page = report();
    EXPECT_TRUE(page.contains(u"<H3>Zkoušení samokontrolou</H3>\r\n"_s));
    // Grades 3, 1, 2.
    EXPECT_TRUE(page.contains(u"<FONT COLOR=\"#00FFFF\">2.000</FONT>"_s));
}

TEST_F(ExamWindowTest, ReleasingTheRecordKeyConfirmsWithAutomaticOk) {
    start();
    openDictionary();
    takeExam("SelfExam", {false, 1, 1, 0, 0, true}, [this](QDialog& dialog) {
        EXPECT_TRUE(shown("recordsound"));
        EXPECT_TRUE(shown("answersound"));
        EXPECT_FALSE(control("recordsound")->isEnabled());
        startExam();
        EXPECT_TRUE(control("recordsound")->isEnabled());
        EXPECT_FALSE(control("obasound")->isEnabled());
        control<QLineEdit>("Edit1")->setText(u"cat"_s);
        QTest::keyPress(&dialog, Qt::Key_F12);
        EXPECT_TRUE(control<QToolButton>("recordsound")->isDown());
        QTest::keyRelease(&dialog, Qt::Key_F12);
        EXPECT_EQ(label("Label3"), u"Já si myslím, že je to správně"_s);
        EXPECT_FALSE(control("recordsound")->isEnabled());
        EXPECT_TRUE(control("obasound")->isEnabled());
        messages.answer({true});
        click("SpeedButton2");
    });
    EXPECT_EQ(messages.shown, QStringList{u"confirm: Opravdu ukončit zkoušení ?"_s});
}

TEST_F(ExamWindowTest, ATimeLimitThatRunsOutLeavesOnlyGradeFive) {
    start();
    openDictionary();
    takeExam("SelfExam", {false, 1, 1, 0, 1}, [this](QDialog&) {
        startExam();
        tick(29);
        EXPECT_EQ(system.beeps, 0);
        tick(1);
        EXPECT_EQ(system.beeps, 1) << "the beep on the 30th tick of 3 seconds";
        EXPECT_FALSE(shown("Panel1"));
        control<QLineEdit>("Edit1")->setText(u"ca"_s);
        tick(1);
        EXPECT_EQ(label("Label3"), u"Já si myslím, že je to špatně"_s);
        EXPECT_TRUE(shown("SpeedButtonPet"));
        EXPECT_FALSE(shown("SpeedButtonJedna"));
        press(Qt::Key_1);
        EXPECT_EQ(label("otazka"), u"kočka"_s) << "a late answer takes only a 5";
        press(Qt::Key_5);
        EXPECT_EQ(label("otazka"), u"kočka"_s);
        // In time, every grade is offered again.
        answer(u"cat"_s);
        EXPECT_TRUE(shown("SpeedButtonJedna"));
        press(Qt::Key_Return);
        EXPECT_TRUE(shown("Panel1")) << "Enter does not stop the exam";
        messages.answer({true});
        click("SpeedButton2");
    });
    EXPECT_EQ(messages.shown, QStringList{u"confirm: Opravdu ukončit zkoušení ?"_s});
    const QString page = report();
    EXPECT_TRUE(page.contains(u"Časový limit: <FONT COLOR=\"#00FFFF\">3</FONT> sekund"_s));
    EXPECT_TRUE(page.contains(u"Zkoušení bylo přerušeno !!!"_s));
    EXPECT_EQ(historyRow({u"Celkem"_s, u"Dobre"_s, u"Spatne"_s}),
              (QStringList{u"1"_s, u"0"_s, u"1"_s}))
        << "pes, never answered, is dropped";
}

TEST_F(ExamWindowTest, AnExamBrokenOffBeforeTheFirstGradeIsReportedEmpty) {
    start();
    openDictionary();
    takeExam("AutoExam", {}, [this](QDialog&) {
        startExam();
        answer(u"bus"_s);
        messages.answer({false});
        click("SpeedButton2");
        EXPECT_EQ(label("Label3"), u"Špatně"_s) << "the exam goes on";
        messages.answer({true});
        click("SpeedButton2");
    });
    EXPECT_EQ(historyRow({u"Celkem"_s, u"Dobre"_s, u"Spatne"_s}),
              (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    const QString page = report();
    EXPECT_TRUE(page.contains(u"Nelze spočítat"_s));
    EXPECT_TRUE(page.contains(u"no asi tak 6-"_s));
    EXPECT_EQ(wordCount(u"auto"_s, "Spatne"), 0);
}

TEST_F(ExamWindowTest, CancellingBeforeTheStartForgetsTheExam) {
    start();
    openDictionary();
    takeExam("AutoExam", {}, [this](QDialog&) { click("SpeedButton1"); });
    EXPECT_EQ(historyRow({u"Auto"_s}), QStringList());
    EXPECT_TRUE(report().isEmpty());
    EXPECT_EQ(system.opened, QStringList());
}

} // namespace
