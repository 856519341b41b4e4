#include "exchange/dictionarycursor.h"

#include "core/messages.h"
#include "core/usererror.h"
#include "entry/normalizetestword.h"
#include "store/cursor.h"

namespace exchange {

using namespace Qt::StringLiterals;

bool requireOpenDictionary(const store::Cursor& dictionary, core::Messages& messages) {
    if (dictionary.active())
        return true;
    messages.error(u"Není vybrán žádný slovník"_s);
    return false;
}

bool prepareChange(const BeforeChange& beforeChange, core::Messages& messages) {
    try {
        if (beforeChange)
            beforeChange();
        return true;
    } catch (const core::UserError& error) {
        messages.error(error.message());
        return false;
    }
}

void keepEntriesOnPost(store::Cursor& dictionary, const entry::TestWordRules& rules) {
    dictionary.setBeforePost(
        [rules](store::Cursor& table) { entry::prepareEntryForPost(table, rules); });
}

void openDictionaryTable(store::Cursor& dictionary, const QString& dictionaryFolder) {
    dictionary.close();
    dictionary.setDatabaseName(dictionaryFolder);
    dictionary.setTableName(u"dictonary.db"_s);
    dictionary.open();
}

} // namespace exchange
