#include "tablefixture.h"

#include "store/error.h"

#include <QSignalSpy>

namespace {

using store::Cursor;

class SharedTables : public TableFixture {};

TEST_F(SharedTables, TwoCursorsOnOneFileSeeEachOthersPostsAtOnce) {
    auto table1 = openTable(QStringLiteral("dictonary"));
    auto pomTable = openTable(QStringLiteral("dictonary"));
    addWords(*table1, {{"les", "forest", 1}, {"hora", "mountain", 1}});
    EXPECT_EQ(pomTable->recordCount(), 2);

    ASSERT_TRUE(pomTable->findKey({QStringLiteral("les")}));
    ASSERT_TRUE(table1->findKey({QStringLiteral("les")}));
    pomTable->edit();
    pomTable->field(QStringLiteral("Dobre")).setAsInteger(4);
    pomTable->post();
    EXPECT_EQ(table1->field(QStringLiteral("Dobre")).asInteger(), 4);
    EXPECT_EQ(table1->field(QStringLiteral("Czech")).asString(), QStringLiteral("les"));

    pomTable->deleteRecord();
    EXPECT_EQ(table1->recordCount(), 1);
    EXPECT_EQ(table1->field(QStringLiteral("Czech")).asString(), QStringLiteral("hora"));
}

TEST_F(SharedTables, AWalkSeesChangesMadeAheadOfItByItselfAndByAnotherCursor) {
    auto walker = openTable(QStringLiteral("dictonary"));
    auto other = openTable(QStringLiteral("dictonary"));
    addWords(*walker, {{"a", "a", 1}, {"b", "b", 1}, {"c", "c", 1}, {"d", "d", 1}, {"e", "e", 1}});
    QStringList seen;
    for (walker->first(); !walker->eof(); walker->next()) {
        const QString czech = walker->field(QStringLiteral("Czech")).asString();
        seen << czech + QString::number(walker->field(QStringLiteral("Lekce")).asInteger());
        walker->edit();
        walker->field(QStringLiteral("Lekce")).setAsInteger(2);
        walker->post();
        if (czech == u"b") {
            ASSERT_TRUE(other->findKey({QStringLiteral("d")}));
            other->edit();
            other->field(QStringLiteral("Lekce")).setAsInteger(7);
            other->post();
        }
    }
    EXPECT_EQ(seen, QStringList({QStringLiteral("a1"), QStringLiteral("b1"), QStringLiteral("c1"),
                                 QStringLiteral("d7"), QStringLiteral("e1")}));
    ASSERT_TRUE(other->findKey({QStringLiteral("c")}));
    EXPECT_EQ(other->field(QStringLiteral("Lekce")).asInteger(), 2);
}

TEST_F(SharedTables, AnotherCursorsChangeIsAnnouncedOnceUntilRead) {
    auto table1 = openTable(QStringLiteral("dictonary"));
    auto pomTable = openTable(QStringLiteral("dictonary"));
    QSignalSpy viewChanges(table1.get(), &Cursor::viewChanged);
    addWords(*pomTable, {{"a", "a", 1}, {"b", "b", 1}, {"c", "c", 1}});
    EXPECT_EQ(viewChanges.count(), 1);
    EXPECT_EQ(table1->recordCount(), 3);
    addWords(*pomTable, {{"d", "d", 1}});
    EXPECT_GE(viewChanges.count(), 2);
}

TEST_F(SharedTables, DisabledControlsHearOneSignalWhenEnabledAgain) {
    auto table1 = openTable(QStringLiteral("dictonary"));
    QSignalSpy viewChanges(table1.get(), &Cursor::viewChanged);
    QSignalSpy moves(table1.get(), &Cursor::currentChanged);
    table1->disableControls();
    addWords(*table1, {{"a", "a", 1}, {"b", "b", 1}});
    table1->first();
    table1->next();
    EXPECT_EQ(viewChanges.count(), 0);
    EXPECT_EQ(moves.count(), 0);
    table1->enableControls();
    EXPECT_EQ(viewChanges.count(), 1);
    EXPECT_EQ(moves.count(), 1);
}

TEST_F(SharedTables, DetailShowsTheRecordsOfTheMastersCurrentRecord) {
    auto questions = openTable(QStringLiteral("runtime"));
    auto answers = openTable(QStringLiteral("deprun"));
    auto grades = openTable(QStringLiteral("runzn"));
    questions->appendRecord({QStringLiteral("pes"), QStringLiteral("pes"), 2, 0, 0});
    questions->appendRecord({QStringLiteral("kočka"), QStringLiteral("kočka"), 1, 0, 0});
    answers->appendRecord(
        {QStringLiteral("pes"), QStringLiteral("dog"), QStringLiteral("dog"), QString(), 1});
    answers->appendRecord(
        {QStringLiteral("pes"), QStringLiteral("hound"), QStringLiteral("hound"), QString(), 5});
    answers->appendRecord(
        {QStringLiteral("kočka"), QStringLiteral("cat"), QStringLiteral("cat"), QString(), 1});

    questions->first();
    answers->setMaster(questions.get(), QStringLiteral("Otazka"));
    grades->setIndexName(QStringLiteral("Otazka"));
    grades->setMaster(questions.get(), QStringLiteral("Otazka"));
    // The master moves before the details are read: they follow it.
    questions->last();
    EXPECT_TRUE(answers->findKey({QStringLiteral("pes"), QStringLiteral("hound")}));

    ASSERT_TRUE(questions->findKey({QStringLiteral("pes")}));
    EXPECT_EQ(column(*answers, QStringLiteral("Odpoved")), QStringList({u"dog"_s, u"hound"_s}));
    questions->next();
    EXPECT_EQ(questions->field(QStringLiteral("Otazka")).asString(), QStringLiteral("pes"));
    questions->first();
    EXPECT_EQ(column(*answers, QStringLiteral("Odpoved")), QStringList({u"cat"_s}));

    // A record inserted into a detail belongs to the master's current record.
    grades->append();
    grades->field(QStringLiteral("Znamka")).setAsInteger(1);
    grades->post();
    grades->appendRecord({QStringLiteral("kočka"), 2, 3});
    EXPECT_EQ(column(*grades, QStringLiteral("Znamka")), QStringList({u"1"_s, u"3"_s}));
    questions->last();
    EXPECT_EQ(grades->recordCount(), 0);

    questions->emptyTable();
    EXPECT_EQ(answers->recordCount(), 0) << "no master record, no details";
}

TEST_F(SharedTables, ClosedCursorRefusesWorkWithAMessage) {
    auto table = openTable(QStringLiteral("user"));
    table->close();
    EXPECT_FALSE(table->active());
    try {
        table->first();
        FAIL() << "a closed table must refuse to move";
    } catch (const store::Error& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("user.db")));
    }
    table->open();
    EXPECT_TRUE(table->active());
}

} // namespace
