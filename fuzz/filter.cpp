// The filter language: a text the compiler accepts makes a condition the engine runs.
#include "fuzzinput.h"

#include "store/cursor.h"
#include "store/error.h"
#include "store/filter.h"
#include "store/tablefile.h"

#include <memory>

namespace {

// A dictionary of a few entries, open for the whole run.
store::Cursor& dictionary() {
    static const std::unique_ptr<store::Cursor> cursor = [] {
        store::createTableFile(FuzzInput::folder(QStringLiteral("dictonary.db")),
                               QStringLiteral("dictonary"));
        auto opened = std::make_unique<store::Cursor>();
        opened->setDatabaseName(FuzzInput::folder(QString()));
        opened->setTableName(QStringLiteral("dictonary.db"));
        opened->open();
        for (int lesson = 0; lesson < 5; ++lesson)
            opened->appendRecord({QStringLiteral("slovo %1").arg(lesson),
                                  QStringLiteral("word %1").arg(lesson), lesson, lesson * 2, 3});
        return opened;
    }();
    return *cursor;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = FuzzInput(data, size).utf8();
    store::Cursor& table = dictionary();
    try {
        store::compileFilter(text, table.schema());
    } catch (const store::Error&) {
        return 0;
    }
    // Refusing here would be the compiler's miss: the exception ends the run as a finding.
    table.setFilter(text);
    table.setFiltered(true);
    table.first();
    require(table.recordCount() <= 5);
    table.setFiltered(false);
    return 0;
}
