#include "scratchfolder.h"

#include "store/error.h"

#include <QSignalSpy>

namespace {

using store::Cursor;

// Two cursors on one dictionary file, as the word list and a dialog hold it.
class SharedTables : public ScratchTest {
protected:
    std::unique_ptr<Cursor> table1 = folder.table(u"dictonary"_s);
    std::unique_ptr<Cursor> pomTable = folder.table(u"dictonary"_s);
};

TEST_F(SharedTables, TwoCursorsOnOneFileSeeEachOthersPostsAtOnce) {
    addWords(*table1, {{"les", "forest", 1}, {"hora", "mountain", 1}});
    EXPECT_EQ(pomTable->recordCount(), 2);

    ASSERT_TRUE(pomTable->findKey({u"les"_s}));
    ASSERT_TRUE(table1->findKey({u"les"_s}));
    postFields(*pomTable, {{u"Dobre"_s, 4}});
    EXPECT_EQ(table1->field(u"Dobre"_s).asInteger(), 4);
    EXPECT_EQ(table1->field(u"Czech"_s).asString(), u"les"_s);

    pomTable->deleteRecord();
    EXPECT_EQ(table1->recordCount(), 1);
    EXPECT_EQ(table1->field(u"Czech"_s).asString(), u"hora"_s);
}

TEST_F(SharedTables, AWalkSeesChangesMadeAheadOfItByItselfAndByAnotherCursor) {
    Cursor& walker = *table1;
    Cursor& other = *pomTable;
    addWords(walker, {{"a", "a", 1}, {"b", "b", 1}, {"c", "c", 1}, {"d", "d", 1}, {"e", "e", 1}});
    QStringList seen;
    for (walker.first(); !walker.eof(); walker.next()) {
        const QString czech = walker.field(u"Czech"_s).asString();
        seen << czech + QString::number(walker.field(u"Lekce"_s).asInteger());
        postFields(walker, {{u"Lekce"_s, 2}});
        if (czech == u"b") {
            ASSERT_TRUE(other.findKey({u"d"_s}));
            postFields(other, {{u"Lekce"_s, 7}});
        }
    }
    EXPECT_EQ(seen, QStringList({u"a1"_s, u"b1"_s, u"c1"_s, u"d7"_s, u"e1"_s}));
    ASSERT_TRUE(other.findKey({u"c"_s}));
    EXPECT_EQ(other.field(u"Lekce"_s).asInteger(), 2);
}

TEST_F(SharedTables, AnotherCursorsChangeIsAnnouncedOnceUntilRead) {
    QSignalSpy viewChanges(table1.get(), &Cursor::viewChanged);
    addWords(*pomTable, {{"a", "a", 1}, {"b", "b", 1}, {"c", "c", 1}});
    EXPECT_EQ(viewChanges.count(), 1);
    EXPECT_EQ(table1->recordCount(), 3);
    addWords(*pomTable, {{"d", "d", 1}});
    EXPECT_GE(viewChanges.count(), 2);
}

TEST_F(SharedTables, DisabledControlsHearOneSignalWhenEnabledAgain) {
    QSignalSpy viewChanges(table1.get(), &Cursor::viewChanged);
    QSignalSpy moves(table1.get(), &Cursor::currentChanged);
    table1->disableControls();
    addWords(*table1, {{"a", "a", 1}, {"b", "b", 1}});
    table1->first();
    table1->next();
    EXPECT_EQ(std::tuple(viewChanges.count(), moves.count()), std::tuple(0, 0));
    table1->enableControls();
    EXPECT_EQ(std::tuple(viewChanges.count(), moves.count()), std::tuple(1, 1));
}

TEST_F(SharedTables, DetailShowsTheRecordsOfTheMastersCurrentRecord) {
    auto questions = folder.table(u"runtime"_s);
    auto answers = folder.table(u"deprun"_s);
    auto grades = folder.table(u"runzn"_s);
    questions->appendRecord({u"pes"_s, u"pes"_s, 2, 0, 0});
    questions->appendRecord({u"kočka"_s, u"kočka"_s, 1, 0, 0});
    answers->appendRecord({u"pes"_s, u"dog"_s, u"dog"_s, QString(), 1});
    answers->appendRecord({u"pes"_s, u"hound"_s, u"hound"_s, QString(), 5});
    answers->appendRecord({u"kočka"_s, u"cat"_s, u"cat"_s, QString(), 1});

    questions->first();
    answers->setMaster(questions.get(), u"Otazka"_s);
    grades->setIndexName(u"Otazka"_s);
    grades->setMaster(questions.get(), u"Otazka"_s);
    // The master moves before the details are read: they follow it.
    questions->last();
    EXPECT_TRUE(answers->findKey({u"pes"_s, u"hound"_s}));

    ASSERT_TRUE(questions->findKey({u"pes"_s}));
    EXPECT_EQ(tableRows(*answers, {u"Odpoved"_s}), QStringList({u"dog"_s, u"hound"_s}));
    questions->first();
    EXPECT_EQ(tableRows(*answers, {u"Odpoved"_s}), QStringList({u"cat"_s}));

    // A record inserted into a detail belongs to the master's current record.
    grades->append();
    grades->field(u"Znamka"_s).setAsInteger(1);
    grades->post();
    grades->appendRecord({u"kočka"_s, 2, 3});
    EXPECT_EQ(tableRows(*grades, {u"Znamka"_s}), QStringList({u"1"_s, u"3"_s}));
    questions->last();
    EXPECT_EQ(grades->recordCount(), 0);

    questions->emptyTable();
    EXPECT_EQ(answers->recordCount(), 0) << "no master record, no details";
}

TEST_F(SharedTables, ClosedCursorRefusesWorkWithAMessage) {
    auto table = folder.table(u"user"_s);
    table->close();
    EXPECT_FALSE(table->active());
    try {
        table->first();
        FAIL() << "a closed table must refuse to move";
    } catch (const store::Error& error) {
        EXPECT_TRUE(error.message().contains(u"user.db"_s));
    }
    table->open();
    EXPECT_TRUE(table->active());
}

} // namespace
