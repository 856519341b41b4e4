#include "scratchfolder.h"

#include "store/error.h"
#include "store/filter.h"

namespace {

class FilterLanguage : public ScratchTest {
protected:
    void SetUp() override { dictionary = folder.table(u"dictonary"_s); }
    store::CompiledFilter compile(const char* text) {
        return store::compileFilter(QString::fromUtf8(text), dictionary->schema());
    }
    std::unique_ptr<store::Cursor> dictionary;
};

TEST_F(FilterLanguage, TheProgramsFiltersAreUnderstood) {
    struct Case {
        const char* text;
        const char* sql;
    };
    for (const Case& c : {
             Case{"Lekce = 7", "\"Lekce\" = 7"},
             Case{"((Lekce >= 0)and(Lekce <= 12))", "((\"Lekce\" >= 0) AND (\"Lekce\" <= 12))"},
             Case{"((Lekce >= 1)and(Lekce <= 3)and(Pom <> -1))",
                  "((\"Lekce\" >= 1) AND (\"Lekce\" <= 3) AND (\"Pom\" <> -1))"},
             Case{"(Lekce <= 5)", "(\"Lekce\" <= 5)"},
             Case{"  lekce<3 AND dobre>+2 ", "\"Lekce\" < 3 AND \"Dobre\" > 2"},
             Case{"0 < Spatne", "0 < \"Spatne\""},
             Case{"", ""},
             Case{"   ", ""},
         }) {
        EXPECT_EQ(compile(c.text).sqlCondition, QString::fromUtf8(c.sql)) << c.text;
    }
    EXPECT_EQ(compile("((Lekce >= 1)and(Lekce <= 3)and(Pom <> -1))").fieldIndexes.size(), 2u);
}

TEST_F(FilterLanguage, TextOutsideTheLanguageIsAnErrorWithAMessage) {
    for (const char* text :
         {"Lekce", "Lekce =", "= 5", "Lekce == 5", "Lekce = 5 or Lekce = 6", "Lekce = 'a'",
          "(Lekce = 5", "Lekce = 5)", "Nic = 5", "Czech = 5", "Lekce = 5 and", "and Lekce = 5",
          "Lekce = 99999999999999999999", "Lekce = 5; DROP TABLE records", "Lekce = 1.5",
          "Lekce ! 5", "not Lekce = 5", "Lekce = -", "Lekce = ５"}) {
        try {
            compile(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const store::Error& error) {
            EXPECT_TRUE(error.message().startsWith(u"Chybný filtr"_s)) << text;
        }
    }
}

TEST_F(FilterLanguage, DeepOrHugeTextsNeitherCrashNorPass) {
    EXPECT_THROW(compile(std::string(100000, '(').c_str()), store::Error);
    const std::string nested = std::string(50, '(') + "Lekce = 1" + std::string(50, ')');
    EXPECT_FALSE(compile(nested.c_str()).sqlCondition.isEmpty());
    std::string longChain = "Lekce = 1";
    for (int i = 0; i < 2000; ++i)
        longChain += " and Lekce = 1";
    EXPECT_FALSE(compile(longChain.c_str()).sqlCondition.isEmpty());
}

} // namespace
