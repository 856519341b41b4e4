#pragma once

#include "benchoptions.h"
#include "dictionarydata.h"
#include "report.h"

#include <QString>

#include <vector>

namespace bench {

// The exchange with other trainers and the progress charts: importing the whole dictionary
// from a kvtml file into an empty one beside the program's own TSV import of the same
// entries; exporting it to kvtml beside the TXT export; computing and drawing the progress
// charts of 10,000 exams beside reading their fields with SQLite. Milliseconds, the median
// of the runs; only the figures the options ask for.
void runPeersBench(const std::vector<Entry>& entries, const QString& folder,
                   const BenchOptions& options, Report& report);

} // namespace bench
