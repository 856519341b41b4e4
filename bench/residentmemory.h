#pragma once

namespace bench {

// The resident set of this process in bytes (VmRSS), after handing freed heap memory
// back to the system so that growth shows as growth; 0 where it cannot be read.
double residentBytes();

} // namespace bench
