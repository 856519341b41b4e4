#pragma once

#include "benchoptions.h"
#include "dictionarydata.h"
#include "report.h"

#include <QString>

#include <vector>

namespace bench {

// The exchange commands on a whole dictionary, each beside SQLite used directly:
// importing a TAB-separated file into an empty dictionary (every entry through the
// before-post hook and the duplicate check) beside reading the same file and inserting its
// lines into the same indexed schema, and the same import as lexiton-cli runs it, the process
// as a whole from its start to its end; exporting to TXT and HTML beside a plain ordered read;
// spreading every lesson over new ones, 35 entries to a lesson, beside ordered updates.
// Figures in milliseconds, the median of the runs, added to the report; only those the
// options ask for.
void runExchangeBench(const std::vector<Entry>& entries, const QString& folder,
                      const BenchOptions& options, Report& report);

} // namespace bench
