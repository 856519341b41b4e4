#include "scratchfolder.h"

namespace {

// A hundred words, ten to a lesson, and a few without a lesson; Pom counts down.
class FilteredView : public ScratchTest {
protected:
    void SetUp() override {
        dictionary = folder.table(u"dictonary"_s);
        for (int i = 0; i < 100; ++i) {
            const QVariant lesson = i % 25 == 24 ? QVariant() : QVariant(i % 10);
            dictionary->appendRecord({u"č%1"_s.arg((i * 37) % 100), u"x%1"_s.arg(i % 7), lesson, 0,
                                      0, QVariant(), 100 - i % 13});
        }
    }

    // The Czech words of the unfiltered view in this order whose lesson is one of these.
    QStringList expected(const QString& order, const QList<int>& lessons) {
        dictionary->setFiltered(false);
        dictionary->setIndexName(order);
        QStringList words;
        for (dictionary->first(); !dictionary->eof(); dictionary->next()) {
            const store::Field lesson = dictionary->field(u"Lekce"_s);
            if (!lesson.isNull() && lessons.contains(lesson.asInteger()))
                words << dictionary->field(u"Czech"_s).asString();
        }
        return words;
    }

    std::unique_ptr<store::Cursor> dictionary;
};

// Filters keeping a few words or most of them, in orders led by the filtered field or not:
// the view is always the unfiltered order with the words that pass.
TEST_F(FilteredView, KeepsTheOrderOfItsIndexWhateverPartOfTheTablePasses) {
    const std::pair<const char*, QList<int>> filters[] = {
        {"Lekce = 3", {3}},
        {"((Lekce >= 1)and(Lekce <= 9))", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"(Lekce <> 5)", {0, 1, 2, 3, 4, 6, 7, 8, 9}},
        {"Lekce > 9", {}}};
    for (const QString& order : {u""_s, u"othertoczech"_s, u"lessonczechother"_s, u"pomnone"_s}) {
        for (const auto& [filter, lessons] : filters) {
            SCOPED_TRACE(std::string(filter) + " in " + order.toStdString());
            const QStringList want = expected(order, lessons);
            dictionary->setFilter(QString::fromUtf8(filter));
            dictionary->setFiltered(true);
            EXPECT_EQ(dictionary->recordCount(), want.size());
            EXPECT_EQ(tableRows(*dictionary, {u"Czech"_s}), want);
        }
    }
}

} // namespace
