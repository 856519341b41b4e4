#include "mainwindowfixture.h"

#include "shell/userlock.h"

#include <QPlainTextEdit>
#include <QSplitter>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    MainWindowTest()
        : MainWindowFixture({{u"administrator"_s, u"tajne"_s},
                             {u"Jan Novák"_s, u"heslo"_s},
                             {u"eva"_s, QString()}}) {}

    // Scripts one showing of the login dialog: choose the user, type, press the button.
    void login(const QString& user, const QString& password, const QString& button = u"OKBtn"_s) {
        modals.script(u"LogDlg"_s, [=](QDialog& dialog) {
            auto& names = child<QComboBox>(dialog, u"UserComboBox"_s);
            names.setCurrentIndex(names.findText(user));
            type(dialog, u"PasswordEdit"_s, password);
            click(dialog, button);
        });
    }
};

// No first.txt, no install page. Backup and help hand their work to the system and say when it
// fails.
TEST_F(MainWindowTest, StartUpLogsInListsTheDictionariesAndBackupAndHelpGoToTheSystem) {
    app.createTable(u"Jan Novák/Angličtina/dictonary.db"_s, u"dictonary"_s);
    app.createTable(u"Jan Novák/Němčina/dictonary.db"_s, u"dictonary"_s);
    login(u"Jan Novák"_s, u"HESLO"_s);
    startWindow();

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Lexiton - Přihlášen je uživatel \"Jan Novák\""_s);
    EXPECT_EQ(items(child<QListWidget>(*window, u"ListBox1"_s)),
              QStringList({u"Angličtina"_s, u"Němčina"_s}));
    auto& lessons = child<QComboBox>(*window, u"ComboBox1"_s);
    EXPECT_EQ(std::tuple(lessons.count(), lessons.currentText(), lessons.itemText(100)),
              std::tuple(101, u"vše"_s, u"99"_s));
    EXPECT_TRUE(QFile::exists(app.path(u"grid.tmp"_s)));

    run(u"Backup"_s);
    EXPECT_EQ(system.started.size(), 1u) << "the script with the user's folder and the name";
    EXPECT_EQ(status(),
              u"Zálohování spuštěno, záloha se zapíše do backup/Jan Novák5122026-140309.tar.gz"_s);
    EXPECT_EQ(window->command(u"Backup"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F12));
    run(u"HelpContents"_s);
    click(*window, u"HelpBtn"_s);
    EXPECT_EQ(system.opened,
              QStringList({app.path(u"help/index.html"_s), app.path(u"help/main.html"_s)}));

    system.works = false;
    run(u"Backup"_s);
    run(u"HelpContents"_s);
    EXPECT_EQ(messages.shown, QStringList({u"error: Zálohování se nepodařilo spustit: systém "
                                           u"nedokázal spustit \""_s +
                                               app.path(u"save.sh"_s) + u"\"."_s,
                                           u"warning: Systém nedokázal otevřít \""_s +
                                               app.path(u"help/index.html"_s) + u"\"."_s}));
}

TEST_F(MainWindowTest, AdministratorReturnsToTheLoginAndACancelledLoginClosesWithoutAsking) {
    for (int round = 0; round < 2; ++round) {
        login(u"administrator"_s, u"tajne"_s);
        modals.script(u"OKBottomDlg1"_s, [](QDialog& dialog) { dialog.reject(); });
    }
    login(u"eva"_s, QString());
    startWindow();
    EXPECT_EQ(modals.shownDialogs, QStringList({u"LogDlg"_s, u"OKBottomDlg1"_s, u"LogDlg"_s,
                                                u"OKBottomDlg1"_s, u"LogDlg"_s}));
    EXPECT_EQ(state.userName, u"eva"_s);
    EXPECT_TRUE(window->isVisible());

    login(u"eva"_s, QString(), u"CloseBtn"_s);
    startWindow();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(state.loginCancelled);
    EXPECT_EQ(messages.shown, QStringList()) << "no exit confirmation";
}

// A missing exam.ini is reported once and the program stays; a missing working table closes
// it without asking. The argument preselects the user in the login dialog.
TEST_F(MainWindowTest, MissingStartUpFilesAreReported) {
    QFile::remove(app.path(u"eva/exam.ini"_s));
    modals.script(u"LogDlg"_s, [](QDialog& dialog) { click(dialog, u"OKBtn"_s); });
    startWindow(u"eva"_s);
    EXPECT_EQ(state.userName, u"eva"_s);
    EXPECT_EQ(messages.shown, QStringList({u"error: Chyba při čtení souboru \"exam.ini\"."_s}));
    EXPECT_TRUE(window->isVisible());

    app.write(u"eva/exam.ini"_s, "escape=no\r\n");
    QFile::remove(app.path(u"_other_/runzn.db"_s));
    login(u"eva"_s, QString());
    startWindow();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].startsWith(
        u"error: Není možné otevřít databázi \"znrun.db\" v adresari _other_.\r\nHlášení zní: \r\n"_s));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, FirstRunOpensTheInstallPageOnceAndExitCleansUp) {
    app.write(u"first.txt"_s, "1");
    app.write(u"Temp/1.wav"_s, "x");
    login(u"eva"_s, QString());
    startWindow();
    EXPECT_EQ(system.opened, QStringList({app.path(u"help/install.html"_s)}));

    messages.answer({false, true});
    run(u"Exit"_s);
    EXPECT_TRUE(window->isVisible()) << "No keeps the program running";
    run(u"Exit"_s);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.shown, QStringList(2, u"confirm: Ukončit aplikaci ?."_s));
    EXPECT_FALSE(QFile::exists(app.path(u"first.txt"_s)));
    EXPECT_FALSE(QFile::exists(app.path(u"Temp/1.wav"_s))) << "the temporary folder emptied";

    // The next start opens nothing.
    system.opened.clear();
    login(u"eva"_s, QString());
    startWindow();
    EXPECT_EQ(system.opened, QStringList());
}

// A damaged placement gives the designed size.
TEST_F(MainWindowTest, TheUsersWindowPlacementIsKeptBetweenRuns) {
    login(u"eva"_s, QString());
    startWindow();
    auto* splitter = &child<QSplitter>(*window, u"Splitter1"_s);
    EXPECT_EQ(window->size(), QSize(644, 483)) << "the first start";
    EXPECT_EQ(splitter->sizes().first(), 158);
    window->resize(700, 520);
    splitter->setSizes({250, 440});
    const QList<int> panes = splitter->sizes();
    messages.answer({true});
    window->close();
    ASSERT_TRUE(QFile::exists(app.path(u"eva/window.ini"_s)));

    login(u"eva"_s, QString());
    startWindow();
    EXPECT_EQ(window->size(), QSize(700, 520));
    EXPECT_EQ(window->findChild<QSplitter*>(u"Splitter1"_s)->sizes(), panes);

    for (const char* damaged : {"geometry=(644x483)\r\nSplitter1=%%\r\n", // not Base64
                                "geometry=AAAAAAAA\r\nSplitter1=AAAAAAAA\r\n"}) {
        app.write(u"eva/window.ini"_s, damaged);
        login(u"eva"_s, QString());
        startWindow();
        EXPECT_EQ(window->size(), QSize(644, 483)) << damaged;
        EXPECT_EQ(window->findChild<QSplitter*>(u"Splitter1"_s)->sizes().first(), 158) << damaged;
    }
}

// Another program (here the test) works with eva: she is told who and not let in; once it has
// ended, the window logs her in and holds her.
TEST_F(MainWindowTest, AUserWorkingInAnotherProgramIsNotLetIn) {
    auto other = std::make_unique<shell::UserLock>(app.path(u"eva"_s));
    other->acquire(u"eva"_s);
    login(u"eva"_s, QString());
    login(u"eva"_s, QString(), u"CloseBtn"_s);
    startWindow();
    EXPECT_EQ(modals.shownDialogs, QStringList({u"LogDlg"_s, u"LogDlg"_s}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(
        messages.shown[0].startsWith(u"error: Uživatele „eva“ právě používá jiný program ("_s));
    EXPECT_FALSE(window->isVisible());

    other.reset();
    login(u"eva"_s, QString());
    startWindow();
    EXPECT_EQ(state.userName, u"eva"_s);
    EXPECT_EQ(shell::UserLock::holder(app.path(u"eva"_s))->process,
              QCoreApplication::applicationPid());
}

class SafetyCommandsTest : public WordListTest {};

// An import takes a safety copy first, which the menu command puts back; the data check shows
// its report.
TEST_F(SafetyCommandsTest, AnImportIsUndoneFromItsCopyAndTheDataCheckReports) {
    app.write(u"slova.txt"_s, "d\xf9m\thouse\t4\r\n");
    startOnDictionary();
    files.answer(app.path(u"slova.txt"_s));
    messages.answer({true});
    run(u"ImportTabs"_s);
    EXPECT_EQ(column(0).size(), 7);
    modals.script(u"SafetyCopyDlg"_s, [](QDialog& dialog) {
        EXPECT_EQ(items(child<QListWidget>(dialog, u"CopyList"_s)),
                  QStringList{u"5.12.2026 14:03:09 – před importem"_s});
        click(dialog, u"OKBtn"_s);
    });
    run(u"SafetyCopies"_s);
    EXPECT_EQ(messages.shown.last(),
              u"information: Slovník „Angličtina“ je vrácen do stavu z 5.12.2026 14:03:09 – před "
              "importem. Stav před obnovením je uložen jako nejnovější bezpečnostní kopie."_s);
    EXPECT_EQ(column(0).size(), 6) << "the grid shows the dictionary as before the import";

    modals.script(u"DataCheckDlg"_s, [](QDialog& dialog) {
        const QString report = child<QPlainTextEdit>(dialog, u"ReportMemo"_s).toPlainText();
        EXPECT_TRUE(report.contains(u"\neva/Angličtina/dictonary.db: v pořádku\n"_s));
        EXPECT_TRUE(report.endsWith(u"Všech 8 souborů je v pořádku."_s)) << report.toStdString();
        click(dialog, u"CloseBtn"_s);
    });
    run(u"DataCheck"_s);
}

} // namespace
