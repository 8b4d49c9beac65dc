#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the median stands for the decoder; without, the
        // fastest run does.
        bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred)
            continue;
        std::string name = run.run_name.function_name;
        std::size_t cut = name.rfind('/');
        if (cut == std::string::npos)
            continue;
        std::string row = name.substr(0, cut);
        std::string decoder = name.substr(cut + 1);
        double nanoseconds =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        if (times.find(row) == times.end())
            order.push_back(row);
        auto& slot = times[row];
        auto& medians = hasMedian[row];
        auto found = slot.find(decoder);
        if (median || medians.count(decoder) == 0)
            slot[decoder] = found == slot.end() || median ? nanoseconds
                                                          : std::min(found->second, nanoseconds);
        if (median)
            medians.insert(decoder);
    }
}

int RatioReporter::PrintRatios() const
{
    int slower = 0;
    std::printf("\n%-22s %14s %14s %14s\n", "source/case", "tessel (us)", "stb (us)",
                "stb / tessel");
    for (const std::string& row : order) {
        const auto& decoders = times.at(row);
        auto tessel = decoders.find("tessel");
        auto stb = decoders.find("stb");
        if (tessel == decoders.end() || stb == decoders.end())
            continue;
        double ratio = stb->second / tessel->second;
        slower += ratio < 1.0;
        std::printf("%-22s %14.1f %14.1f %14.2f\n", row.c_str(), tessel->second / 1000.0,
                    stb->second / 1000.0, ratio);
    }
    return slower;
}
