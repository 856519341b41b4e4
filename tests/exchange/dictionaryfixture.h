#pragma once

#include "exchange/dictionarycursor.h"
#include "scratchfolder.h"

// A dictionary in a temporary folder, open on a cursor whose posts derive the test words by
// the default rules, as the word list's cursor does.
class DictionaryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        folder.createTable(u"dict/dictonary.db"_s, u"dictonary"_s);
        exchange::openDictionaryTable(dictionary, folder.path(u"dict"_s));
        exchange::keepEntriesOnPost(dictionary, entry::TestWordRules{});
    }

    // "Czech|Other|Lekce" of every entry, in the cursor's order.
    QStringList entries() { return tableRows(dictionary, {u"Czech"_s, u"Other"_s, u"Lekce"_s}); }

    ScratchFolder folder;
    store::Cursor dictionary;
};
