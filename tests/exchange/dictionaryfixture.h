#pragma once

#include "exchange/dictionarycursor.h"
#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A dictionary in a temporary folder, open on a cursor whose posts derive the test words by
// the default rules, as the word list's cursor does.
class DictionaryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(m_dir.path()).mkpath(u"dict"_s);
        store::createTableFile(path(u"dict/dictonary.db"_s), u"dictonary"_s);
        exchange::openDictionaryTable(dictionary, path(u"dict"_s));
        exchange::keepEntriesOnPost(dictionary, entry::TestWordRules{});
    }

    QString path(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

    QString writeFile(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(relative);
    }

    QByteArray readFile(const QString& relative) const {
        QFile file(path(relative));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // Adds entries (Czech, Other, Lekce) through the hook.
    void addWords(std::initializer_list<std::tuple<QString, QString, int>> words) {
        for (const auto& [czech, other, lesson] : words)
            dictionary.appendRecord({czech, other, lesson});
    }

    // "Czech|Other|Lekce" of every entry, in the cursor's order.
    QStringList entries() {
        QStringList all;
        for (dictionary.first(); !dictionary.eof(); dictionary.next())
            all << dictionary.field(u"Czech"_s).asString() + u'|' +
                       dictionary.field(u"Other"_s).asString() + u'|' +
                       dictionary.field(u"Lekce"_s).asString();
        return all;
    }

    store::Cursor dictionary;

private:
    QTemporaryDir m_dir;
};
