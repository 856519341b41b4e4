#include "scratchfolder.h"

#include "store/error.h"

#include <QSet>

namespace {

using store::Cursor;
using store::CursorState;

class CursorEditing : public ScratchTest {
protected:
    void SetUp() override {
        dictionary = folder.table(u"dictonary"_s);
        addWords(*dictionary, {{"pes", "dog", 1}, {"kočka", "cat", 1}, {"myš", "mouse", 2}});
    }
    QString czech() { return dictionary->field(u"Czech"_s).asString(); }

    std::unique_ptr<Cursor> dictionary;
};

TEST_F(CursorEditing, EditPostWritesCancelRestoresAndMovingPostsAChangeButDropsAnUntouchedInsert) {
    ASSERT_TRUE(dictionary->findKey({u"pes"_s}));
    dictionary->edit();
    EXPECT_EQ(dictionary->state(), CursorState::Edit);
    dictionary->field(u"Dobre"_s).setAsInteger(5);
    EXPECT_EQ(dictionary->field(u"Dobre"_s).asInteger(), 5);
    dictionary->cancel();
    EXPECT_EQ(dictionary->state(), CursorState::Browse);
    EXPECT_TRUE(dictionary->field(u"Dobre"_s).isNull());

    postFields(*dictionary, {{u"Dobre"_s, 7}, {u"Popis"_s, u"[pes]\r\nštěká"_s}});
    dictionary->refresh();
    ASSERT_TRUE(dictionary->findKey({u"pes"_s}));
    EXPECT_EQ(recordText(*dictionary, {u"Dobre"_s, u"Popis"_s}), u"7|[pes]\r\nštěká"_s);

    ASSERT_TRUE(dictionary->findKey({u"myš"_s}));
    dictionary->edit();
    dictionary->field(u"Spatne"_s).setAsInteger(3);
    dictionary->first();
    ASSERT_TRUE(dictionary->findKey({u"myš"_s}));
    EXPECT_EQ(dictionary->field(u"Spatne"_s).asInteger(), 3);

    dictionary->insert();
    dictionary->last();
    EXPECT_EQ(dictionary->recordCount(), 3);
}

TEST_F(CursorEditing, FieldsConvertBetweenTextAndNumbers) {
    dictionary->edit();
    dictionary->field(u"Lekce"_s).setAsString(u" 12 "_s);
    EXPECT_EQ(dictionary->field(u"Lekce"_s).asInteger(), 12);
    EXPECT_EQ(dictionary->field(u"Lekce"_s).asString(), u"12"_s);
    dictionary->field(u"Lekce"_s).setAsString(QString());
    EXPECT_TRUE(dictionary->field(u"Lekce"_s).isNull());
    EXPECT_THROW(dictionary->field(u"Lekce"_s).setAsString(u"x1"_s), store::Error);
    EXPECT_THROW(dictionary->field(u"Lekce"_s).setAsInteger(1LL << 40), store::Error);
    dictionary->field(u"czech"_s).setAsInteger(42);
    EXPECT_EQ(dictionary->field(u"CZECH"_s).asString(), u"42"_s);
    EXPECT_THROW(dictionary->field(u"Nic"_s), store::Error);
    dictionary->cancel();
    EXPECT_THROW(dictionary->field(u"Lekce"_s).setAsInteger(1), store::Error)
        << "writing needs edit or insert state";
}

TEST_F(CursorEditing, KeysAndLengthsAreCheckedAtPostAndTextOutsideTheCodePageIsKept) {
    ASSERT_TRUE(dictionary->findKey({u"pes"_s}));
    dictionary->edit();
    dictionary->field(u"Czech"_s).setAsString(u"kočka"_s);
    dictionary->field(u"Other"_s).setAsString(u"cat"_s);
    EXPECT_THROW(dictionary->post(), store::Error);
    EXPECT_EQ(dictionary->state(), CursorState::Edit);
    EXPECT_EQ(czech(), u"kočka"_s);

    dictionary->field(u"Other"_s).setAsString(u"tomcat"_s);
    dictionary->post();
    EXPECT_EQ(dictionary->recordCount(), 3);

    try {
        dictionary->appendRecord({u"myš"_s, u"mouse"_s, 5});
        ADD_FAILURE() << "a second myš/mouse was stored";
    } catch (const store::Error& error) {
        EXPECT_TRUE(error.message().startsWith(u"Záznam se stejným klíčem již v tabulce je"_s))
            << error.message().toStdString();
    }
    EXPECT_EQ(dictionary->state(), CursorState::Browse);
    EXPECT_EQ(dictionary->recordCount(), 3);

    addWords(*dictionary, {{"Pes", "dog", 1}, {"pés", "dog", 1}});
    EXPECT_EQ(dictionary->recordCount(), 5) << "case and accents make keys distinct";

    dictionary->insert();
    dictionary->field(u"Czech"_s).setAsString(QString(81, u'a'));
    EXPECT_THROW(dictionary->post(), store::Error);
    dictionary->field(u"Czech"_s).setAsString(QString(80, u'a'));
    dictionary->post();
    EXPECT_EQ(czech().size(), 80);

    const QString russian = u"собака 🐕"_s;
    dictionary->appendRecord({russian, u"dog"_s, 4});
    dictionary->refresh();
    ASSERT_TRUE(dictionary->findKey({russian, u"dog"_s}));
    EXPECT_EQ(czech(), russian);
}

TEST_F(CursorEditing, PostedRecordTakesItsPlaceInTheOrderAndTheCursorFollows) {
    dictionary->insert();
    dictionary->field(u"Czech"_s).setAsString(u"čáp"_s);
    dictionary->field(u"Other"_s).setAsString(u"stork"_s);
    dictionary->post();
    EXPECT_EQ(czech(), u"čáp"_s);
    EXPECT_EQ(dictionary->recNo(), 1);

    postFields(*dictionary, {{u"Czech"_s, u"žluva"_s}});
    EXPECT_EQ(czech(), u"žluva"_s);
    EXPECT_EQ(dictionary->recNo(), 4);
    EXPECT_EQ(tableRows(*dictionary, {u"Czech"_s}),
              QStringList({u"kočka"_s, u"myš"_s, u"pes"_s, u"žluva"_s}));
}

TEST_F(CursorEditing, RecordLeavingTheFilterLeavesTheCursorOnTheNextOne) {
    for (dictionary->first(); !dictionary->eof(); dictionary->next())
        postFields(*dictionary, {{u"Pom"_s, 0}});
    dictionary->setIndexName(u"pomnone"_s);
    dictionary->setFilter(u"((Lekce >= 1)and(Lekce <= 2)and(Pom <> -1))"_s);
    dictionary->setFiltered(true);
    ASSERT_EQ(dictionary->recordCount(), 3);

    dictionary->first();
    QStringList taken;
    while (!dictionary->eof() && taken.size() < 2) {
        taken << czech();
        postFields(*dictionary, {{u"Pom"_s, -1}});
    }
    EXPECT_EQ(taken.size(), 2);
    EXPECT_EQ(QSet<QString>(taken.begin(), taken.end()).size(), 2)
        << "each post moves on to a new word";
    EXPECT_EQ(dictionary->recordCount(), 1);
    EXPECT_FALSE(taken.contains(czech()));
}

TEST_F(CursorEditing, BeforePostHookSeesAndChangesTheRecord) {
    dictionary->setBeforePost([](Cursor& table) {
        if (table.field(u"Dobre"_s).isNull())
            table.field(u"Dobre"_s).setAsInteger(0);
        table.field(u"Czechzk"_s).setAsString(table.field(u"Czech"_s).asString().toUpper());
    });
    dictionary->appendRecord({u"had"_s, u"snake"_s});
    EXPECT_EQ(recordText(*dictionary, {u"Czechzk"_s, u"Dobre"_s}), u"HAD|0"_s);

    dictionary->setBeforePost([](Cursor&) { throw store::Error(u"refused"_s); });
    dictionary->edit();
    dictionary->field(u"Lekce"_s).setAsInteger(9);
    EXPECT_THROW(dictionary->post(), store::Error);
    EXPECT_EQ(dictionary->state(), CursorState::Edit);
}

TEST_F(CursorEditing, DeleteStandsOnTheNextRecordAndEditOnAnEmptyViewInserts) {
    ASSERT_TRUE(dictionary->findKey({u"myš"_s}));
    dictionary->deleteRecord();
    EXPECT_EQ(czech(), u"pes"_s);
    dictionary->deleteRecord();
    EXPECT_EQ(czech(), u"kočka"_s);
    dictionary->deleteRecord();
    EXPECT_TRUE(dictionary->eof());
    EXPECT_THROW(dictionary->deleteRecord(), store::Error);
    dictionary->edit();
    EXPECT_EQ(dictionary->state(), CursorState::Insert);
}

// A rewrite of most records builds the field's index anew; one that fails writes nothing.
TEST_F(CursorEditing, RewritingAFieldWritesTheChangedRecordsAndKeepsItsIndexInOrder) {
    dictionary->setFilter(u"Lekce = 1"_s);
    dictionary->setFiltered(true);
    const auto byCzech = [](const store::StoredRow& row, store::Bookmark) {
        return std::optional<QVariant>(row.text(0) == u"pes" ? 1 : 2);
    };
    const int pom = dictionary->schema().fieldIndex(u"Pom");
    dictionary->rewriteField(pom, {0}, byCzech);
    EXPECT_THROW(dictionary->rewriteField(
                     pom, {},
                     [](const store::StoredRow&, store::Bookmark) -> std::optional<QVariant> {
                         throw store::Error(u"stop"_s);
                     }),
                 store::Error);
    dictionary->setFiltered(false);
    dictionary->setIndexName(u"pomnone"_s);
    EXPECT_EQ(tableRows(*dictionary, {u"Czech"_s, u"Pom"_s}),
              (QStringList{u"myš|"_s, u"pes|1"_s, u"kočka|2"_s}));
}

// The texts of dates and times are checked where an exam records its history.
TEST_F(CursorEditing, AutoNumbersOfTheExamHistoryAreReadOnlyAndNeverReused) {
    auto exams = folder.table(u"exam"_s);
    for (int day = 1; day <= 3; ++day)
        exams->appendRecord({QDate(2026, 12, day)});
    EXPECT_EQ(exams->field(u"Auto"_s).asInteger(), 3);

    exams->edit();
    EXPECT_THROW(exams->field(u"Auto"_s).setAsInteger(9), store::Error);
    exams->cancel();
    exams->deleteRecord();
    exams->appendRecord({QDate(2026, 12, 6)});
    EXPECT_EQ(exams->field(u"Auto"_s).asInteger(), 4) << "numbers are never reused";
}

class AppendRun : public ScratchTest, public ::testing::WithParamInterface<int> {};

TEST_P(AppendRun, AppendedRecordsTakeTheirPlacesAndTheCursorStandsOnTheLast) {
    auto dictionary = folder.table(u"dictonary"_s);
    dictionary->setFilter(u"Lekce <> 3"_s);
    dictionary->setFiltered(true);
    const int count = GetParam();
    for (int i = 0; i < count; ++i) {
        const int n = (i * 7919) % count; // every number once, out of order
        dictionary->appendRecord({u"slovo %1"_s.arg(n, 4, 10, QLatin1Char('0')), u"word"_s, n % 5});
    }
    const int last = ((count - 1) * 7919) % count;
    EXPECT_EQ(dictionary->field(u"Czech"_s).asString(),
              u"slovo %1"_s.arg(last, 4, 10, QLatin1Char('0')));

    const QStringList words = tableRows(*dictionary, {u"Czech"_s});
    EXPECT_EQ(words.size(), count - count / 5 - (count % 5 > 3 ? 1 : 0));
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
}

INSTANTIATE_TEST_SUITE_P(FewAndMany, AppendRun, ::testing::Values(3, 10, 200),
                         [](const auto& test) { return "Of" + std::to_string(test.param); });

} // namespace
