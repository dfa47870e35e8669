#pragma once
// The steps of the program's start-up, each timed once in this fresh process; prints one
// "startup <step> <ms> ms" line per step. Returns the exit code.
// With dialogFloor, the settings dialog's openings are replaced by a bare window of the dialog's
// kind (its styles and size, no controls) shown twice the same way: Wine's own part of an opening.
int BenchStartup(bool dialogFloor);
