#pragma once
// The steps of the program's start-up, each timed once in this fresh process; prints one
// "startup <step> <ms> ms" line per step. Returns the exit code.
int BenchStartup();
