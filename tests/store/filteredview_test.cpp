#include "tablefixture.h"

#include <functional>

namespace {

// A hundred words, ten to a lesson, and a few without a lesson; Pom counts down.
class FilteredView : public TableFixture {
protected:
    void SetUp() override {
        dictionary = openTable(u"dictonary"_s);
        for (int i = 0; i < 100; ++i) {
            const QVariant lesson = i % 25 == 24 ? QVariant() : QVariant(i % 10);
            dictionary->appendRecord({u"č%1"_s.arg((i * 37) % 100), u"x%1"_s.arg(i % 7), lesson, 0,
                                      0, QVariant(), 100 - i % 13});
        }
    }

    // The Czech words of the unfiltered view in this order whose lesson passes.
    QStringList expected(const QString& order, const std::function<bool(int)>& passes) {
        dictionary->setFiltered(false);
        dictionary->setIndexName(order);
        QStringList words;
        for (dictionary->first(); !dictionary->eof(); dictionary->next()) {
            const store::Field lesson = dictionary->field(u"Lekce"_s);
            if (!lesson.isNull() && passes(lesson.asInteger()))
                words << dictionary->field(u"Czech"_s).asString();
        }
        return words;
    }

    std::unique_ptr<store::Cursor> dictionary;
};

struct FilterCase {
    const char* filter;
    std::function<bool(int)> passes;
};

// Filters keeping a few words or most of them, in orders led by the filtered field or not:
// the view is always the unfiltered order with the words that pass.
TEST_F(FilteredView, KeepsTheOrderOfItsIndexWhateverPartOfTheTablePasses) {
    const std::vector<FilterCase> filters = {{"Lekce = 3",
                                              [](int lesson) {
                                                  return lesson == 3;
                                              }},
                                             {"((Lekce >= 1)and(Lekce <= 9))",
                                              [](int lesson) {
                                                  return lesson >= 1;
                                              }},
                                             {"(Lekce <> 5)",
                                              [](int lesson) {
                                                  return lesson != 5;
                                              }},
                                             {"Lekce > 9", [](int) {
                                                  return false;
                                              }}};
    for (const QString& order : {u""_s, u"othertoczech"_s, u"lessonczechother"_s, u"pomnone"_s}) {
        for (const FilterCase& c : filters) {
            const QStringList want = expected(order, c.passes);
            dictionary->setFilter(QString::fromUtf8(c.filter));
            dictionary->setFiltered(true);
            EXPECT_EQ(dictionary->recordCount(), want.size())
                << c.filter << " in " << qPrintable(order);
            EXPECT_EQ(column(*dictionary, u"Czech"_s), want)
                << c.filter << " in " << qPrintable(order);
        }
    }
}

} // namespace
