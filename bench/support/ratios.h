#pragma once
// The ratios a benchmark is judged by, printed at the end of its run from the CPU times of that
// same run, each beside its aim and whether it is met: a ratio is never left for the reader to
// judge against a number kept elsewhere. A yardstick that runs another program (sqlite3, xmllint,
// a Python script) counts that program's CPU time, taken from the operating system when it ends.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace pramo {

// numerator / denominator, both benchmark names as the console shows them ("BM_EnterItem/10"),
// is aimed to be at most `atMost`. `per` is how many times the denominator's work the
// numerator does (10 for 10^4 items against 10^3): the ratio printed is per unit of work.
struct Ratio {
    std::string label;
    std::string numerator;
    std::string denominator;
    double atMost = 0;
    double per = 1;
};

// Runs the benchmarks the command line selects, then prints every ratio whose two benchmarks ran.
int runWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios);

// Runs `argv` (a program and its arguments) with its output thrown away and answers the CPU
// seconds it used, user and system; a negative number when it could not be run or did not exit 0.
double childCpuSeconds(const std::vector<std::string>& argv);

// One iteration of a benchmark whose work is other programs, run one after the other: their CPU
// time is the iteration's time (the benchmark is declared with UseManualTime). False, with the
// benchmark ended with `what`, when one of them fails.
bool timeChildren(benchmark::State& state, const std::vector<std::vector<std::string>>& programs, const char* what);

}  // namespace pramo
