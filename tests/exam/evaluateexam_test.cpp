#include "exam/evaluateexam.h"
#include "exam/examanswers.h"
#include "exam/prepareexam.h"

#include "core/cp1250codec.h"
#include "examtablesfixture.h"
#include "recordingshell.h"
#include "scriptedmessages.h"

namespace {

using exam::QuestionLanguage;

struct Question {
    QString question;
    QString answer; // the chosen entry's answer, Auto 1
    int right = 0;
    int wrong = 0;
    QList<int> grades = {};
};

class EvaluateExam : public ExamTablesFixture {
protected:
    EvaluateExam() {
        folder.write(u"_other_/template.html"_s, "<HTML>\r\n{[..here..]} zmiz\xed\r\n</HTML>\r\n");
        QDir().mkpath(folder.path(u"demo/results"_s));
        evaluation.applicationFolder = folder.path();
        evaluation.userFolder = folder.path(u"demo"_s);
        // Exam 1 of 5 December 2026, 14:03:07: lessons 1 to 2, 3 chosen and 1 worst word
        // asked twice, no limit, automatic.
        const QDate day(2026, 12, 5);
        const QTime time(14, 3, 7);
        table(u"exam"_s).appendRecord(
            {day, time, {}, u"Česky"_s, {}, {}, {}, 1, 2, 3, 1, 1, 2, exam::kNoTimeLimit, {}, 2});
    }

    // The dictionary holds each question's pair with the lifetime counts 10 / 20.
    void addQuestions(const std::vector<Question>& questions) {
        for (const Question& q : questions) {
            const bool czech = evaluation.questionLanguage == QuestionLanguage::Czech;
            table(u"dictonary"_s)
                .appendRecord(
                    {czech ? q.question : q.answer, czech ? q.answer : q.question, 1, 10, 20});
            table(u"runtime"_s).appendRecord({q.question, q.question, 1, q.right, q.wrong, 0});
            table(u"deprun"_s).appendRecord({q.question, QString(u"0"_s + q.answer), {}, {}, 5});
            table(u"deprun"_s).appendRecord({q.question, q.answer, {}, {}, 1});
            for (qsizetype i = 0; i < q.grades.size(); ++i)
                table(u"runzn"_s).appendRecord({q.question, int(i + 1), q.grades[i]});
        }
    }

    std::optional<QString> evaluate() {
        table(u"exam"_s).last();
        return exam::evaluateExam(tables(), evaluation, messages, shell);
    }

    QString reportPath() const { return folder.path(u"demo/results/1_05.12.2026.html"_s); }
    QByteArray report() const { return folder.read(u"demo/results/1_05.12.2026.html"_s); }
    bool reportHas(const QString& text) const {
        return report().contains(core::encodeCp1250(text).bytes);
    }

    // "Czech|Dobre|Spatne" of every dictionary entry.
    QStringList dictionaryCounts() {
        return rows(u"dictonary"_s, {u"Czech"_s, u"Dobre"_s, u"Spatne"_s});
    }
    // "Celkem|Dobre|Spatne" of the history record.
    QString historyCounts() {
        return rows(u"exam"_s, {u"Celkem"_s, u"Dobre"_s, u"Spatne"_s}).join(u'\n');
    }

    exam::ExamEvaluation evaluation;
    ScriptedMessages messages;
    RecordingShell shell;
};

QString error(const char16_t* text) {
    return u"error: "_s + QString::fromUtf16(text);
}

TEST_F(EvaluateExam, FinishedExamAddsTheCountsAndWritesTheReport) {
    evaluation.plannedAsks = 8;
    evaluation.questionCount = 2;
    addQuestions({{u"kůň"_s, u"horse"_s, 5, 1, {1, 1, 5, 1}}, {u"pes"_s, u"dog"_s, 2, 0, {1, 2}}});
    evaluate();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(dictionaryCounts(), (QStringList{u"kůň|15|21"_s, u"pes|12|20"_s}));
    EXPECT_EQ(historyCounts(), u"2|7|1"_s);
    const QString expected =
        u"<HTML>\r\n"
        u"<FONT COLOR=\"#FF0000\"><H2>Zkoušení číslo: 1</H2></FONT>\r\n"
        u"<H3>Automatické zkoušení</H3>\r\n"
        u"Datum a čas zkoušení: 5.12.2026&nbsp;&nbsp;&nbsp;14:03:07<P>\r\n"
        u"<B><H3>Tázací jazyk: <FONT COLOR=\"#00FFFF\">Česky</FONT></H3>\r\n"
        u"Zkoušení od lekce: <FONT COLOR=\"#00FFFF\">1 </FONT>do lekce: <FONT "
        u"COLOR=\"#00FFFF\">2</FONT><BR>\r\n"
        u"Počet slovíček celkem: <FONT COLOR=\"#00FFFF\">2</FONT><BR>\r\n"
        u"z toho nastaveno: <FONT COLOR=\"#00FFFF\">3</FONT> ve standartním výběru a <FONT "
        u"COLOR=\"#00FFFF\">1</FONT> špatně zapamatovatelných slovíček<BR>\r\n"
        u"Na slovíčka ze standardního výběru dotazováno minimálně: <FONT "
        u"COLOR=\"#00FFFF\">1</FONT>x<BR>\r\n"
        u"Na špatně zapamatovatelné dotazováno minimálně: <FONT "
        u"COLOR=\"#00FFFF\">2</FONT>x<BR>\r\n"
        u"Časový limit: <FONT COLOR=\"#00FFFF\">Bez omezení </FONT>\r\n"
        u"</B><HR><B>Počet odpovědí celkem:<FONT COLOR=\"#00FFFF\"> 8</FONT><P>\r\n"
        u"Správných odpovědí celkem: <FONT COLOR=\"#00FFFF\">7</FONT><P>\r\n"
        u"Špatných odpovědí celkem: <FONT COLOR=\"#00FFFF\">1</FONT><P>\r\n"
        u"Celkový průměr ze všech známek: <FONT COLOR=\"#00FFFF\">1.833</FONT><P>\r\n"
        u"<H1>Známka: <FONT COLOR=\"#FF0000\">3</FONT></H1></B><P>\r\n" // 100 − 12 = 88
        u"</HTML>\r\n"_s;
    EXPECT_EQ(report(), core::encodeCp1250(expected).bytes);
}

// The interrupted exam as the exam window leaves it: runtime.db filtered to the questions
// with asks left, the answers and grades following it.
TEST_F(EvaluateExam, BreakingOffDropsEveryNeverAnsweredQuestionWithItsRows) {
    evaluation.interrupted = true;
    evaluation.plannedAsks = 40;
    evaluation.questionCount = 5;
    addQuestions({{u"a"_s, u"x"_s, 1, 1, {1, 5}},
                  {u"b"_s, u"y"_s},
                  {u"c"_s, u"z"_s},
                  {u"d"_s, u"w"_s, 0, 1, {5}},
                  {u"e"_s, u"v"_s}});
    table(u"runtime"_s).setFilter(u"(celkem > 0)"_s);
    table(u"runtime"_s).setFiltered(true);
    table(u"deprun"_s).setMaster(&table(u"runtime"_s), u"Otazka"_s);
    table(u"runzn"_s).setIndexName(u"Otazka"_s);
    table(u"runzn"_s).setMaster(&table(u"runtime"_s), u"Otazka"_s);
    evaluate();
    EXPECT_EQ(rows(u"runtime"_s, {u"Otazka"_s}), (QStringList{u"a"_s, u"d"_s}));
    EXPECT_EQ(rows(u"deprun"_s, {u"Otazka"_s}), (QStringList{u"a"_s, u"a"_s, u"d"_s, u"d"_s}));
    EXPECT_EQ(rows(u"runzn"_s, {u"Otazka"_s}), (QStringList{u"a"_s, u"a"_s, u"d"_s}));
    EXPECT_EQ(historyCounts(), u"2|1|2"_s);
    EXPECT_TRUE(reportHas(u"celkem: <FONT COLOR=\"#00FFFF\">5</FONT><BR>\r\n"_s));
    // 100 − [100 × 2 / 1]: the wrong answers against the one right answer
    EXPECT_TRUE(reportHas(u"přerušeno !!!</FONT><P>\r\n<H1>Známka: <FONT "
                          u"COLOR=\"#FF0000\">no asi tak 6-<"_s));
}

TEST_F(EvaluateExam, BreakingOffBeforeTheFirstAnswerLeavesNoQuestion) {
    evaluation.interrupted = true;
    evaluation.plannedAsks = 2;
    addQuestions({{u"a"_s, u"x"_s}, {u"b"_s, u"y"_s}});
    evaluate();
    EXPECT_TRUE(table(u"runtime"_s).isEmpty() && table(u"deprun"_s).isEmpty());
    EXPECT_EQ(historyCounts(), u"0|0|0"_s);
    EXPECT_TRUE(reportHas(u"známek: <FONT COLOR=\"#00FFFF\">Nelze spočítat</FONT>"_s) &&
                reportHas(u"\">no asi tak 6-</FONT>"_s));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(EvaluateExam, AMissingEntryIsReportedAndTheOthersAreTransferred) {
    evaluation.plannedAsks = 3;
    addQuestions({{u"a"_s, u"x"_s, 1}, {u"b"_s, u"y"_s, 0, 1}, {u"c"_s, u"z"_s, 1}});
    store::Cursor& dictionary = table(u"dictonary"_s);
    for (const QString& czech : {u"a"_s, u"c"_s}) {
        ASSERT_TRUE(dictionary.findKey({czech}));
        dictionary.deleteRecord();
    }
    evaluate();
    EXPECT_EQ(messages.shown, QStringList(2, error(exam::kEntryNotTransferredMessage)));
    EXPECT_EQ(dictionaryCounts(), QStringList{u"b|10|21"_s});
    EXPECT_EQ(historyCounts(), u"3|2|1"_s);
}

TEST_F(EvaluateExam, AskingInTheForeignLanguageFindsTheEntryByItsForeignText) {
    evaluation.questionLanguage = QuestionLanguage::Foreign;
    evaluation.plannedAsks = 2;
    addQuestions({{u"dog"_s, u"pes"_s, 1, 1}});
    table(u"dictonary"_s).appendRecord({u"pes"_s, u"hound"_s, 1, 0, 0});
    evaluate();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(rows(u"dictonary"_s, {u"Other"_s, u"Dobre"_s, u"Spatne"_s}),
              (QStringList{u"dog|11|21"_s, u"hound|0|0"_s}));
}

struct DisplayCase {
    const char* name;
    bool interrupted;
    exam::ResultDisplay display;
    std::optional<bool> confirmed; // the answer to "Zobrazit výsledky zkoušení ?", if asked
    bool opened;
};

class EvaluateExamDisplay : public EvaluateExam,
                            public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(EvaluateExamDisplay, OpensTheReportAsTheResultSettingsSay) {
    evaluation.interrupted = GetParam().interrupted;
    evaluation.display = GetParam().display;
    evaluation.plannedAsks = 1;
    addQuestions({{u"a"_s, u"x"_s, 1}});
    if (GetParam().confirmed)
        messages.answer({*GetParam().confirmed});
    EXPECT_EQ(evaluate(), reportPath()) << "written, whether opened or not";
    EXPECT_EQ(messages.shown.size(), GetParam().confirmed ? 1 : 0);
    EXPECT_EQ(shell.opened, GetParam().opened ? QStringList{reportPath()} : QStringList{});
    EXPECT_FALSE(report().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EvaluateExamDisplay,
    ::testing::Values(
        DisplayCase{"Finished", false, {}, {}, true},
        DisplayCase{"FinishedHidden", false, {false, true}, {}, false},
        DisplayCase{"BrokenOffHiddenByTheFinishFlag", true, {false, true, true, true}, {}, false},
        DisplayCase{"BrokenOffHidden", true, {true, false}, {}, false},
        DisplayCase{"FinishedAskedYes", false, {true, true, true}, true, true},
        DisplayCase{"FinishedAskedNo", false, {true, true, true}, false, false},
        DisplayCase{"BrokenOffAskedNo", true, {true, true, false, true}, false, false},
        DisplayCase{"BrokenOffNotAskedByTheFinishFlag", true, {true, true, true, false}, {}, true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(EvaluateExam, AReportTheSystemCannotOpenIsNamedInAWarning) {
    shell.works = false;
    addQuestions({{u"a"_s, u"x"_s, 1}});
    EXPECT_EQ(evaluate(), reportPath());
    EXPECT_EQ(messages.shown,
              QStringList{u"warning: Systém nedokázal otevřít \""_s + reportPath() + u"\"."_s});
}

// Without the template or the results folder no report is written, but the counts are
// transferred and the history keeps its counts unset.
TEST_F(EvaluateExam, AReportThatCannotBeWrittenIsReported) {
    addQuestions({{u"a"_s, u"x"_s, 1}});
    QFile::remove(folder.path(u"_other_/template.html"_s));
    evaluate();
    EXPECT_TRUE(QDir(folder.path(u"demo/results"_s)).isEmpty());
    QDir(folder.path(u"demo/results"_s)).removeRecursively();
    folder.write(u"_other_/template.html"_s, "{[..here..]}\r\n");
    evaluate();
    EXPECT_EQ(messages.shown, (QStringList{error(exam::kTemplateMissingMessage),
                                           error(exam::kReportNotWrittenMessage)}));
    EXPECT_EQ(dictionaryCounts(), QStringList{u"a|12|20"_s});
    EXPECT_EQ(historyCounts(), u"||"_s);
    EXPECT_TRUE(shell.opened.isEmpty());
}

} // namespace
