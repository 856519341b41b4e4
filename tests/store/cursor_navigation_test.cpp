#include "scratchfolder.h"

#include "store/error.h"

namespace {

using store::Cursor;

class CursorNavigation : public ScratchTest {
protected:
    void SetUp() override {
        dictionary = folder.table(u"dictonary"_s);
        addWords(*dictionary, {{"žába", "frog", 3},
                               {"cesta", "way", 1},
                               {"čtyři", "four", 2},
                               {"Chata", "cottage", 1},
                               {"řeka", "river", 3},
                               {"rak", "crayfish", 2},
                               {"auto", "car", 1}});
    }
    // Where the cursor stands: its record number, bof() and eof().
    std::tuple<int, bool, bool> at() {
        return {dictionary->recNo(), dictionary->bof(), dictionary->eof()};
    }

    std::unique_ptr<Cursor> dictionary;
};

TEST_F(CursorNavigation, EachIndexGivesItsOrderAndIsLookedUpWithoutRegardToCase) {
    const QStringList byCzech = {u"auto"_s, u"cesta"_s, u"Chata"_s, u"čtyři"_s,
                                 u"rak"_s,  u"řeka"_s,  u"žába"_s};
    const QStringList byOther = {u"car"_s,  u"cottage"_s, u"crayfish"_s, u"four"_s,
                                 u"frog"_s, u"river"_s,   u"way"_s};
    EXPECT_EQ(tableRows(*dictionary, {u"Czech"_s}), byCzech);
    const std::tuple<QString, QString, QStringList> orders[] = {
        {u"czechtoothernew"_s, u"Czech"_s, byCzech},
        {u""_s, u"Czech"_s, byCzech},
        {u"othertoczechnew"_s, u"Other"_s, byOther},
        {u"othertoczech"_s, u"Other"_s, byOther},
        {u"lessonczechother"_s,
         u"Other"_s,
         {u"car"_s, u"way"_s, u"cottage"_s, u"four"_s, u"crayfish"_s, u"river"_s, u"frog"_s}},
        {u"lessonotherczech"_s,
         u"Other"_s,
         {u"car"_s, u"cottage"_s, u"way"_s, u"crayfish"_s, u"four"_s, u"frog"_s, u"river"_s}}};
    for (const auto& [index, field, values] : orders) {
        dictionary->setIndexName(index);
        EXPECT_EQ(tableRows(*dictionary, {field}), values) << index.toStdString();
    }

    EXPECT_TRUE(dictionary->indexNames().contains(u"pomnone"_s));
    dictionary->setIndexName(u"OtherToCzechNew"_s);
    EXPECT_EQ(dictionary->indexName(), u"othertoczechnew"_s);
    EXPECT_THROW(dictionary->setIndexName(u"nosuchindex"_s), store::Error);
    EXPECT_EQ(dictionary->indexName(), u"othertoczechnew"_s);
}

TEST_F(CursorNavigation, EndFlagsFollowTheMovesAndAnEmptyViewHasBothAndNoRecord) {
    dictionary->first();
    EXPECT_EQ(at(), std::tuple(1, true, false));
    dictionary->prior();
    EXPECT_EQ(at(), std::tuple(1, true, false));
    dictionary->next();
    EXPECT_EQ(at(), std::tuple(2, false, false));
    dictionary->last();
    EXPECT_EQ(at(), std::tuple(7, false, true));
    dictionary->prior();
    EXPECT_EQ(at(), std::tuple(6, false, false));
    dictionary->next();
    dictionary->next();
    EXPECT_EQ(at(), std::tuple(7, false, true));

    dictionary->first();
    EXPECT_EQ(dictionary->moveBy(3), 3);
    EXPECT_EQ(at(), std::tuple(4, false, false));
    EXPECT_EQ(dictionary->moveBy(10), 3);
    EXPECT_EQ(at(), std::tuple(7, false, true));
    EXPECT_EQ(dictionary->moveBy(-100), -6);
    EXPECT_EQ(at(), std::tuple(1, true, false));

    dictionary->setRecNo(5);
    EXPECT_EQ(dictionary->field(u"Czech"_s).asString(), u"rak"_s);
    dictionary->setRecNo(99);
    EXPECT_EQ(dictionary->recNo(), 7);

    dictionary->setFilter(u"Lekce = 42"_s);
    dictionary->setFiltered(true);
    EXPECT_EQ(at(), std::tuple(0, true, true));
    EXPECT_EQ(std::tuple(dictionary->recordCount(), dictionary->moveBy(1),
                         dictionary->field(u"Czech"_s).asString(),
                         dictionary->field(u"Lekce"_s).asInteger()),
              std::tuple(0, 0, QString(), 0));
}

TEST_F(CursorNavigation, NearestSearchAgreesWithTheIndexOrderAndFindKeyMovesOnlyWhenFound) {
    // Each case is written "typed → found".
    for (const QString& c :
         {u"c → cesta"_s, u"ch → Chata"_s, u"č → čtyři"_s, u"CH → Chata"_s, u"d → rak"_s,
          u"ř → řeka"_s, u"s → žába"_s, u" → auto"_s, u"Ra → rak"_s}) {
        dictionary->findNearest({c.section(u" → "_s, 0, 0)});
        EXPECT_EQ(dictionary->field(u"Czech"_s).asString(), c.section(u" → "_s, 1))
            << c.toStdString();
        EXPECT_FALSE(dictionary->eof());
    }

    dictionary->findNearest({u"žžž"_s});
    EXPECT_TRUE(dictionary->eof());
    EXPECT_EQ(dictionary->recNo(), 7);

    dictionary->setIndexName(u"lessonotherczech"_s);
    dictionary->findNearest({2});
    EXPECT_EQ(dictionary->field(u"Other"_s).asString(), u"crayfish"_s);
    EXPECT_EQ(dictionary->recNo(), 4);
    dictionary->findNearest({2, u"fr"_s});
    EXPECT_EQ(dictionary->field(u"Other"_s).asString(), u"frog"_s);

    dictionary->setIndexName(QString());
    EXPECT_TRUE(dictionary->findKey({u"čtyři"_s, u"four"_s}));
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_FALSE(dictionary->findKey({u"čtyři"_s, u"five"_s}));
    EXPECT_FALSE(dictionary->findKey({u"Čtyři"_s}));
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_TRUE(dictionary->findKey({u"auto"_s}));
    EXPECT_EQ(dictionary->recNo(), 1);
    EXPECT_THROW(dictionary->findKey({u"a"_s, u"b"_s, u"c"_s}), store::Error);
}

TEST_F(CursorNavigation, ReadRowsKeepsTheRecordAndSoDoChangingTheIndexAndBookmarks) {
    dictionary->setRecNo(2);
    const auto rows = dictionary->readRows(5, 50);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0].toString(), u"rak"_s);
    EXPECT_EQ(rows[2][1].toString(), u"frog"_s);
    EXPECT_EQ(rows[2][2].toLongLong(), 3);
    EXPECT_EQ(dictionary->recNo(), 2);

    ASSERT_TRUE(dictionary->findKey({u"rak"_s}));
    const store::Bookmark mark = dictionary->bookmark();
    ASSERT_TRUE(dictionary->findKey({u"řeka"_s}));
    dictionary->setIndexName(u"othertoczechnew"_s);
    EXPECT_EQ(dictionary->field(u"Czech"_s).asString(), u"řeka"_s);
    EXPECT_EQ(dictionary->recNo(), 6);

    dictionary->first();
    dictionary->gotoBookmark(mark);
    EXPECT_EQ(dictionary->field(u"Czech"_s).asString(), u"rak"_s);

    dictionary->deleteRecord();
    EXPECT_THROW(dictionary->gotoBookmark(mark), store::Error);
}

TEST_F(CursorNavigation, FilterNarrowsTheViewAndCountsIt) {
    dictionary->setFilter(u"Lekce = 1"_s);
    EXPECT_EQ(dictionary->recordCount(), 7) << "a filter works only when switched on";
    dictionary->setFiltered(true);
    EXPECT_EQ(tableRows(*dictionary, {u"Czech"_s}),
              QStringList({u"auto"_s, u"cesta"_s, u"Chata"_s}));

    dictionary->setFilter(u"((Lekce >= 2)and(Lekce <= 3))"_s);
    EXPECT_EQ(dictionary->recordCount(), 4);
    EXPECT_EQ(dictionary->recNo(), 1);

    dictionary->setFilter(u"(lekce <= 1)"_s);
    EXPECT_EQ(dictionary->recordCount(), 3);

    EXPECT_THROW(dictionary->setFilter(u"Lekce = "_s), store::Error);
    EXPECT_EQ(dictionary->filter(), u"(lekce <= 1)"_s);
    EXPECT_EQ(dictionary->recordCount(), 3);

    dictionary->setFiltered(false);
    EXPECT_EQ(dictionary->recordCount(), 7);
}

} // namespace
