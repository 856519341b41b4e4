#pragma once

#include "benchoptions.h"
#include "report.h"

#include <QString>

namespace bench {

// The safety copy the program takes before bulk work (the dictionary's table through SQLite's
// backup API, forced to the disk and then named, its settings files, the oldest copies
// dropped) while the table is open, beside SQLite's own backup of the same table into a new
// file. Milliseconds, the median of the runs, added to the report as "safety_copy".
void runSafetyCopyBench(const QString& dictionaryFile, const BenchOptions& options, Report& report);

} // namespace bench
