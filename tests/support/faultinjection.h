#pragma once

// Faults at the write points of this process, for tests of what a failing disk leaves. A
// write point is a write, a sync or a truncation of a file: of a table file through an SQLite
// VFS that wraps the system's (made the default by install()), of any other regular file at
// the system calls, which the test program takes over from the C library. The n-th write point
// after arm() fails, with an I/O error just once, or with a full disk from then on.
namespace faults {

enum class Kind { IoError, DiskFull };

// Makes the faulting VFS the default; call before the first table is opened.
void install();

// Counts the write points from here on; the n-th (from 1) fails. n = 0 fails none.
void arm(long n, Kind kind);
// The disk works again: no later write point fails; they are still counted.
void repair();
// Stops counting and failing; returns the write points passed since arm().
long disarm();
// Whether a write point failed since arm().
bool struck();

} // namespace faults
