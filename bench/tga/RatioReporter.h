#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

// The console report, followed by a table that sets the two decoders side by
// side. Benchmarks are named "<source>/<case>/<decoder>"; each row of the
// table is one source and case, with the time of each decoder and the ratio
// stb / tessel (above 1: the engine's reader is faster). With
// --benchmark_repetitions the medians are compared, else the fastest runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints the table; returns the number of rows where the engine's reader
    // was slower.
    int PrintRatios() const;

private:
    // (source/case) -> decoder -> processor time per iteration, in ns. The
    // processor time, not the wall-clock time, because the benchmark often
    // shares the machine.
    std::map<std::string, std::map<std::string, double>> times;
    std::map<std::string, std::set<std::string>> hasMedian;
    std::vector<std::string> order;
};
