#include "tablefixture.h"

#include "store/error.h"

#include <QSet>

namespace {

using store::Cursor;
using store::CursorState;

class CursorEditing : public TableFixture {
protected:
    void SetUp() override {
        dictionary = openTable(QStringLiteral("dictonary"));
        addWords(*dictionary, {{"pes", "dog", 1}, {"kočka", "cat", 1}, {"myš", "mouse", 2}});
    }
    QString czech() { return dictionary->field(QStringLiteral("Czech")).asString(); }

    std::unique_ptr<Cursor> dictionary;
};

TEST_F(CursorEditing, EditPostWritesAndCancelRestores) {
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("pes")}));
    dictionary->edit();
    EXPECT_EQ(dictionary->state(), CursorState::Edit);
    dictionary->field(QStringLiteral("Dobre")).setAsInteger(5);
    EXPECT_EQ(dictionary->field(QStringLiteral("Dobre")).asInteger(), 5);
    dictionary->cancel();
    EXPECT_EQ(dictionary->state(), CursorState::Browse);
    EXPECT_TRUE(dictionary->field(QStringLiteral("Dobre")).isNull());

    dictionary->edit();
    dictionary->field(QStringLiteral("Dobre")).setAsInteger(7);
    dictionary->field(QStringLiteral("Popis")).setAsMemo(QStringLiteral("[pes]\r\nštěká"));
    dictionary->post();
    dictionary->refresh();
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("pes")}));
    EXPECT_EQ(dictionary->field(QStringLiteral("Dobre")).asInteger(), 7);
    EXPECT_EQ(dictionary->field(QStringLiteral("Popis")).asMemo(),
              QStringLiteral("[pes]\r\nštěká"));
}

TEST_F(CursorEditing, FieldsConvertBetweenTextAndNumbers) {
    dictionary->edit();
    dictionary->field(QStringLiteral("Lekce")).setAsString(QStringLiteral(" 12 "));
    EXPECT_EQ(dictionary->field(QStringLiteral("Lekce")).asInteger(), 12);
    EXPECT_EQ(dictionary->field(QStringLiteral("Lekce")).asString(), QStringLiteral("12"));
    dictionary->field(QStringLiteral("Lekce")).setAsString(QString());
    EXPECT_TRUE(dictionary->field(QStringLiteral("Lekce")).isNull());
    EXPECT_THROW(dictionary->field(QStringLiteral("Lekce")).setAsString(QStringLiteral("x1")),
                 store::Error);
    EXPECT_THROW(dictionary->field(QStringLiteral("Lekce")).setAsInteger(1LL << 40), store::Error);
    dictionary->field(QStringLiteral("czech")).setAsInteger(42);
    EXPECT_EQ(dictionary->field(QStringLiteral("CZECH")).asString(), QStringLiteral("42"));
    EXPECT_THROW(dictionary->field(QStringLiteral("Nic")), store::Error);
    dictionary->cancel();
    EXPECT_THROW(dictionary->field(QStringLiteral("Lekce")).setAsInteger(1), store::Error)
        << "writing needs edit or insert state";
}

TEST_F(CursorEditing, DuplicateKeyFailsThePostAndKeepsTheEdit) {
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("pes")}));
    dictionary->edit();
    dictionary->field(QStringLiteral("Czech")).setAsString(QStringLiteral("kočka"));
    dictionary->field(QStringLiteral("Other")).setAsString(QStringLiteral("cat"));
    EXPECT_THROW(dictionary->post(), store::Error);
    EXPECT_EQ(dictionary->state(), CursorState::Edit);
    EXPECT_EQ(czech(), QStringLiteral("kočka"));

    dictionary->field(QStringLiteral("Other")).setAsString(QStringLiteral("tomcat"));
    dictionary->post();
    EXPECT_EQ(dictionary->recordCount(), 3);

    EXPECT_THROW(dictionary->appendRecord({QStringLiteral("myš"), QStringLiteral("mouse"), 5}),
                 store::Error);
    EXPECT_EQ(dictionary->state(), CursorState::Browse);
    EXPECT_EQ(dictionary->recordCount(), 3);
}

TEST_F(CursorEditing, KeysDifferingOnlyInCaseOrAccentAreDistinct) {
    addWords(*dictionary, {{"Pes", "dog", 1}, {"pés", "dog", 1}});
    EXPECT_EQ(dictionary->recordCount(), 5);
}

TEST_F(CursorEditing, PostedRecordTakesItsPlaceInTheOrderAndTheCursorFollows) {
    dictionary->insert();
    dictionary->field(QStringLiteral("Czech")).setAsString(QStringLiteral("čáp"));
    dictionary->field(QStringLiteral("Other")).setAsString(QStringLiteral("stork"));
    dictionary->post();
    EXPECT_EQ(czech(), QStringLiteral("čáp"));
    EXPECT_EQ(dictionary->recNo(), 1);

    dictionary->edit();
    dictionary->field(QStringLiteral("Czech")).setAsString(QStringLiteral("žluva"));
    dictionary->post();
    EXPECT_EQ(czech(), QStringLiteral("žluva"));
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_EQ(column(*dictionary, QStringLiteral("Czech")),
              QStringList({u"kočka"_s, u"myš"_s, u"pes"_s, u"žluva"_s}));
}

TEST_F(CursorEditing, RecordLeavingTheFilterLeavesTheCursorOnTheNextOne) {
    for (dictionary->first(); !dictionary->eof(); dictionary->next()) {
        dictionary->edit();
        dictionary->field(QStringLiteral("Pom")).setAsInteger(0);
        dictionary->post();
    }
    dictionary->setIndexName(QStringLiteral("pomnone"));
    dictionary->setFilter(QStringLiteral("((Lekce >= 1)and(Lekce <= 2)and(Pom <> -1))"));
    dictionary->setFiltered(true);
    ASSERT_EQ(dictionary->recordCount(), 3);

    dictionary->first();
    QStringList taken;
    while (!dictionary->eof() && taken.size() < 2) {
        taken << czech();
        dictionary->edit();
        dictionary->field(QStringLiteral("Pom")).setAsInteger(-1);
        dictionary->post();
    }
    EXPECT_EQ(taken.size(), 2);
    EXPECT_EQ(QSet<QString>(taken.begin(), taken.end()).size(), 2)
        << "each post moves on to a new word";
    EXPECT_EQ(dictionary->recordCount(), 1);
    EXPECT_FALSE(taken.contains(czech()));
}

TEST_F(CursorEditing, BeforePostHookSeesAndChangesTheRecord) {
    dictionary->setBeforePost([](Cursor& table) {
        if (table.field(QStringLiteral("Dobre")).isNull())
            table.field(QStringLiteral("Dobre")).setAsInteger(0);
        table.field(QStringLiteral("Czechzk"))
            .setAsString(table.field(QStringLiteral("Czech")).asString().toUpper());
    });
    dictionary->appendRecord({QStringLiteral("had"), QStringLiteral("snake")});
    EXPECT_EQ(dictionary->field(QStringLiteral("Czechzk")).asString(), QStringLiteral("HAD"));
    EXPECT_EQ(dictionary->field(QStringLiteral("Dobre")).asString(), QStringLiteral("0"));

    dictionary->setBeforePost([](Cursor&) { throw store::Error(QStringLiteral("refused")); });
    dictionary->edit();
    dictionary->field(QStringLiteral("Lekce")).setAsInteger(9);
    EXPECT_THROW(dictionary->post(), store::Error);
    EXPECT_EQ(dictionary->state(), CursorState::Edit);
}

TEST_F(CursorEditing, MovingWhileEditingPostsAChangeAndDropsAnUntouchedInsert) {
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("myš")}));
    dictionary->edit();
    dictionary->field(QStringLiteral("Spatne")).setAsInteger(3);
    dictionary->first();
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("myš")}));
    EXPECT_EQ(dictionary->field(QStringLiteral("Spatne")).asInteger(), 3);

    dictionary->insert();
    dictionary->last();
    EXPECT_EQ(dictionary->recordCount(), 3);
}

TEST_F(CursorEditing, TextLongerThanItsFieldIsRefusedNotCut) {
    dictionary->insert();
    dictionary->field(QStringLiteral("Czech")).setAsString(QString(81, u'a'));
    EXPECT_THROW(dictionary->post(), store::Error);
    dictionary->field(QStringLiteral("Czech")).setAsString(QString(80, u'a'));
    dictionary->post();
    EXPECT_EQ(czech().size(), 80);
}

TEST_F(CursorEditing, TextOutsideTheSingleByteCodePageIsKept) {
    const QString russian = QStringLiteral("собака 🐕");
    dictionary->appendRecord({russian, QStringLiteral("dog"), 4});
    dictionary->refresh();
    ASSERT_TRUE(dictionary->findKey({russian, QStringLiteral("dog")}));
    EXPECT_EQ(czech(), russian);
}

TEST_F(CursorEditing, DeleteStandsOnTheNextRecord) {
    ASSERT_TRUE(dictionary->findKey({QStringLiteral("myš")}));
    dictionary->deleteRecord();
    EXPECT_EQ(czech(), QStringLiteral("pes"));
    dictionary->deleteRecord();
    EXPECT_EQ(czech(), QStringLiteral("kočka"));
    dictionary->deleteRecord();
    EXPECT_TRUE(dictionary->eof());
    EXPECT_THROW(dictionary->deleteRecord(), store::Error);
}

TEST_F(CursorEditing, EditOnAnEmptyViewInserts) {
    dictionary->emptyTable();
    EXPECT_EQ(dictionary->recordCount(), 0);
    dictionary->edit();
    EXPECT_EQ(dictionary->state(), CursorState::Insert);
}

TEST_F(CursorEditing, DatesTimesAndAutoNumbersOfTheExamHistory) {
    auto exams = openTable(QStringLiteral("exam"));
    for (int i = 0; i < 3; ++i) {
        exams->append();
        exams->field(QStringLiteral("Datum")).setAsDate(QDate(2026, 12, 5));
        exams->field(QStringLiteral("Time")).setAsTime(QTime(9, 5, 7));
        exams->field(QStringLiteral("Limit")).setAsInteger(0x7FFFFFF);
        exams->post();
    }
    EXPECT_EQ(exams->field(QStringLiteral("Auto")).asInteger(), 3);
    EXPECT_EQ(exams->field(QStringLiteral("Datum")).asString(), QStringLiteral("5.12.2026"));
    EXPECT_EQ(exams->field(QStringLiteral("Time")).asTime(), QTime(9, 5, 7));
    EXPECT_EQ(exams->field(QStringLiteral("Limit")).asInteger(), 134217727);

    exams->edit();
    EXPECT_THROW(exams->field(QStringLiteral("Auto")).setAsInteger(9), store::Error);
    exams->cancel();
    exams->deleteRecord();
    exams->appendRecord({QDate(2026, 12, 6)});
    EXPECT_EQ(exams->field(QStringLiteral("Auto")).asInteger(), 4) << "numbers are never reused";
}

} // namespace

namespace {

class AppendRun : public TableFixture, public ::testing::WithParamInterface<int> {};

TEST_P(AppendRun, AppendedRecordsTakeTheirPlacesAndTheCursorStandsOnTheLast) {
    auto dictionary = openTable(QStringLiteral("dictonary"));
    dictionary->setFilter(QStringLiteral("Lekce <> 3"));
    dictionary->setFiltered(true);
    const int count = GetParam();
    for (int i = 0; i < count; ++i) {
        const int n = (i * 7919) % count; // every number once, out of order
        dictionary->appendRecord({QStringLiteral("slovo %1").arg(n, 4, 10, QLatin1Char('0')),
                                  QStringLiteral("word"), n % 5});
    }
    const int last = ((count - 1) * 7919) % count;
    EXPECT_EQ(dictionary->field(QStringLiteral("Czech")).asString(),
              QStringLiteral("slovo %1").arg(last, 4, 10, QLatin1Char('0')));

    const QStringList words = column(*dictionary, QStringLiteral("Czech"));
    EXPECT_EQ(words.size(), count - count / 5 - (count % 5 > 3 ? 1 : 0));
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
}

INSTANTIATE_TEST_SUITE_P(FewAndMany, AppendRun, ::testing::Values(3, 10, 200));

} // namespace
