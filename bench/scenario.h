#pragma once

#include "benchoptions.h"
#include "report.h"

namespace bench {

// Generates the dictionary, puts the table store and SQLite used directly through the
// same work in the given folder and returns every figure. Progress goes to stderr.
Report runBenchmark(const BenchOptions& options, const QString& folder);

} // namespace bench
