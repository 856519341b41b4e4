#include "mainwindowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace {

using namespace Qt::StringLiterals;

using shell::MainWindow;

class MainWindowTest : public MainWindowFixture {
protected:
    MainWindowTest()
        : MainWindowFixture({{QStringLiteral("administrator"), QStringLiteral("tajne")},
                             {QStringLiteral("Jan Novák"), QStringLiteral("heslo")},
                             {QStringLiteral("eva"), QString()}}) {}

    MainWindow& start(const QString& preselected = {}) { return startWindow(preselected); }

    // Scripts one showing of the login dialog: choose the user, type, press the button.
    void login(const QString& user, const QString& password, const char* button = "OKBtn") {
        modals.script(QStringLiteral("LogDlg"), [=](QDialog& dialog) {
            auto* users = dialog.findChild<QComboBox*>(QStringLiteral("UserComboBox"));
            ASSERT_NE(users, nullptr);
            users->setCurrentIndex(users->findText(user));
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("PasswordEdit"));
            ASSERT_NE(edit, nullptr);
            QTest::keyClicks(edit, password);
            dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }

    QStringList dictionaries() const {
        QStringList names;
        auto* list = window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
};

TEST_F(MainWindowTest, StartUpLogsInAndListsTheUsersDictionaries) {
    app.table(QStringLiteral("Jan Novák/Angličtina/dictonary.db"), QStringLiteral("dictonary"));
    app.table(QStringLiteral("Jan Novák/Němčina/dictonary.db"), QStringLiteral("dictonary"));
    login(QStringLiteral("Jan Novák"), QStringLiteral("HESLO"));
    start();

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Lexiton - Přihlášen je uživatel \"Jan Novák\""));
    EXPECT_EQ(state.userName, QStringLiteral("Jan Novák"));
    EXPECT_EQ(dictionaries(),
              QStringList({QStringLiteral("Angličtina"), QStringLiteral("Němčina")}));
    auto* lessons = window->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    EXPECT_EQ(lessons->count(), 101);
    EXPECT_EQ(lessons->currentText(), QStringLiteral("vše"));
    EXPECT_EQ(lessons->itemText(100), QStringLiteral("99"));
    EXPECT_TRUE(QFile::exists(app.path(QStringLiteral("grid.tmp"))));
    EXPECT_EQ(messages.shown, QStringList());
    EXPECT_TRUE(modals.allScriptsUsed());
    EXPECT_EQ(system.opened, QStringList()) << "no first.txt, no install page";
}

TEST_F(MainWindowTest, ArgumentPreselectsTheUserByExactName) {
    modals.script(QStringLiteral("LogDlg"), [](QDialog& dialog) {
        auto* users = dialog.findChild<QComboBox*>(QStringLiteral("UserComboBox"));
        EXPECT_EQ(users->currentText(), QStringLiteral("eva"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    start(QStringLiteral("eva"));
    EXPECT_EQ(state.userName, QStringLiteral("eva"));
}

TEST_F(MainWindowTest, CancelledLoginClosesWithoutAsking) {
    login(QStringLiteral("eva"), QString(), "CloseBtn");
    start();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(state.loginCancelled);
    EXPECT_EQ(messages.shown, QStringList()) << "no exit confirmation";
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - Přihlášen je uživatel \"\"")));
}

TEST_F(MainWindowTest, AdministratorReturnsToTheLoginAfterAdministration) {
    login(QStringLiteral("administrator"), QStringLiteral("tajne"));
    modals.script(QStringLiteral("OKBottomDlg1"), [](QDialog& dialog) { dialog.reject(); });
    login(QStringLiteral("administrator"), QStringLiteral("tajne"));
    modals.script(QStringLiteral("OKBottomDlg1"), [](QDialog& dialog) { dialog.reject(); });
    login(QStringLiteral("eva"), QString());
    start();
    EXPECT_EQ(modals.shownDialogs, QStringList({u"LogDlg"_s, u"OKBottomDlg1"_s, u"LogDlg"_s,
                                                u"OKBottomDlg1"_s, u"LogDlg"_s}));
    EXPECT_EQ(state.userName, QStringLiteral("eva"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, MissingExamIniIsReportedOnceAndTheProgramStays) {
    QFile::remove(app.path(QStringLiteral("eva/exam.ini")));
    login(QStringLiteral("eva"), QString());
    start();
    EXPECT_EQ(messages.shown, QStringList({u"error: Chyba při čtení souboru \"exam.ini\"."_s}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, MissingWorkingTableClosesWithoutAsking) {
    QFile::remove(app.path(QStringLiteral("_other_/runzn.db")));
    login(QStringLiteral("eva"), QString());
    start();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(
        u"error: Není možné otevřít databázi \"znrun.db\" v adresari _other_.\r\nHlášení zní: \r\n"_s));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, FirstRunOpensTheInstallPageOnceAndExitCleansUp) {
    app.write(QStringLiteral("first.txt"), "1");
    app.write(QStringLiteral("Temp/1.wav"), "x");
    app.write(QStringLiteral("Temp/keep/2.wav"), "x");
    login(QStringLiteral("eva"), QString());
    start();
    EXPECT_EQ(system.opened, QStringList({app.path(QStringLiteral("help/install.html"))}));

    messages.answer({false});
    window->command(QStringLiteral("Exit"))->trigger();
    EXPECT_TRUE(window->isVisible()) << "No keeps the program running";
    messages.answer({true});
    window->command(QStringLiteral("Exit"))->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.shown,
              QStringList({u"confirm: Ukončit aplikaci ?."_s, u"confirm: Ukončit aplikaci ?."_s}));
    EXPECT_FALSE(QFile::exists(app.path(QStringLiteral("first.txt"))));
    EXPECT_FALSE(QFile::exists(app.path(QStringLiteral("Temp/1.wav"))));
    EXPECT_TRUE(QFile::exists(app.path(QStringLiteral("Temp/keep/2.wav"))));

    // The next start opens nothing.
    system.opened.clear();
    login(QStringLiteral("eva"), QString());
    start();
    EXPECT_EQ(system.opened, QStringList());
}

TEST_F(MainWindowTest, CommandsOfLaterWindowsAreDisabled) {
    login(QStringLiteral("eva"), QString());
    start();
    for (const char* name :
         {"Exit", "ChangePassword", "Backup", "HelpContents", "About", "NewDictionary",
          "LoadSettingsSet", "CountWords", "EditMode", "ResetStatistics", "MarkKnown", "WordEntry",
          "EvaluationSettings", "Regenerate", "CommaReevaluation", "AutoExam", "SelfExam"})
        EXPECT_TRUE(window->command(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name :
         {"ExportHtml", "ExportTxt", "ImportDictionary", "ImportDictionaryWithStatistics",
          "ImportLines", "ImportTabs", "BulkLessonChange", "FindLesson"})
        EXPECT_TRUE(window->command(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name : {"NewArticle", "KeyboardSwitching"})
        EXPECT_FALSE(window->command(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_FALSE(window->command(QStringLiteral("Pronunciation"))->isVisible());
    EXPECT_FALSE(window->command(QStringLiteral("AddSounds"))->isVisible());
    EXPECT_EQ(window->command(QStringLiteral("Backup"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_F12));
}

TEST_F(MainWindowTest, BackupPassesTheUserFolderAndNameAsTwoArguments) {
    login(QStringLiteral("Jan Novák"), QStringLiteral("heslo"));
    start();
    window->command(QStringLiteral("Backup"))->trigger();
    ASSERT_EQ(system.started.size(), 1u);
    EXPECT_EQ(system.started[0].program, app.path(QStringLiteral("save.sh")));
    EXPECT_EQ(system.started[0].arguments,
              QStringList({app.path(QStringLiteral("Jan Novák")), u"Jan Novák5122026-140309"_s}));
    EXPECT_EQ(system.started[0].workingFolder, app.path());
    EXPECT_EQ(window->statusBar()->currentMessage(),
              u"Zálohování spuštěno, záloha se zapíše do backup/Jan Novák5122026-140309.tar.gz"_s);

    system.works = false;
    window->command(QStringLiteral("Backup"))->trigger();
    EXPECT_EQ(messages.shown, QStringList{u"error: Zálohování se nepodařilo spustit: systém "
                                          u"nedokázal spustit \""_s +
                                          app.path(u"save.sh"_s) + u"\"."_s});
}

TEST_F(MainWindowTest, TheUsersWindowPlacementIsKeptBetweenRuns) {
    login(u"eva"_s, QString());
    start();
    EXPECT_EQ(window->size(), QSize(644, 483)) << "the first start";
    window->resize(700, 520);
    window->findChild<QSplitter*>(u"Splitter1"_s)->setSizes({250, 440});
    const QList<int> panes = window->findChild<QSplitter*>(u"Splitter1"_s)->sizes();
    messages.answer({true});
    window->close();
    ASSERT_TRUE(QFile::exists(app.path(u"eva/window.ini"_s)));

    login(u"eva"_s, QString());
    start();
    EXPECT_EQ(window->size(), QSize(700, 520));
    EXPECT_EQ(window->findChild<QSplitter*>(u"Splitter1"_s)->sizes(), panes);
}

TEST_F(MainWindowTest, AMissingOrDamagedPlacementGivesTheDesignedSize) {
    const std::pair<const char*, const char*> placements[] = {
        {"missing", nullptr},
        {"not Base64", "geometry=(644x483)\r\nSplitter1=%%\r\n"},
        {"not a geometry", "geometry=AAAAAAAA\r\nSplitter1=AAAAAAAA\r\n"},
    };
    for (const auto& [name, content] : placements) {
        QFile::remove(app.path(u"eva/window.ini"_s));
        if (content)
            app.write(u"eva/window.ini"_s, content);
        login(u"eva"_s, QString());
        start();
        EXPECT_EQ(window->size(), QSize(644, 483)) << name;
        EXPECT_EQ(window->findChild<QSplitter*>(u"Splitter1"_s)->sizes().first(), 158) << name;
    }
}

TEST_F(MainWindowTest, HelpCommandsOpenTheirPages) {
    login(QStringLiteral("eva"), QString());
    start();
    window->command(QStringLiteral("HelpContents"))->trigger();
    window->findChild<QToolButton*>(QStringLiteral("HelpBtn"))->click();
    EXPECT_EQ(system.opened, QStringList({app.path(QStringLiteral("help/index.html")),
                                          app.path(QStringLiteral("help/main.html"))}));
    EXPECT_EQ(messages.shown, QStringList());
    system.works = false;
    window->command(QStringLiteral("HelpContents"))->trigger();
    EXPECT_EQ(messages.shown, QStringList{u"warning: Systém nedokázal otevřít \""_s +
                                          app.path(u"help/index.html"_s) + u"\"."_s});
}

} // namespace
