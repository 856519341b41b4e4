#pragma once

#include "applicationfolder.h"
#include "recordingshell.h"
#include "scratchfolder.h"
#include "scriptedkeyboardlayouts.h"
#include "scriptedmessages.h"
#include "scriptedmodals.h"
#include "scriptedpickers.h"
#include "scriptedrandom.h"

#include "core/cp1250linereader.h"
#include "shell/ui/mainwindow.h"
#include "sound/nullaudiodevice.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

// The main window and its dialogs on a prepared application folder, with every outside
// service scripted, and the steps a user takes on their controls (found by object name).
class MainWindowFixture : public ::testing::Test {
protected:
    explicit MainWindowFixture(
        const std::vector<ApplicationFolder::User>& folderUsers = {{u"administrator"_s, QString()}})
        : app(folderUsers)
        , state(app.runState()) {}

    void TearDown() override {
        EXPECT_TRUE(modals.allScriptsUsed());
        EXPECT_TRUE(messages.allAnswersUsed());
        EXPECT_TRUE(files.allAnswersUsed());
        EXPECT_TRUE(fonts.allAnswersUsed());
    }

    // Shows the window and lets its start-up sequence run to the end, including a close
    // it requested.
    shell::MainWindow& startWindow(const QString& preselected = {}) {
        state = app.runState();
        window = std::make_unique<shell::MainWindow>(services, state, preselected);
        window->show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return *window;
    }
    void run(const QString& command) {
        window->command(command)->trigger();
        QCoreApplication::processEvents();
    }
    QString status() const { return window->statusBar()->currentMessage(); }
    // The lines of a Windows-1250 file of the application folder; none when it cannot be read.
    QStringList fileLines(const QString& relative) const {
        return core::splitCp1250Lines(app.read(relative));
    }

    // The users table as the dialogs about users find it, with its names in key order.
    void openUsers() {
        users.setDatabaseName(state.otherFolder());
        users.setTableName(u"user.db"_s);
        users.open();
    }
    QStringList userNames() { return tableRows(users, {u"User"_s}); }

    template <typename Widget = QWidget>
    static Widget& child(const QWidget& parent, const QString& name) {
        auto* widget = parent.findChild<Widget*>(name);
        if (widget == nullptr)
            throw std::runtime_error("no control " + name.toStdString());
        return *widget;
    }
    static void click(const QWidget& parent, const QString& buttonName) {
        QTest::mouseClick(&child<QAbstractButton>(parent, buttonName), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Types into a box as a user would, key by key; unlike QTest::keyClicks, this takes
    // Czech letters too.
    static void typeKeys(QWidget& widget, const QString& text) {
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(letter),
                                Qt::NoModifier);
    }
    static void type(const QWidget& parent, const QString& editName, const QString& text) {
        typeKeys(child<QLineEdit>(parent, editName), text);
    }
    static QString text(const QWidget& parent, const QString& editName) {
        return child<QLineEdit>(parent, editName).text();
    }
    // Chooses an item of a list as a user does, so that the list's handler runs.
    static void choose(const QWidget& parent, const QString& listName, int position) {
        auto& list = child<QComboBox>(parent, listName);
        list.setCurrentIndex(position);
        emit list.activated(position);
    }
    static void choose(const QWidget& parent, const QString& listName, const QString& item) {
        choose(parent, listName, child<QComboBox>(parent, listName).findText(item));
    }
    static QStringList items(const QListWidget& list) {
        QStringList texts;
        for (int row = 0; row < list.count(); ++row)
            texts << list.item(row)->text();
        return texts;
    }

    ApplicationFolder app;
    app::RunState state;
    store::Cursor users;
    ScriptedMessages messages;
    ScriptedModals modals;
    RecordingShell system;
    FixedClock clock;
    ScriptedFonts fonts;
    ScriptedFiles files;
    ScriptedRandom random;
    ScriptedKeyboardLayouts keyboardLayouts;
    // The devices of the windows' players; tests of sound windows and of the real device put
    // other ones in.
    std::function<std::unique_ptr<sound::AudioDevice>()> audioDevices = [] {
        return std::make_unique<sound::NullAudioDevice>();
    };
    widgets::Services services{
        messages, modals, system, clock,          [this] { return audioDevices(); },
        fonts,    files,  random, keyboardLayouts};
    std::unique_ptr<shell::MainWindow> window;
};

// The main window with user eva logged in and her dictionary "Angličtina" in the list.
class WordListTest : public MainWindowFixture {
protected:
    WordListTest()
        : MainWindowFixture({{u"eva"_s, QString()}}) {
        app.createTable(u"eva/Angličtina/dictonary.db"_s, u"dictonary"_s);
        const std::tuple<const char*, const char*, int> entries[] = {
            {"pes", "dog", 1},    {"kočka", "cat", 1}, {"čáp", "stork", 2},
            {"řeka", "river", 3}, {"auto", "car", 3},  {"zmrzlina", "ice cream", 2}};
        for (const auto& [czech, other, lesson] : entries)
            addWord(QString::fromUtf8(czech), QString::fromUtf8(other), lesson);
        app.write(u"eva/Angličtina/code.ini"_s, "casesensitive=no\r\n");
        app.write(u"eva/Angličtina/set.ini"_s,
                  "language=Angli\xe8tina\r\nsoundincrementpath=Sounds\r\n{[..memo..]}\r\n"
                  "Moje slovicka\r\n{[..endmemo..]}\r\n");
    }

    // An entry with its test words, written to the table file before the window opens it.
    void addWord(const QString& czech, const QString& other, int lesson) {
        app.openTable(u"eva/Angličtina/dictonary.db"_s)
            ->appendRecord({czech, other, lesson, 0, 0, QString(), 0, czech, other});
    }
    void start() {
        modals.script(u"LogDlg"_s, [](QDialog& dialog) { click(dialog, u"OKBtn"_s); });
        startWindow(u"eva"_s);
    }
    void openDictionary() {
        auto& list = child<QListWidget>(*window, u"ListBox1"_s);
        list.setCurrentRow(0);
        emit list.itemClicked(list.item(0));
    }
    void startOnDictionary() {
        start();
        openDictionary();
    }
    void startEditing() {
        startOnDictionary();
        run(u"EditMode"_s);
    }

    QTableView* grid() { return &child<QTableView>(*window, u"DBGrid1"_s); }
    // What a user's key or click on the grid reaches: the open cell editor, if any. The
    // grid's own reactions run before the next input, as in the event loop.
    QWidget* gridInput() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (auto* editor : grid()->findChildren<QLineEdit*>()) {
            if (editor->isVisible())
                return editor;
        }
        return grid();
    }
    void typeInGrid(const char* keys) {
        for (const char* key = keys; *key; ++key)
            QTest::keyClick(gridInput(), *key);
        QCoreApplication::processEvents();
    }
    // F2, select all, type: the current cell's text replaced.
    void retypeCell(const char* text) {
        press(Qt::Key_F2);
        QTest::keyClick(gridInput(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(gridInput(), Qt::Key_Backspace);
        typeInGrid(text);
    }
    void press(Qt::Key key) {
        QTest::keyClick(gridInput(), key);
        QCoreApplication::processEvents();
    }
    void clickCell(int row, int column) {
        gridInput();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(row, column)).center());
        QCoreApplication::processEvents();
    }
    QString currentCzech() { return window->table1().field(u"Czech"_s).asString(); }

    QStringList column(int index) {
        QStringList values;
        for (int row = 0; row < grid()->model()->rowCount(); ++row)
            values << grid()->model()->index(row, index).data().toString();
        return values;
    }
    QString header(int index) {
        return grid()->model()->headerData(index, Qt::Horizontal).toString();
    }
    void chooseSort(int item) { choose(*window, u"ComboSort"_s, item); }
    void chooseLesson(const QString& lesson) { choose(*window, u"ComboBox1"_s, lesson); }
};
