// grid.tmp, the word grid's columns.
#include "fuzzinput.h"

#include "core/usererror.h"
#include "dictionary/gridlayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        for (const dictionary::GridColumn& column :
             dictionary::loadGridLayout(FuzzInput(data, size).file(QStringLiteral("grid.tmp"))))
            dictionary::widestNumber(column);
    } catch (const core::UserError&) {
    }
    return 0;
}
