#pragma once

#include "mainwindowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The main window with user eva logged in and her dictionary "Angličtina" in the list.
class WordListTest : public MainWindowFixture {
protected:
    WordListTest()
        : MainWindowFixture({{u"eva"_s, QString()}}) {
        app.table(u"eva/Angličtina/dictonary.db"_s, u"dictonary"_s);
        store::Cursor words;
        words.setDatabaseName(app.path(u"eva/Angličtina"_s));
        words.setTableName(u"dictonary.db"_s);
        words.open();
        const std::tuple<const char*, const char*, int> entries[] = {
            {"pes", "dog", 1},    {"kočka", "cat", 1}, {"čáp", "stork", 2},
            {"řeka", "river", 3}, {"auto", "car", 3},  {"zmrzlina", "ice cream", 2}};
        for (const auto& [czech, other, lesson] : entries)
            words.appendRecord({QString::fromUtf8(czech), QString::fromUtf8(other), lesson, 0, 0,
                                QString(), 0, QString::fromUtf8(czech), QString::fromUtf8(other)});
        app.write(u"eva/Angličtina/code.ini"_s, "casesensitive=no\r\n");
        app.write(u"eva/Angličtina/set.ini"_s,
                  "language=Angli\xe8tina\r\nsoundincrementpath=Sounds\r\n{[..memo..]}\r\n"
                  "Moje slovicka\r\n{[..endmemo..]}\r\n");
    }

    void start() {
        modals.script(u"LogDlg"_s,
                      [](QDialog& dialog) { dialog.findChild<QPushButton*>(u"OKBtn"_s)->click(); });
        startWindow(u"eva"_s);
    }

    void openDictionary() {
        auto* list = window->findChild<QListWidget*>(u"ListBox1"_s);
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
    }

    QTableView* grid() { return window->findChild<QTableView*>(u"DBGrid1"_s); }
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
    void type(const char* keys) {
        for (const char* key = keys; *key; ++key)
            QTest::keyClick(gridInput(), *key);
        QCoreApplication::processEvents();
    }
    // F2, select all, type: the current cell's text replaced.
    void retypeCell(const char* text) {
        press(Qt::Key_F2);
        QTest::keyClick(gridInput(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(gridInput(), Qt::Key_Backspace);
        type(text);
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
    void clickButton(const char* name) {
        window->findChild<QToolButton*>(QString::fromLatin1(name))->click();
        QCoreApplication::processEvents();
    }
    QString currentCzech() { return window->table1().field(u"Czech"_s).asString(); }

    QStringList column(int index) {
        auto* grid = window->findChild<QTableView*>(u"DBGrid1"_s);
        QStringList values;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            values << grid->model()->index(row, index).data().toString();
        return values;
    }
    QString header(int index) {
        return window->findChild<QTableView*>(u"DBGrid1"_s)
            ->model()
            ->headerData(index, Qt::Horizontal)
            .toString();
    }
    void chooseSort(int item) {
        auto* sort = window->findChild<QComboBox*>(u"ComboSort"_s);
        sort->setCurrentIndex(item);
        emit sort->activated(item);
    }
    void chooseLesson(const QString& lesson) {
        auto* lessons = window->findChild<QComboBox*>(u"ComboBox1"_s);
        lessons->setCurrentIndex(lessons->findText(lesson));
        emit lessons->activated(lessons->currentIndex());
    }
};
