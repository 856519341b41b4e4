#include "tablefixture.h"

#include "store/error.h"

namespace {

using store::Cursor;

class CursorNavigation : public TableFixture {
protected:
    void SetUp() override {
        dictionary = openTable(QStringLiteral("dictonary"));
        addWords(*dictionary, {{"žába", "frog", 3},
                               {"cesta", "way", 1},
                               {"čtyři", "four", 2},
                               {"Chata", "cottage", 1},
                               {"řeka", "river", 3},
                               {"rak", "crayfish", 2},
                               {"auto", "car", 1}});
    }
    std::unique_ptr<Cursor> dictionary;
};

TEST_F(CursorNavigation, EachIndexGivesItsOrder) {
    const QStringList byCzech = {u"auto"_s, u"cesta"_s, u"Chata"_s, u"čtyři"_s,
                                 u"rak"_s,  u"řeka"_s,  u"žába"_s};
    EXPECT_EQ(column(*dictionary, QStringLiteral("Czech")), byCzech);

    for (const char* name : {"czechtoothernew", ""}) {
        dictionary->setIndexName(QString::fromLatin1(name));
        EXPECT_EQ(column(*dictionary, QStringLiteral("Czech")), byCzech) << name;
    }

    for (const char* name : {"othertoczechnew", "othertoczech"}) {
        dictionary->setIndexName(QString::fromLatin1(name));
        EXPECT_EQ(column(*dictionary, QStringLiteral("Other")),
                  QStringList({u"car"_s, u"cottage"_s, u"crayfish"_s, u"four"_s, u"frog"_s,
                               u"river"_s, u"way"_s}))
            << name;
    }

    dictionary->setIndexName(QStringLiteral("lessonczechother"));
    EXPECT_EQ(column(*dictionary, QStringLiteral("Czech")),
              QStringList(
                  {u"auto"_s, u"cesta"_s, u"Chata"_s, u"čtyři"_s, u"rak"_s, u"řeka"_s, u"žába"_s}));
    dictionary->setIndexName(QStringLiteral("lessonotherczech"));
    EXPECT_EQ(column(*dictionary, QStringLiteral("Other")),
              QStringList({u"car"_s, u"cottage"_s, u"way"_s, u"crayfish"_s, u"four"_s, u"frog"_s,
                           u"river"_s}));
}

TEST_F(CursorNavigation, IndexNamesAreListedAndLookedUpWithoutRegardToCase) {
    EXPECT_EQ(dictionary->indexNames().size(), 8);
    EXPECT_TRUE(dictionary->indexNames().contains(QStringLiteral("pomnone")));
    dictionary->setIndexName(QStringLiteral("OtherToCzechNew"));
    EXPECT_EQ(dictionary->indexName(), QStringLiteral("othertoczechnew"));
    EXPECT_EQ(dictionary->indexFieldNames(), QStringList({u"Other"_s, u"Czech"_s}));
    EXPECT_THROW(dictionary->setIndexName(QStringLiteral("nosuchindex")), store::Error);
    EXPECT_EQ(dictionary->indexName(), QStringLiteral("othertoczechnew"));
}

TEST_F(CursorNavigation, ChangingTheIndexKeepsTheCurrentRecord) {
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("řeka")}));
    dictionary->setIndexName(QStringLiteral("othertoczechnew"));
    EXPECT_EQ(dictionary->field(QStringLiteral("Czech")).asString(), QStringLiteral("řeka"));
    EXPECT_EQ(dictionary->recNo(), 6);
}

TEST_F(CursorNavigation, EndFlagsFollowTheMoves) {
    dictionary->first();
    EXPECT_TRUE(dictionary->bof());
    EXPECT_FALSE(dictionary->eof());
    EXPECT_EQ(dictionary->recNo(), 1);

    dictionary->prior();
    EXPECT_TRUE(dictionary->bof());
    EXPECT_EQ(dictionary->recNo(), 1);

    dictionary->next();
    EXPECT_FALSE(dictionary->bof());
    EXPECT_EQ(dictionary->recNo(), 2);

    dictionary->last();
    EXPECT_TRUE(dictionary->eof());
    EXPECT_EQ(dictionary->recNo(), 7);
    dictionary->prior();
    EXPECT_FALSE(dictionary->eof());
    dictionary->next();
    dictionary->next();
    EXPECT_TRUE(dictionary->eof());
    EXPECT_EQ(dictionary->recNo(), 7);

    dictionary->first();
    EXPECT_EQ(dictionary->moveBy(3), 3);
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_EQ(dictionary->moveBy(10), 3);
    EXPECT_TRUE(dictionary->eof());
    EXPECT_EQ(dictionary->moveBy(-100), -6);
    EXPECT_TRUE(dictionary->bof());
    EXPECT_EQ(dictionary->recNo(), 1);

    dictionary->setRecNo(5);
    EXPECT_EQ(dictionary->field(QStringLiteral("Czech")).asString(), QStringLiteral("rak"));
    dictionary->setRecNo(99);
    EXPECT_EQ(dictionary->recNo(), 7);
}

TEST_F(CursorNavigation, EmptyViewHasBothFlagsAndNoRecord) {
    dictionary->setFilter(QStringLiteral("Lekce = 42"));
    dictionary->setFiltered(true);
    EXPECT_TRUE(dictionary->eof());
    EXPECT_TRUE(dictionary->bof());
    EXPECT_EQ(dictionary->recordCount(), 0);
    EXPECT_EQ(dictionary->recNo(), 0);
    EXPECT_EQ(dictionary->moveBy(1), 0);
    EXPECT_EQ(dictionary->field(QStringLiteral("Czech")).asString(), QString());
    EXPECT_EQ(dictionary->field(QStringLiteral("Lekce")).asInteger(), 0);
}

TEST_F(CursorNavigation, FindKeyMovesOnlyWhenFound) {
    EXPECT_TRUE(dictionary->findKey({QStringLiteral("čtyři"), QStringLiteral("four")}));
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_FALSE(dictionary->findKey({QStringLiteral("čtyři"), QStringLiteral("five")}));
    EXPECT_FALSE(dictionary->findKey({QStringLiteral("Čtyři")}));
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_TRUE(dictionary->findKey({QStringLiteral("auto")}));
    EXPECT_EQ(dictionary->recNo(), 1);
    EXPECT_THROW(dictionary->findKey({u"a"_s, u"b"_s, u"c"_s}), store::Error);
}

TEST_F(CursorNavigation, NearestSearchAgreesWithTheIndexOrder) {
    struct Case {
        const char* typed;
        const char* found;
    };
    for (const Case& c : {Case{"c", "cesta"}, Case{"ch", "Chata"}, Case{"č", "čtyři"},
                          Case{"CH", "Chata"}, Case{"d", "rak"}, Case{"ř", "řeka"},
                          Case{"s", "žába"}, Case{"", "auto"}, Case{"Ra", "rak"}}) {
        dictionary->findNearest({QString::fromUtf8(c.typed)});
        EXPECT_EQ(dictionary->field(QStringLiteral("Czech")).asString(), QString::fromUtf8(c.found))
            << c.typed;
        EXPECT_FALSE(dictionary->eof());
    }

    dictionary->findNearest({QStringLiteral("žžž")});
    EXPECT_TRUE(dictionary->eof());
    EXPECT_EQ(dictionary->recNo(), 7);

    dictionary->setIndexName(QStringLiteral("lessonotherczech"));
    dictionary->findNearest({2});
    EXPECT_EQ(dictionary->field(QStringLiteral("Other")).asString(), QStringLiteral("crayfish"));
    EXPECT_EQ(dictionary->recNo(), 4);
    dictionary->findNearest({2, QStringLiteral("fr")});
    EXPECT_EQ(dictionary->field(QStringLiteral("Other")).asString(), QStringLiteral("frog"));
}

TEST_F(CursorNavigation, BookmarksReturnToTheRecordWhereverItMoved) {
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("rak")}));
    const store::Bookmark mark = dictionary->bookmark();
    dictionary->setIndexName(QStringLiteral("othertoczechnew"));
    dictionary->first();
    dictionary->gotoBookmark(mark);
    EXPECT_EQ(dictionary->field(QStringLiteral("Czech")).asString(), QStringLiteral("rak"));

    dictionary->deleteRecord();
    EXPECT_THROW(dictionary->gotoBookmark(mark), store::Error);
}

TEST_F(CursorNavigation, FilterNarrowsTheViewAndCountsIt) {
    dictionary->setFilter(QStringLiteral("Lekce = 1"));
    EXPECT_EQ(dictionary->recordCount(), 7) << "a filter works only when switched on";
    dictionary->setFiltered(true);
    EXPECT_EQ(column(*dictionary, QStringLiteral("Czech")),
              QStringList({u"auto"_s, u"cesta"_s, u"Chata"_s}));

    dictionary->setFilter(QStringLiteral("((Lekce >= 2)and(Lekce <= 3))"));
    EXPECT_EQ(dictionary->recordCount(), 4);
    EXPECT_EQ(dictionary->recNo(), 1);

    dictionary->setFilter(QStringLiteral("(lekce <= 1)"));
    EXPECT_EQ(dictionary->recordCount(), 3);

    EXPECT_THROW(dictionary->setFilter(QStringLiteral("Lekce = ")), store::Error);
    EXPECT_EQ(dictionary->filter(), QStringLiteral("(lekce <= 1)"));
    EXPECT_EQ(dictionary->recordCount(), 3);

    dictionary->setFiltered(false);
    EXPECT_EQ(dictionary->recordCount(), 7);
}

TEST_F(CursorNavigation, ReadRowsGivesAPageWithoutMovingTheCursor) {
    dictionary->setRecNo(2);
    const auto rows = dictionary->readRows(5, 50);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("rak"));
    EXPECT_EQ(rows[2][1].toString(), QStringLiteral("frog"));
    EXPECT_EQ(rows[2][2].toLongLong(), 3);
    EXPECT_EQ(dictionary->recNo(), 2);
}

} // namespace
